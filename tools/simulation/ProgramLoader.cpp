#include "tools/simulation/ProgramLoader.h"

#include "platform/database/Connection.h"
#include "tools/simulation/ElementGeometry.h"
#include "tools/simulation/NetWiring.h"

#include <unordered_map>

namespace ldr::sim {

namespace {

constexpr long kNetStrip = 1;
constexpr long kLabelStrip = 3;
constexpr long kDisabledNet = 2;

struct OperandRow {
  long InIdx = 0;
  long OutIdx = 0;
  OperandKey Key;
};

using OperandRows = std::unordered_map<long, std::vector<OperandRow>>;

OperandRows ReadOperandRows(db::Connection& connection) {
  OperandRows rows;
  auto rs = connection.QueryForward("SELECT ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs, "
                                    "Elmnt_Oprnd_NetworkID FROM LdrElmsOprs");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    rows[rs.Field(0).AsLong()].push_back({rs.Field(1).AsLong(),
                                          rs.Field(2).AsLong(),
                                          {rs.Field(3).AsLong(), rs.Field(4).AsLong(), rs.Field(5).AsLong()}});
  }
  return rows;
}

void PlaceOperand(std::vector<OperandRef>& slots, long index, OperandRef ref) {
  if (index < 1 || index > 64) return;
  if (static_cast<long>(slots.size()) < index) slots.resize(index);
  slots[index - 1] = ref;
}

void AttachOperands(SimElement& element, const std::vector<OperandRow>& rows, OperandTable& operands) {
  for (const auto& row : rows) {
    const auto ref = operands.Add(row.Key);
    if (row.InIdx > 0) {
      PlaceOperand(element.Inputs, row.InIdx, ref);
    } else if (row.OutIdx > 0) {
      PlaceOperand(element.Outputs, row.OutIdx, ref);
      if (row.OutIdx == 1) element.Target = row.Key.Address;
    }
  }
}

} // namespace

SimProgram ProgramLoader::Load(db::Connection& connection) {
  SimProgram program;
  std::map<long, SimNet*> nets;
  LoadSubroutines(connection, program);
  LoadStrips(connection, program, nets);
  LoadElements(connection, program, nets);
  for (auto& [id, net] : nets) NetWiring::Wire(*net);
  LoadOperandValues(connection, program);
  return program;
}

void ProgramLoader::LoadSubroutines(db::Connection& connection, SimProgram& program) {
  auto rs = connection.QueryForward("SELECT FuncID, FuncName, FunctionType FROM LdrFunctions ORDER BY FuncID");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    SimSubroutine subroutine;
    subroutine.FuncID = rs.Field(0).AsLong();
    subroutine.Name = rs.Field(1).AsText();
    subroutine.FunctionType = rs.Field(2).AsLong(3);
    program.Subroutines().emplace(subroutine.FuncID, std::move(subroutine));
  }
}

void ProgramLoader::LoadStrips(db::Connection& connection, SimProgram& program, std::map<long, SimNet*>& nets) {
  auto rs = connection.QueryForward(
      "SELECT StripID, FuncID, StrpType, ShowNum, IsCompilable FROM LdrStrips ORDER BY FuncID, SeqNum");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    auto* subroutine = program.Find(rs.Field(1).AsLong());
    if (!subroutine) continue;
    SimStrip strip;
    strip.StripID = rs.Field(0).AsLong();
    const long type = rs.Field(2).AsLong();
    if (type == kNetStrip && rs.Field(4).AsLong(-1) != kDisabledNet) {
      strip.Kind = StripKind::Net;
      strip.NetIndex = static_cast<int>(subroutine->Nets.size());
      subroutine->Nets.push_back({strip.StripID, rs.Field(3).AsLong(), 1, {}});
    } else if (type == kLabelStrip) {
      strip.Kind = StripKind::Label;
      subroutine->LabelStrips[strip.StripID] = static_cast<int>(subroutine->Strips.size());
    }
    subroutine->Strips.push_back(strip);
  }
  // Pointers only once every vector has its final size.
  for (auto& [id, subroutine] : program.Subroutines())
    for (auto& net : subroutine.Nets) nets[net.StripID] = &net;
}

void ProgramLoader::LoadElements(db::Connection& connection, SimProgram& program, std::map<long, SimNet*>& nets) {
  const auto operandRows = ReadOperandRows(connection);
  ElementGeometry geometry;
  auto rs = connection.QueryForward(
      "SELECT ElmntID, StripID, ElmntType, Xs, Ys, Dx, Dy, MoreParamsLng FROM LdrElements ORDER BY ElmntID");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    const auto net = nets.find(rs.Field(1).AsLong());
    if (net == nets.end()) continue;
    SimElement element;
    element.ID = rs.Field(0).AsLong();
    element.Type = rs.Field(2).AsLong();
    element.Kind = ElementSemantics::KindOf(element.Type);
    element.Inlet = {rs.Field(3).AsLong(), rs.Field(4).AsLong()};
    element.Param = rs.Field(7).AsLong();
    if (element.Kind == SimKind::Line) {
      element.Outlet = {element.Inlet.X + rs.Field(5).AsLong(), element.Inlet.Y + rs.Field(6).AsLong()};
    } else {
      element.Outlet = {element.Inlet.X + geometry.RungWidth(element.Type, element.Kind), element.Inlet.Y};
    }
    program.CountElementRow();
    if (element.Type == 0) continue; // a line piece without extent
    const auto rows = operandRows.find(element.ID);
    if (rows != operandRows.end()) AttachOperands(element, rows->second, program.Operands());
    net->second->Elements.push_back(std::move(element));
  }
}

void ProgramLoader::LoadOperandValues(db::Connection& connection, SimProgram& program) {
  auto rs = connection.QueryForward(
      "SELECT OprndType, OprndAddress, NetworkID, OprndPowerUp, OprndEnablePowerUp FROM LdrOperands");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    const OperandKey key{rs.Field(0).AsLong(), rs.Field(1).AsLong(), rs.Field(2).AsLong()};
    const auto width = OperandTable::WidthOf(key.Type);
    const bool constant = width && *width == SlotWidth::Constant;
    if (constant || rs.Field(4).AsBool()) program.Operands().SetInitial(key, rs.Field(3).AsInt64());
  }
}

} // namespace ldr::sim
