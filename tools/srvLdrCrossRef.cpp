#include "tools/srvLdrCrossRef.h"

#include "core/LdrError.h"
#include "elements/ElementTitles.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandList.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "outside/operands/ParamsBlock.h"
#include "platform/database/Transaction.h"

namespace ldr {

namespace {

constexpr long kInnerSlot = ParamsBlock::kFirstInnerSlot;
constexpr long kSwitchedOff = 2;

std::string Num(long value) { return std::to_string(value); }

const char* const kPlaceColumns = "SELECT LdrModules.MdlID, LdrModules.MdlName, LdrFunctions.FuncID, "
                                  "LdrFunctions.FuncName, LdrStrips.StripID, LdrStrips.ShowNum";
const char* const kStripJoins = " FROM (LdrModules INNER JOIN LdrFunctions ON LdrModules.MdlID = LdrFunctions.MdlID)"
                                " INNER JOIN LdrStrips ON LdrFunctions.FuncID = LdrStrips.FuncID";
const char* const kElementJoin = " INNER JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID";
const char* const kOperandJoin = " INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID";

// The operand condition on LdrElmsOprs.
std::string OperandMatch() {
  return "(LdrElmsOprs.Elmnt_Oprnd_Type=?) AND (LdrElmsOprs.Elmnt_Oprnd_Adrs=?) AND "
         "(LdrElmsOprs.Elmnt_Oprnd_NetworkId=?)";
}

db::Params KeyParams(const OperandKey& key) { return {key.Type, key.Address, key.NetworkID}; }

long Whole(const db::ForwardRecordset& rows, int index) { return rows.Field(index).AsLong(); }

bool InRange(long value, long low, long high) { return value >= low && value <= high; }

} // namespace

bool HoldsOperandsInParameters(long t) {
  if (InRange(t, 100000, 999999)) return true;
  for (long type : {1400, 1402, 1403, 1409, 1417, 1419, 1420, 1422})
    if (t == type) return true;
  static const std::pair<long, long> kUtilityRanges[] = {
      {1268, 1268}, {1631, 1631}, {1633, 1633}, {1636, 1638}, {1640, 1656}, {1663, 1670}, {1673, 1673}, {1678, 1680},
      {1683, 1687}, {1689, 1694}, {1697, 1699}, {1801, 1808}, {1811, 1811}, {1813, 1823}, {1825, 1825}, {1828, 1830}};
  for (const auto& [low, high] : kUtilityRanges)
    if (InRange(t, low, high)) return true;
  for (long type : {1405, 1406, 1407, 1408, 1411, 1412, 1426, 1427})
    if (t == type) return true;
  return false;
}

srvLdrCrossRef::srvLdrCrossRef(const HostServices& host) : mHost(host) {
  if (!mHost.Connections) throw LdrError(0, "NoHost", "the host gave no connection provider", kClassName, "Create");
}

std::shared_ptr<db::Connection> srvLdrCrossRef::Connection() const {
  auto connection = mHost.Connections->Connection();
  if (!connection) throw LdrError(0, "NoConnection", "the host has no open project", kClassName, "Connection");
  return connection;
}

// --- searches --------------------------------------------------------------------

std::vector<tyLadderCrossRef> srvLdrCrossRef::GetLadderCrossReference(long opNetworkID, long opType, long opAddress,
                                                                      bool& noResults) {
  RequireOperandType(opType, "GetLadderCrossReference");
  return Search(enSearch::Operand, OperandMatch(), {opType, opAddress, opNetworkID}, noResults);
}

std::vector<tyLadderCrossRef> srvLdrCrossRef::GetLadderFBFatherCrossRef(long fbFatherID, bool& noResults) {
  return Search(enSearch::BlockType, "((LdrElements.ElmntType / 100) * 100 = ?)", {fbFatherID}, noResults);
}

std::vector<tyLadderCrossRef> srvLdrCrossRef::GetLadderElementCrossRef(long elementType, bool& noResults) {
  return Search(enSearch::ElementType, "(LdrElements.ElmntType = " + Num(elementType) + ")", {}, noResults);
}

std::vector<tyLadderCrossRef> srvLdrCrossRef::GetLadderDisabledNetsCrossRef(bool& noResults) {
  return Search(enSearch::DisabledNets, "(LdrStrips.IsCompilable = " + Num(kSwitchedOff) + ")", {}, noResults);
}

std::vector<tyLadderCrossRef> srvLdrCrossRef::GetLadderConstCrossRef(long opType, double powerUp, bool& noResults) {
  RequireOperandType(opType, "GetLadderConstCrossRef");
  return Search(enSearch::Constant,
                "(LdrElmsOprs.Elmnt_Oprnd_Type = ?) AND (LdrElmsOprs.Elmnt_Oprnd_NetworkId = 0) AND "
                "(LdrOperands.OprndPowerUp = ?)",
                {opType, powerUp}, noResults);
}

void srvLdrCrossRef::RequireOperandType(long opType, const char* procedure) const {
  const OperandTypeCatalogue fallback;
  const auto& types = mHost.Operands ? mHost.Operands->Types() : fallback;
  if (!types.Find(opType))
    throw LdrError(0, "Unknown operand type", "There is no operand type " + Num(opType) + ".", kClassName, procedure);
}

std::string srvLdrCrossRef::OrderBy(enSearch kind) const {
  const std::string place = "LdrModules.MdlID, LdrFunctions.FuncID, LdrStrips.ShowNum";
  if (kind == enSearch::DisabledNets) return " ORDER BY " + place;
  return mSortByElement ? " ORDER BY LdrElements.ElmntType, " + place
                        : " ORDER BY " + place + ", LdrElements.ElmntType";
}

std::vector<tyLadderCrossRef> srvLdrCrossRef::Search(enSearch kind, const std::string& condition,
                                                     const db::Params& params, bool& noResults) {
  const bool elements = kind != enSearch::DisabledNets;
  const bool operands = kind == enSearch::Operand || kind == enSearch::Constant;
  std::string sql = kPlaceColumns;
  if (elements) sql += ", LdrElements.ElmntID, LdrElements.ElmntType";
  sql += operands ? ", LdrElmsOprs.OprndInIdx, LdrElmsOprs.OprndOutIdx" : ", 0, 0";
  sql += kind == enSearch::BlockType ? ", LdrElements.MoreParamsLng" : ", 0";
  sql += kStripJoins;
  if (elements) sql += kElementJoin;
  if (operands) sql += kOperandJoin;
  if (kind == enSearch::Constant)
    sql += " INNER JOIN LdrOperands ON LdrElmsOprs.Elmnt_Oprnd_NetworkId = LdrOperands.NetworkID AND "
           "LdrElmsOprs.Elmnt_Oprnd_Adrs = LdrOperands.OprndAddress AND "
           "LdrElmsOprs.Elmnt_Oprnd_Type = LdrOperands.OprndType";
  sql += " WHERE " + condition + OrderBy(kind);

  mTitles.clear();
  std::vector<tyLadderCrossRef> found;
  auto connection = Connection();
  // Rows come grouped by subroutine: its names are read once per group.
  long moduleID = -1, funcID = -1;
  std::string moduleName, funcName;
  for (auto rows = connection->QueryForward(sql, params); !rows.IsEOF(); rows.MoveNext()) {
    tyLadderCrossRef& place = found.emplace_back();
    place.ModuleID = Whole(rows, 0);
    place.FunctionID = Whole(rows, 2);
    place.StripID = Whole(rows, 4);
    if (place.ModuleID != moduleID) {
      moduleID = place.ModuleID;
      moduleName = rows.Field(1).AsText();
    }
    if (place.FunctionID != funcID) {
      funcID = place.FunctionID;
      funcName = rows.Field(3).AsText();
    }
    place.Descriptions[0] = moduleName;
    place.Descriptions[1] = funcName;
    place.Descriptions[2] = "Net: " + std::to_string(Whole(rows, 5));
    if (!elements) continue;
    place.ElementID = Whole(rows, 6);
    place.ElementType = Whole(rows, 7);
    place.OprInIndex = Whole(rows, 8);
    place.OprOutIndex = Whole(rows, 9);
    place.Descriptions[3] = ElementTitle(place.ElementType, Whole(rows, 10), kind == enSearch::BlockType);
  }
  noResults = found.empty();
  return found;
}

// "Element: " and the title; a block's names its instance too.
std::string srvLdrCrossRef::ElementTitle(long elementType, long instance, bool isBlock) {
  auto known = mTitles.find(elementType);
  if (known == mTitles.end())
    known = mTitles
                .emplace(elementType,
                         "Element: " + GetElementTitle(Connection().get(), static_cast<std::int32_t>(elementType)))
                .first;
  if (!isBlock || instance == 0) return known->second;
  return known->second + " #" + Num(instance);
}

// --- replacement -----------------------------------------------------------------

void srvLdrCrossRef::ReplaceLadderOperand(long, long, long, long) {
  if (mHost.Messages) mHost.Messages->ShowMessageBox("not in use");
}

void srvLdrCrossRef::ReplaceLadderOperandEx(long opNetworkID, long opType, long opAddress, long newNetID,
                                            long newOpType, long newAddress, long funcID) {
  const OperandKey from{opType, opAddress, opNetworkID};
  const OperandKey to{newOpType, newAddress, newNetID};
  if (from == to) return;
  auto connection = Connection();
  db::Transaction transaction(*connection);
  CheckReplacement(from, to, funcID);
  const std::string inFunction = funcID > 0 ? " AND LdrStrips.FuncID=" + Num(funcID) : "";
  RewriteParameterBlocks(from, to, inFunction);
  // The nets first, while their slots still hold the old operand.
  connection->Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID IN (SELECT LdrElements.StripID FROM "
                      "LdrElements INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID WHERE " +
                          OperandMatch() + ")" + (funcID > 0 ? " AND FuncID=" + Num(funcID) : ""),
                      KeyParams(from));
  db::Params params = KeyParams(to);
  for (const auto& value : KeyParams(from)) params.push_back(value);
  connection->Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=?, Elmnt_Oprnd_Adrs=?, Elmnt_Oprnd_NetworkId=? "
                      "WHERE Elmnt_Oprnd_Type=? AND Elmnt_Oprnd_Adrs=? AND Elmnt_Oprnd_NetworkId=? AND ElmntID IN "
                      "(SELECT LdrElements.ElmntID FROM (LdrFunctions INNER JOIN LdrStrips ON LdrFunctions.FuncID = "
                      "LdrStrips.FuncID) INNER JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID WHERE 1=1" +
                          inFunction + ")",
                      params);
  transaction.Commit();
}

// Every slot that would take the new operand must accept it, as the operand
// dialog would: a replacement never puts into a slot what a user could not.
void srvLdrCrossRef::CheckReplacement(const OperandKey& from, const OperandKey& to, long funcID) {
  const char* procedure = "ReplaceLadderOperandEx";
  RequireOperandType(to.Type, procedure);
  if (!mHost.Operands) return;
  auto refuse = [&](const std::string& problem) {
    throw LdrError(0, "Replace operand", problem, kClassName, procedure);
  };
  if (OperandTypeCatalogue::IsConstant(to.Type) || OperandTypeCatalogue::IsNamedConstant(to.Type)) {
    if (!mHost.Operands->List().Exists(to))
      refuse("There is no constant " + mHost.Operands->Types().ShortName(to.Type) + " " + Num(to.Address) + ".");
  }
  auto slots = Connection()->Query(
      "SELECT DISTINCT LdrElements.ElmntType, LdrElmsOprs.OprndInIdx, LdrElmsOprs.OprndOutIdx FROM (LdrStrips "
      "INNER JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID) INNER JOIN LdrElmsOprs ON "
      "LdrElements.ElmntID = LdrElmsOprs.ElmntID WHERE " +
          OperandMatch() + " AND NOT (LdrElmsOprs.OprndInIdx >= " + Num(kInnerSlot) +
          " AND LdrElmsOprs.OprndOutIdx >= " + Num(kInnerSlot) + ")" +
          (funcID > 0 ? " AND LdrStrips.FuncID=" + Num(funcID) : ""),
      KeyParams(from));
  OperandEntry entry{to.Type, to.Address, to.NetworkID};
  for (slots.MoveFirst(); !slots.IsEOF(); slots.MoveNext()) {
    const long elementType = slots.Field(0).AsLong();
    const long inIndex = slots.Field(1).AsLong();
    const bool isInput = inIndex > 0;
    auto operand =
        mHost.Operands->NewSlotOperand(elementType, isInput, isInput ? inIndex : slots.Field(2).AsLong(), false);
    if (OperandTypeCatalogue::IsConstant(to.Type)) {
      if (!operand->Accepts(to.Type))
        refuse(GetElementTitle(nullptr, static_cast<std::int32_t>(elementType)) + ": " +
               mHost.Operands->Types().ShortName(to.Type) + " operands cannot be used here.");
      continue;
    }
    const std::string problem = operand->CheckEntry(entry);
    if (!problem.empty()) refuse(GetElementTitle(nullptr, static_cast<std::int32_t>(elementType)) + ": " + problem);
  }
}

void srvLdrCrossRef::RewriteParameterBlocks(const OperandKey& from, const OperandKey& to,
                                            const std::string& inFunction) {
  auto connection = Connection();
  auto holders = connection->Query(
      "SELECT LdrElements.ElmntID, LdrElements.ElmntType, LdrElements.MoreParamsBin FROM LdrFunctions INNER JOIN "
      "(LdrStrips INNER JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID) ON LdrFunctions.FuncID = "
      "LdrStrips.FuncID WHERE LdrElements.ElmntID IN (SELECT ElmntID FROM LdrElmsOprs WHERE OprndOutIdx >= " +
          Num(kInnerSlot) + " AND OprndInIdx >= " + Num(kInnerSlot) +
          " AND Elmnt_Oprnd_Type=? AND Elmnt_Oprnd_Adrs=? AND Elmnt_Oprnd_NetworkId=?)" + inFunction,
      KeyParams(from));
  const std::vector<long> args = {from.Type, from.Address, from.NetworkID, to.Type, to.Address, to.NetworkID};
  for (holders.MoveFirst(); !holders.IsEOF(); holders.MoveNext()) {
    if (!HoldsOperandsInParameters(holders.Field(1).AsLong())) continue;
    db::Blob block = holders.Field(2).AsBlob();
    if (!ParamsBlock::RunOperation(ParamsBlock::kReplaceFindOnlyOperand, block, args)) continue;
    connection->Execute("UPDATE LdrElements SET MoreParamsBin=? WHERE ElmntID=?",
                        {db::DbValue(std::move(block)), holders.Field(0)});
  }
}

} // namespace ldr
