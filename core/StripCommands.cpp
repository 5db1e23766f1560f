#include "core/StripCommands.h"

#include "core/NetHeightLimits.h"

#include <string>
#include <vector>

namespace ldr {

namespace {
std::string Num(long value) { return std::to_string(value); }
constexpr const char* kSelectedNets = "WHERE IsSelected<>0 AND StrpType=1 ";
// An expanded net takes its kept height back, inside the limits of a net.
std::string ExpandedHeight() { return "Height=" + ClampedNetRowsSql("OrgHeight") + " "; }
} // namespace

void StripCommands::SelectAll(long funcID) {
  mDb.Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=" + Num(funcID) + " AND IsReturnStrip=0");
}

void StripCommands::SetSelectedNetsCompilable(bool enable, bool downloadUnits) {
  const long compilable = enable ? -1 : 2;
  mDb.Execute("UPDATE LdrStrips SET IsCompilable=" + Num(compilable) + " , CompileDirtyBit=-1 " + kSelectedNets);
  if (!downloadUnits) return;
  std::vector<long> functions;
  auto rows = mDb.Query(std::string("SELECT FuncID FROM LdrStrips ") + kSelectedNets + "GROUP BY FuncID");
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) functions.push_back(rows.Field(0).AsLong());
  for (long funcID : functions) MarkDownloadUnitsNotCompiled(funcID);
}

void StripCommands::CollapseSelectedNets() {
  // The return strip is never collapsed, even when selected.
  const std::string where = std::string(kSelectedNets) + "AND IsCollapsed=0 AND IsReturnStrip=0";
  mDb.Execute("UPDATE LdrStrips SET OrgHeight=Height " + where);
  mDb.Execute("UPDATE LdrStrips SET Height=1 , IsCollapsed=-1 " + where);
}

void StripCommands::ExpandSelectedNets() {
  mDb.Execute(std::string("UPDATE LdrStrips SET IsCollapsed=0 ,") + ExpandedHeight() + kSelectedNets +
              "AND IsCollapsed<>0");
}

void StripCommands::ExpandAllNets() {
  mDb.Execute("UPDATE LdrStrips SET IsCollapsed=0 ," + ExpandedHeight() + "WHERE StrpType=1 AND IsCollapsed<>0");
}

bool StripCommands::ExpandCollapsedNet(long funcID, long seqNum) {
  return mDb.Execute("UPDATE LdrStrips SET IsCollapsed=0 , " + ExpandedHeight() + "WHERE SeqNum=" + Num(seqNum) +
                     " AND FuncID=" + Num(funcID) + " AND StrpType=1 AND IsCollapsed<>0") > 0;
}

void StripCommands::ToggleCollapse(long stripID) {
  const std::string where = " WHERE StripID=" + Num(stripID) + " AND StrpType=1";
  if (mDb.Execute("UPDATE LdrStrips SET IsCollapsed=0 , " + ExpandedHeight() + where + " AND IsCollapsed<>0") > 0)
    return;
  mDb.Execute("UPDATE LdrStrips SET OrgHeight=Height , Height=1 , IsCollapsed=-1" + where +
              " AND IsCollapsed=0 AND IsReturnStrip=0");
}

void StripCommands::MarkDownloadUnitsNotCompiled(long funcID) {
  mDb.Execute("UPDATE DownloadDLUs SET IsCompiled=0 WHERE Guid IN (SELECT Guid FROM LdrFunctions WHERE FuncID=" +
              Num(funcID) + " UNION SELECT DataGuid FROM LdrFunctions WHERE FuncID=" + Num(funcID) + ")");
}

void StripCommands::UnselectAllStrips() { mDb.Execute("UPDATE LdrStrips SET IsSelected=0 WHERE IsSelected<>0"); }

void StripCommands::UnselectStripsOutside(long funcID) {
  mDb.Execute("UPDATE LdrStrips SET IsSelected=0 WHERE FuncID<>" + Num(funcID) + " AND IsSelected<>0");
}

std::optional<std::pair<long, long>> StripCommands::ExtendSelectionTo(long funcID, long seqNum) {
  auto range =
      mDb.Query("SELECT MIN(SeqNum) AS MinSeqNum,MAX(SeqNum) AS MaxSeqNum FROM LdrStrips WHERE FuncID=" + Num(funcID) +
                " AND IsSelected=-1");
  if (range.IsEOF() || range.Field("MinSeqNum").IsNull()) return std::nullopt;
  const long minSeqNum = range.Field("MinSeqNum").AsLong();
  const long maxSeqNum = range.Field("MaxSeqNum").AsLong();
  const std::pair<long, long> selected =
      minSeqNum >= seqNum ? std::pair(seqNum, maxSeqNum) : std::pair(minSeqNum, seqNum);
  mDb.Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=" + Num(funcID) + " AND SeqNum BETWEEN " +
              Num(selected.first) + " AND " + Num(selected.second));
  return selected;
}

long StripCommands::SelectedStripCount(long funcID) {
  return mDb.QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND IsSelected<>0").AsLong();
}

int StripCommands::MarkNetsUsingOperandDirty(long opType, long opAddress, long networkID) {
  return mDb.Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID IN (SELECT LdrElements.StripID FROM "
                     "LdrElements INNER JOIN LdrElmsOprs ON LdrElements.ElmntID=LdrElmsOprs.ElmntID WHERE "
                     "LdrElmsOprs.Elmnt_Oprnd_Type=" +
                     Num(opType) + " AND LdrElmsOprs.Elmnt_Oprnd_Adrs=" + Num(opAddress) +
                     " AND LdrElmsOprs.Elmnt_Oprnd_NetworkID=" + Num(networkID) + ")");
}

} // namespace ldr
