#include "compiler/LadderValidation.h"

#include "outside/utilities/DownloadUnitSwitch.h"

namespace ldr {

namespace {

// The element IDs of a subroutine's jump-to-label elements in compiled nets
// whose label is not a label strip of the same subroutine. `funcID` is a
// parameter name or a number written in.
std::string JumpsWithoutLabel(const std::string& func1, const std::string& func2) {
  return "SELECT ElmntID FROM LdrElmsOprs WHERE Elmnt_Oprnd_NetworkID=0 AND Elmnt_Oprnd_Type=29 AND ElmntID IN "
         "(SELECT ElmntID FROM LdrElements WHERE ElmntType=600 AND StripID IN (SELECT StripID FROM LdrStrips WHERE "
         "StrpType=1 AND IsCompilable<>2 AND FuncID=" +
         func1 + ")) AND Elmnt_Oprnd_Adrs NOT IN (SELECT StripID FROM LdrStrips WHERE StrpType=3 AND FuncID=" + func2 +
         ")";
}

// The element IDs of a subroutine's calls of itself in compiled nets.
std::string CallsOfItself(const std::string& func1, const std::string& func2) {
  return "SELECT ElmntID FROM LdrElmsOprs WHERE Elmnt_Oprnd_NetworkID=0 AND Elmnt_Oprnd_Type=31 AND ElmntID IN "
         "(SELECT ElmntID FROM LdrElements WHERE ElmntType=601 AND StripID IN (SELECT StripID FROM LdrStrips WHERE "
         "StrpType=1 AND IsCompilable<>2 AND FuncID=" +
         func1 + ")) AND Elmnt_Oprnd_Adrs=" + func2;
}

std::string CountOf(const std::string& elementSelection) {
  // COUNT over the selection's own rows: "SELECT COUNT(ElmntID) AS ElmsCnt FROM ..." with the same filter.
  return "SELECT COUNT(ElmntID) AS ElmsCnt" + elementSelection.substr(std::string("SELECT ElmntID").size());
}

const char* const kDuplicateLabels =
    "SELECT LdrStrips.LblName, Count(LdrStrips.LblName) AS CountOfLblName FROM LdrStrips WHERE (((LdrStrips.FuncID) "
    "= :FuncID1) And ((LdrStrips.StrpType) = 3)) GROUP BY LdrStrips.LblName HAVING (((Count(LdrStrips.LblName))>1))";

const char* const kStripCount = "SELECT COUNT(*) AS CntStrips FROM LdrStrips WHERE IsCompilable<>2 AND FuncID=:FuncID1";

// Function blocks that need the communication initialisation.
const char* const kComInitFamilies = "(1601,1602,1701,1401)";
const char* const kETHComInitFamilies = "(1603)";

std::string ElementsNeedingInit(const char* families) {
  return std::string("SELECT LdrStrips.FuncID, LdrStrips.ShowNum FROM LdrStrips INNER JOIN LdrElements ON "
                     "LdrStrips.StripID = LdrElements.StripID WHERE (LdrElements.ElmntType/100) IN ") +
         families + " AND IsCompilable<>2";
}

const char* const kNewerMethodsJoin =
    "(LdrElements INNER JOIN FB_Methods ON LdrElements.ElmntType = FB_Methods.MethodID) INNER JOIN FB_Fathers ON "
    "((FB_Methods.MethodID/100)*100) = FB_Fathers.FatherID";

} // namespace

LadderValidation::LadderValidation(std::shared_ptr<db::Connection> connection, DownloadUnitSwitch& downloadUnits)
    : mDb(std::move(connection)), mDownloadUnits(downloadUnits),
      mJumpTargetCommand(mDb->Prepare(CountOf(JumpsWithoutLabel(":FuncID1", ":FuncID2")))),
      mCallSelfCommand(mDb->Prepare(CountOf(CallsOfItself(":FuncID1", ":FuncID2")))),
      mDuplicateLabelCommand(mDb->Prepare(kDuplicateLabels)), mStripCountCommand(mDb->Prepare(kStripCount)) {}

long LadderValidation::CountWith(db::Statement& command, long funcID) {
  command.Reset();
  command.ClearBindings();
  const db::DbValue id(funcID);
  command.Bind(":FuncID1", id);
  if (command.Sql().find(":FuncID2") != std::string::npos) command.Bind(":FuncID2", id);
  const long count = command.Step() ? static_cast<long>(command.Column(0).AsInt64()) : 0;
  command.Reset();
  return count;
}

bool LadderValidation::IsIllegalNumberOfSubroutines() {
  const long count = mDb->QueryValue("SELECT COUNT(*) AS CntSubs FROM LdrFunctions").AsLong();
  return count > (mDownloadUnits.IsOn() ? kMaxSubroutinesWithUnits : kMaxSubroutines);
}

bool LadderValidation::IsIllegalNumberOfStrips(long funcID) {
  return CountWith(mStripCountCommand, funcID) >= kStripsLimit;
}

bool LadderValidation::IsIllegalCallSub(long funcID) { return CountWith(mCallSelfCommand, funcID) != 0; }

bool LadderValidation::IsIllegalJump(long funcID) { return CountWith(mJumpTargetCommand, funcID) != 0; }

void LadderValidation::FirstNetOf(const std::string& elementSelection, long& stripID, long& showNum) {
  db::ForwardRecordset rs(mDb->Prepare("SELECT LdrStrips.StripID,LdrStrips.ShowNum FROM LdrElements INNER JOIN "
                                       "LdrStrips ON LdrElements.StripID=LdrStrips.StripID WHERE ElmntID IN (" +
                                       elementSelection + ")"));
  if (rs.IsEOF()) return;
  stripID = rs.Field("StripID").AsLong();
  showNum = rs.Field("ShowNum").AsLong();
}

void LadderValidation::GetFirstIllegalNetWithCallSub(long funcID, long& stripID, long& showNum) {
  const std::string id = std::to_string(funcID);
  FirstNetOf(CallsOfItself(id, id), stripID, showNum);
}

void LadderValidation::GetFirstIllegalNetWithNoJumpDestination(long funcID, long& stripID, long& showNum) {
  const std::string id = std::to_string(funcID);
  FirstNetOf(JumpsWithoutLabel(id, id), stripID, showNum);
}

bool LadderValidation::IsDuplicateLabels(long funcID) {
  db::Statement& command = mDuplicateLabelCommand;
  command.Reset();
  command.ClearBindings();
  command.Bind(":FuncID1", db::DbValue(funcID));
  const bool found = command.Step() && command.Column(1).AsInt64() != 0;
  command.Reset();
  return found;
}

void LadderValidation::GetFirstDuplicateLabel(long funcID, long& seqNum, std::string& lblName) {
  auto rs = mDb->Query("SELECT LdrStrips.LblName, Count(LdrStrips.LblName) AS CountOfLblName, "
                       "Min(LdrStrips.SeqNum) AS MinOfSeqNum FROM LdrStrips WHERE (((LdrStrips.FuncID) = " +
                       std::to_string(funcID) +
                       ") And ((LdrStrips.StrpType) = 3)) GROUP BY LdrStrips.LblName HAVING "
                       "(((Count(LdrStrips.LblName))>1))");
  if (rs.IsEOF()) return;
  seqNum = rs.Field("MinOfSeqNum").AsLong();
  lblName = rs.Field("LblName").AsText();
}

void LadderValidation::GetFirstNetAfterStrip(long funcID, long seqNum, long& nextID, long& nextShowNum) {
  auto rs = mDb->Query("SELECT LdrStrips.StripID, LdrStrips.ShowNum FROM LdrStrips WHERE ((LdrStrips.FuncID=" +
                       std::to_string(funcID) + ") AND (LdrStrips.StrpType=1) AND (LdrStrips.SeqNum>" +
                       std::to_string(seqNum) + ")) AND IsCompilable<>2 ORDER BY LdrStrips.SeqNum");
  if (rs.IsEOF()) return;
  nextID = rs.Field("StripID").AsLong();
  nextShowNum = rs.Field("ShowNum").AsLong();
}

bool LadderValidation::IsIllegalCallSubInLadder() {
  return mDb->QueryValue("SELECT COUNT(ElmntID) AS ElmsCnt FROM LdrElmsOprs WHERE Elmnt_Oprnd_NetworkID=0 AND "
                         "Elmnt_Oprnd_Type=31 AND Elmnt_Oprnd_Adrs NOT IN (SELECT FuncID FROM LdrFunctions)")
             .AsInt64() != 0;
}

bool LadderValidation::IsIllegalLoadPageInLadder() {
  return mDb->QueryValue("SELECT COUNT(ElmntID) AS ElmsCnt FROM LdrElmsOprs WHERE Elmnt_Oprnd_NetworkID=0 AND "
                         "Elmnt_Oprnd_Type=30 AND Elmnt_Oprnd_Adrs NOT IN (SELECT Id FROM Pages)")
             .AsInt64() != 0;
}

bool LadderValidation::DoesFunctionIDValid(long funcID) {
  return mDb->QueryValue("SELECT COUNT(*) AS CntRes FROM LdrFunctions WHERE FuncID=" + std::to_string(funcID))
             .AsInt64() > 0;
}

bool LadderValidation::DoesPageIDValid(long pageID) {
  return mDb->QueryValue("SELECT COUNT(*) AS CntRes FROM Pages WHERE Id=" + std::to_string(pageID)).AsInt64() > 0;
}

bool LadderValidation::IsMissingComInit() {
  return db::ForwardRecordset(mDb->Prepare("SELECT ElmntType FROM LdrElements WHERE ElmntType=1400")).IsEOF();
}

bool LadderValidation::IsMissingETHComInit() {
  return db::ForwardRecordset(mDb->Prepare("SELECT ElmntType FROM LdrElements WHERE ElmntType=1405")).IsEOF();
}

CompileRecordset LadderValidation::GetMissingComInitFBs() {
  return CompileRecordset(db::ForwardRecordset(mDb->Prepare(ElementsNeedingInit(kComInitFamilies))));
}

CompileRecordset LadderValidation::GetMissingETHComInitFBs() {
  return CompileRecordset(db::ForwardRecordset(mDb->Prepare(ElementsNeedingInit(kETHComInitFamilies))));
}

bool LadderValidation::IsExistFbChildsWithNewerHexVer() {
  return !db::ForwardRecordset(mDb->Prepare(std::string("SELECT FB_Methods.HexFileVersion FROM ") + kNewerMethodsJoin +
                                            " WHERE (((FB_Methods.HexFileVersion)>FB_Fathers.HexFileVersion))"))
              .IsEOF();
}

CompileRecordset LadderValidation::GetFbChildsWithNewerHexVer() {
  return CompileRecordset(db::ForwardRecordset(mDb->Prepare(
      std::string("SELECT LdrFunctions.FuncID, LdrStrips.ShowNum FROM LdrFunctions INNER JOIN (LdrStrips INNER JOIN "
                  "(") +
      kNewerMethodsJoin +
      ") ON LdrStrips.StripID = LdrElements.StripID) ON LdrFunctions.FuncID = LdrStrips.FuncID WHERE "
      "(((FB_Methods.HexFileVersion)>FB_Fathers.HexFileVersion)) AND IsCompilable<>2")));
}

bool LadderValidation::IsFBsRenumberingNeeded() {
  return mDb->QueryValue("SELECT MAX(MoreParamsLng) AS MaxInstanceNum FROM LdrElements WHERE (ElmntType >= 100000) "
                         "AND (ElmntType <= 999999)")
             .AsInt64() > kMaxInstanceNumber;
}

long LadderValidation::GetNumberOfNetsInProject() {
  return mDb->QueryValue("SELECT COUNT(*) AS NumberOfNets FROM LdrStrips WHERE StrpType=1 AND IsCompilable<>2")
      .AsLong();
}

} // namespace ldr
