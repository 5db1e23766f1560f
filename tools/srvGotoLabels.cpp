#include "tools/srvGotoLabels.h"

#include "core/LdrError.h"
#include "core/enStripType.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"

namespace ldr {

srvGotoLabels::srvGotoLabels(const HostServices& host) : mHost(host) {
  if (mHost.Connections) mConnection = mHost.Connections->Connection();
  if (!mConnection) throw LdrError(0, "NoConnection", "the host has no open project", "srvGotoLabels", "Create");
}

db::Connection& srvGotoLabels::Db() { return *mConnection; }

std::optional<LabelPlace> srvGotoLabels::FindLabel(const std::string& toolID, long currentStripID) {
  std::optional<long> target;
  if (toolID == kNext || toolID == kPrevious)
    target = StepToLabel(currentStripID, toolID == kNext);
  else if (toolID == kCustom)
    target = AskForLabel();
  return target ? PlaceOfLabel(*target) : std::nullopt;
}

// Strips of height 0 are never visited. A current strip that is not among
// the rows starts the walk before the first row (next) or after the last.
std::optional<long> srvGotoLabels::StepToLabel(long currentStripID, bool forward) {
  auto rows = Db().Query("SELECT LdrStrips.StripID, LdrStrips.StrpType FROM LdrFunctions INNER JOIN LdrStrips ON "
                         "LdrFunctions.FuncID = LdrStrips.FuncID WHERE (LdrStrips.Height>0) ORDER BY "
                         "LdrFunctions.FuncID, LdrStrips.SeqNum");
  const auto& all = rows.Rows();
  const long count = static_cast<long>(all.size());
  long start = forward ? -1 : count;
  bool anyLabel = false;
  for (long i = 0; i < count; ++i) {
    if (all[i][1].AsLong() == eST_LdrLabel) anyLabel = true;
    if (all[i][0].AsLong() == currentStripID) start = i;
  }
  if (!anyLabel) return std::nullopt;
  for (long step = 1; step <= count + 1; ++step) {
    const long i = ((start + (forward ? step : -step)) % count + count) % count;
    if (all[i][1].AsLong() == eST_LdrLabel) return all[i][0].AsLong();
  }
  return std::nullopt;
}

// The user picks a label as the operand of a label slot.
std::optional<long> srvGotoLabels::AskForLabel() {
  if (!mHost.Operands || !mHost.Dialogs || !mHost.Messages) return std::nullopt;
  auto operand = mHost.Operands->NewOperand();
  operand->SetAcceptedTypes({{eOG_Label, eOT_Label}});
  operand->SetOprndType(eOT_Label);
  operand->SetDefaultText("Select Label");
  if (!operand->OpenForUser(*mHost.Dialogs, *mHost.Messages)) return std::nullopt;
  return operand->Address();
}

std::optional<LabelPlace> srvGotoLabels::PlaceOfLabel(long stripID) {
  auto row = Db().Query("SELECT LdrFunctions.FuncID, LdrFunctions.MdlID FROM LdrFunctions INNER JOIN LdrStrips ON "
                        "LdrFunctions.FuncID = LdrStrips.FuncID WHERE LdrStrips.StripID=? AND LdrStrips.StrpType=?",
                        {stripID, static_cast<long>(eST_LdrLabel)});
  if (row.IsEOF()) return std::nullopt;
  return LabelPlace{row.Field(1).AsLong(), row.Field(0).AsLong(), stripID};
}

std::vector<LabelListEntry> srvGotoLabels::Labels() {
  auto rows = Db().Query("SELECT LdrModules.MdlID, LdrFunctions.FuncID, LdrStrips.StripID, LdrModules.MdlName, "
                         "LdrFunctions.FuncName, LdrStrips.LblName FROM (LdrModules INNER JOIN LdrFunctions ON "
                         "LdrModules.MdlID = LdrFunctions.MdlID) INNER JOIN LdrStrips ON LdrFunctions.FuncID = "
                         "LdrStrips.FuncID WHERE LdrStrips.StrpType=? AND LdrStrips.Height>0 ORDER BY "
                         "LdrFunctions.FuncID, LdrStrips.SeqNum",
                         {static_cast<long>(eST_LdrLabel)});
  std::vector<LabelListEntry> labels;
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
    labels.push_back({{rows.Field(0).AsLong(), rows.Field(1).AsLong(), rows.Field(2).AsLong()},
                      rows.Field(3).AsText(),
                      rows.Field(4).AsText(),
                      rows.Field(5).AsText()});
  return labels;
}

} // namespace ldr
