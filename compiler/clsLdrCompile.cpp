#include "compiler/clsLdrCompile.h"

#include "compiler/CompileQueries.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "elements/ElementFamilies.h"
#include "interfaces/itfLdrElement.h"
#include "outside/HostServices.h"
#include "platform/database/Transaction.h"
#include "strips/NetStore.h"
#include "strips/clsLdrNet.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ldr {

namespace {

constexpr const char* kClass = "clsLdrCompile";

std::string Id(long value) { return std::to_string(value); }

std::string ProgramFolder() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.parent_path().string();
}

// Nets whose elements use an operand of the operand list matching `filter`.
std::string MarkNetsUsingOperands(const std::string& filter) {
  return "UPDATE LdrStrips SET CompileDirtyBit = -1 WHERE StripID IN (SELECT LdrElements.StripID FROM (LdrElements "
         "INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID) INNER JOIN LdrOperands ON "
         "(LdrElmsOprs.Elmnt_Oprnd_NetworkId = LdrOperands.NetworkID) AND (LdrElmsOprs.Elmnt_Oprnd_Adrs = "
         "LdrOperands.OprndAddress) AND (LdrElmsOprs.Elmnt_Oprnd_Type = LdrOperands.OprndType) WHERE " +
         filter + ")";
}

const char* const kNetworkIDs = "SELECT DISTINCT NetworkID FROM LdrOperands WHERE (NetworkID>0) ORDER BY NetworkID";

db::DbValue Bytes(const ByteArray& bytes) { return db::DbValue(db::Blob(bytes)); }

} // namespace

// --- creation and end ----------------------------------------------------------------

clsLdrCompile::clsLdrCompile(LdrContext& shared) : mCtx(&shared), mComponentFolder(ProgramFolder()) {
  TakeSharedConnection();
}

clsLdrCompile::clsLdrCompile(std::shared_ptr<HostServices> host)
    : mOwnContext(std::make_unique<LdrContext>()), mCtx(mOwnContext.get()), mComponentFolder(ProgramFolder()) {
  mCtx->SetHost(host);
  TakeSharedConnection();
}

void clsLdrCompile::TakeSharedConnection() {
  if (!mCtx->Connection) {
    if (mCtx->Host->Connections) mCtx->Connection = mCtx->Host->Connections->Connection();
    if (!mCtx->Connection) throw LdrError(0, "NoConnection", "the host has no open project", kClass, "Create");
    mOwnsConnection = true;
  }
  mChecks = std::make_unique<LadderValidation>(mCtx->Connection, *mCtx->Host->DownloadUnits);
}

clsLdrCompile::~clsLdrCompile() {
  mChecks.reset();
  if (mOwnsConnection) mCtx->Connection.reset();
}

std::shared_ptr<db::Connection> clsLdrCompile::GetDatabaseConnection() { return mCtx->Connection; }

bool clsLdrCompile::DownloadUnitsOn() const { return mCtx->Host->DownloadUnits->IsOn(); }

// --- recordsets -------------------------------------------------------------------------

RecordsetPtr clsLdrCompile::StaticRecordset(const std::string& sql) {
  return std::make_unique<CompileRecordset>(Db().Query(sql));
}

RecordsetPtr clsLdrCompile::ForwardRecordset(const std::string& sql) {
  return std::make_unique<CompileRecordset>(Db().QueryForward(sql));
}

RecordsetPtr clsLdrCompile::GetRecordsetForBuildingJumpDest() {
  return StaticRecordset(CompileQueries::kJumpDestinations);
}

RecordsetPtr clsLdrCompile::GetRecordsetForBuildingJumpToPageDest() {
  return StaticRecordset(CompileQueries::kPageDestinations);
}

RecordsetPtr clsLdrCompile::GetRecordsetOfPowerupOperands() {
  return ForwardRecordset(CompileQueries::kPowerupOperands);
}

RecordsetPtr clsLdrCompile::GetRecordsetOfNetsWithConfigFBs() {
  return ForwardRecordset(CompileQueries::kNetsWithConfigFBs);
}

RecordsetPtr clsLdrCompile::GetRecordsetOfAllNetsWithJumps() {
  return ForwardRecordset(CompileQueries::kNetsWithJumps);
}

RecordsetPtr clsLdrCompile::GetRecordsetOfSelectedNetsForCompile() {
  return ForwardRecordset(CompileQueries::kSelectedNets);
}

RecordsetPtr clsLdrCompile::GetNetsHeadsRecordsetForCall() { return StaticRecordset(CompileQueries::kNetsHeads); }

RecordsetPtr clsLdrCompile::GetRecordsetForCompile() { return StaticRecordset(CompileQueries::kNetsForCompile); }

RecordsetPtr clsLdrCompile::GetRecordsetForDownload(bool partialDownload) {
  return StaticRecordset(partialDownload ? CompileQueries::kPartialDownload : CompileQueries::kFullDownload);
}

RecordsetPtr clsLdrCompile::GetRecordsetOfAllNetsWithRiseFallElements() {
  return std::make_unique<CompileRecordset>(
      db::KeysetRecordset::Open(mCtx->Connection, CompileQueries::kNetsWithRiseFall,
                                CompileQueries::kNetsWithRiseFallKey, CompileQueries::kStripByID));
}

RecordsetPtr clsLdrCompile::GetFunctionsRecordsetForCheckingConflicts() {
  return ForwardRecordset(CompileQueries::kFunctionsForConflicts);
}

// --- elements of a net ----------------------------------------------------------------

std::shared_ptr<ElementCollection> clsLdrCompile::GetElementsCollection(long ldrNetID) {
  const long stored = Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE StripID=" + Id(ldrNetID)).AsLong();
  clsLdrNet net(*mCtx);
  auto elements = net.GetElementsCollectionForCompiler(static_cast<std::int32_t>(ldrNetID));
  // A net compiled without some of its elements would be wrong code.
  if (static_cast<long>(elements->Count()) != stored)
    throw LdrError(0, "ElementsNotLoaded",
                   "net " + Id(ldrNetID) + " holds " + Id(stored) + " elements, of which only " +
                       Id(static_cast<long>(elements->Count())) + " could be built",
                   kClass, "GetElementsCollection");
  return elements;
}

void clsLdrCompile::UpdateLinesInNet(long ldrNetID, const ElementCollection& linesCollection) {
  for (const auto& [key, line] : linesCollection) {
    const long type = line->ClassType();
    if (type != eET_HorzLine && type != eET_VertLine)
      throw LdrError(0, "NotALine", "only line pieces can replace the lines of a net (type " + Id(type) + ")", kClass,
                     "UpdateLinesInNet");
  }
  db::Transaction transaction(Db());
  Db().Execute("DELETE FROM LdrElements WHERE StripID=" + Id(ldrNetID) + " AND (ElmntType=100 OR ElmntType=101)");
  for (const auto& [key, line] : linesCollection) {
    Db().AddRow("LdrElements", {{"StripID", db::DbValue(ldrNetID)},
                                {"ElmntType", db::DbValue(static_cast<long>(line->ClassType()))},
                                {"LineFlowDirection", db::DbValue(static_cast<long>(line->FlowDirection()))},
                                {"Xs", db::DbValue(static_cast<long>(line->Inlet().X))},
                                {"Ys", db::DbValue(static_cast<long>(line->Inlet().Y))},
                                {"Dx", db::DbValue(static_cast<long>(line->Delta().X))},
                                {"Dy", db::DbValue(static_cast<long>(line->Delta().Y))},
                                {"IsMissing", db::DbValue(0)}});
  }
  transaction.Commit();
}

// --- storing results --------------------------------------------------------------------

void clsLdrCompile::SetStlViewInfo(long ldrNetID, const ByteArray& stlViewInfo) {
  db::Transaction transaction(Db());
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=?, StlViewInfo=? WHERE StripID=" + Id(ldrNetID),
               {db::DbValue(-1), Bytes(stlViewInfo)});
  transaction.Commit();
}

void clsLdrCompile::SetTokensInfo(long ldrNetID, const ByteArray& tokensInfo) {
  db::Transaction transaction(Db());
  Db().Execute("UPDATE LdrStrips SET TokensInfo=? WHERE StripID=" + Id(ldrNetID), {Bytes(tokensInfo)});
  transaction.Commit();
}

void clsLdrCompile::ResetDownloadUnitsOfDirtyNet(long stripID) {
  auto rs = Db().Query("SELECT FuncID, CompileDirtyBit FROM LdrStrips WHERE StripID=" + Id(stripID));
  if (rs.IsEOF() || rs.Field("CompileDirtyBit").AsLong() != -1) return;
  NetStore(Db()).MarkFunctionNotCompiled(rs.Field("FuncID").AsLong());
}

void clsLdrCompile::SetCompilerInfo(long ldrNetID, const ByteArray& junctionsInfo, const ByteArray& problemsInfo,
                                    const ByteArray& stlViewInfo, const ByteArray& tokensInfo,
                                    const ByteArray& jumpsInfo, long tokensAmount, VbBool needToCompile,
                                    enCompilerInfoType problemsType, const ByteArray& riseFallInfo,
                                    const ByteArray& riseFallElementInfo) {
  // Results for a net deleted since the compiler read it have nowhere to go;
  // the compiler is told rather than left believing they were kept.
  if (Db().QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE StripID=" + Id(ldrNetID)).AsLong() == 0)
    throw LdrError(0, "NetNotFound", "net " + Id(ldrNetID) + " no longer exists; its compiler results are not stored",
                   kClass, "SetCompilerInfo");
  db::Transaction transaction(Db());
  if (DownloadUnitsOn()) ResetDownloadUnitsOfDirtyNet(ldrNetID);
  db::Statement command = mCtx->Host->Commands->StripUpdateCommand();
  command.Bind(":JunctionsInfo", Bytes(junctionsInfo));
  command.Bind(":ProblemsInfo", Bytes(problemsInfo));
  command.Bind(":StlViewInfo", Bytes(stlViewInfo));
  command.Bind(":TokensInfo", Bytes(tokensInfo));
  command.Bind(":JumpsInfo", Bytes(jumpsInfo));
  command.Bind(":TokensAmount", db::DbValue(tokensAmount));
  command.Bind(":CompileDirtyBit", db::DbValue(needToCompile != 0 ? -1L : 0L));
  command.Bind(":ProblemsType", db::DbValue(static_cast<long>(problemsType)));
  command.Bind(":RiseFallInfo", Bytes(riseFallInfo));
  if (mCtx->Host->Commands->StripUpdateHasRiseFallElementInfo())
    command.Bind(":RiseFallElementInfo", Bytes(riseFallElementInfo));
  command.Bind(":StripID", db::DbValue(ldrNetID));
  command.Execute();
  transaction.Commit();
}

// --- dirty bits -------------------------------------------------------------------------

void clsLdrCompile::SetNeedToCompileForNetworkNets() {
  db::Transaction transaction(Db());
  Db().Execute(MarkNetsUsingOperands("((LdrOperands.NetworkID)>0)"));
  transaction.Commit();
}

void clsLdrCompile::SetNeedToCompileForNetsWithNamedConsts() {
  db::Transaction transaction(Db());
  Db().Execute(MarkNetsUsingOperands("((LdrOperands.OprndType) IN (34,35))"));
  transaction.Commit();
}

void clsLdrCompile::SetNeedToCompileForNetsWithLineElements() {
  db::Transaction transaction(Db());
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit = -1 WHERE StripID IN (SELECT LdrElements.StripID FROM "
               "LdrElements WHERE ((LdrElements.ElmntType) IN (100,101)))");
  transaction.Commit();
}

void clsLdrCompile::SetCompileDirtyBitForBuildAll() {
  db::Transaction transaction(Db());
  MarkAllNetsDirty(Db());
  transaction.Commit();
}

void clsLdrCompile::SetFunctionDirtyBit(long funcID) {
  if (!DownloadUnitsOn()) return;
  db::Transaction transaction(Db());
  NetStore(Db()).MarkFunctionNotCompiled(static_cast<std::int32_t>(funcID));
  transaction.Commit();
}

void clsLdrCompile::SetFunctionDirtyBitForAll(bool status) {
  if (!DownloadUnitsOn()) return;
  db::Transaction transaction(Db());
  Db().Execute(std::string("UPDATE DownloadDLUs SET IsCompiled=") + (status ? "-1" : "0") +
               " WHERE Guid IN (SELECT Guid FROM LdrFunctions UNION SELECT DataGuid FROM LdrFunctions)");
  transaction.Commit();
}

// --- download units ---------------------------------------------------------------------

long clsLdrCompile::GetFunctionGuid(long funcID) {
  auto rs = Db().Query("SELECT Guid FROM LdrFunctions WHERE (FuncID=" + Id(funcID) + ")");
  if (rs.RecordCount() != 1 || rs.Field("Guid").IsNull()) return -1;
  return rs.Field("Guid").AsLong();
}

long clsLdrCompile::GetFunctionDataGuid(long funcID) {
  auto rs = Db().Query("SELECT DataGuid FROM LdrFunctions WHERE (FuncID=" + Id(funcID) + ")");
  if (rs.RecordCount() != 1 || rs.Field("DataGuid").IsNull()) return -1;
  return rs.Field("DataGuid").AsLong();
}

void clsLdrCompile::SetFunctionDataGuid(long guid, long dataGuid) {
  db::Transaction transaction(Db());
  Db().Execute("UPDATE LdrFunctions SET DataGuid=" + Id(dataGuid) + " WHERE (Guid=" + Id(guid) + ")");
  transaction.Commit();
}

// --- names and IDs ------------------------------------------------------------------------

long clsLdrCompile::GetFunctionsIDs(std::vector<long>& longArray) {
  auto rs = Db().Query("SELECT FuncID FROM LdrFunctions");
  longArray.clear();
  for (; !rs.IsEOF(); rs.MoveNext()) longArray.push_back(rs.Field(0).AsLong());
  return static_cast<long>(longArray.size());
}

enElementFamilyType clsLdrCompile::GetFamilyType(long elementType) {
  return ldr::GetFamilyType(static_cast<std::int32_t>(elementType));
}

std::string clsLdrCompile::GetModuleName(long mdlID) { return ldr::GetModuleName(Db(), mdlID); }

std::string clsLdrCompile::GetFunctionName(long funcID) { return ldr::GetFunctionName(Db(), funcID); }

long clsLdrCompile::GetModuleID(long funcID) { return GetModuleIDOfFunction(Db(), funcID); }

std::string clsLdrCompile::GetFunctionBlockTitle(long typeID) { return ldr::GetFunctionBlockTitle(Db(), typeID); }

void clsLdrCompile::RenumberAllLdrNetsShowNumberField() {
  db::Transaction transaction(Db());
  auto functions = Db().Query(CompileQueries::kFunctionsForConflicts);
  for (; !functions.IsEOF(); functions.MoveNext()) RenumberStrips(Db(), functions.Field("FuncID").AsLong());
  transaction.Commit();
}

// --- network IDs --------------------------------------------------------------------------

std::string clsLdrCompile::NetworkListPath() const {
  return (std::filesystem::path(mComponentFolder) / kNetworkListFile).string();
}

ByteArray clsLdrCompile::ReadNetworkList(const std::string& path) {
  ByteArray ids(kMaxNetworkIDs, kUnusedNetworkID);
  std::ifstream in(path);
  std::string line, item;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream items(line);
  for (int i = 0; i < kMaxNetworkIDs && std::getline(items, item, ';'); ++i) {
    size_t used = 0;
    int value = -1;
    try {
      value = std::stoi(item, &used);
    } catch (...) {
      used = 0;
    }
    if (used == 0 || value < 0 || value > 255)
      throw LdrError(0, "BadNetworkList", std::string(kNetworkListFile) + ": \"" + item + "\" is not a network ID",
                     kClass, "GetNetworkIDsBytesArray");
    ids[static_cast<size_t>(i)] = static_cast<std::uint8_t>(value);
  }
  return ids;
}

ByteArray clsLdrCompile::GetNetworkIDsBytesArray() {
  std::error_code error;
  if (std::filesystem::exists(NetworkListPath(), error)) return ReadNetworkList(NetworkListPath());
  ByteArray ids(kMaxNetworkIDs, kUnusedNetworkID);
  auto rs = Db().QueryForward(kNetworkIDs);
  for (int i = 0; i < kMaxNetworkIDs && !rs.IsEOF(); ++i, rs.MoveNext())
    ids[static_cast<size_t>(i)] = static_cast<std::uint8_t>(rs.Field(0).AsInt64());
  return ids;
}

VbBool clsLdrCompile::IsNetworkIDsVaild() {
  std::error_code error;
  if (std::filesystem::exists(NetworkListPath(), error)) return -1;
  return Db().Query(kNetworkIDs).RecordCount() <= kMaxNetworkIDs ? -1 : 0;
}

// --- validation -------------------------------------------------------------------------

namespace {
VbBool Vb(bool value) { return value ? -1 : 0; }
} // namespace

VbBool clsLdrCompile::IsIllegalCallSubInSubroutine(long funcID) { return Vb(mChecks->IsIllegalCallSub(funcID)); }

VbBool clsLdrCompile::IsIllegalJumpInSubroutine(long funcID) { return Vb(mChecks->IsIllegalJump(funcID)); }

void clsLdrCompile::GetFirstIllegalNetWithNoJumpDestination(long funcID, long& stripID, long& showNum) {
  mChecks->GetFirstIllegalNetWithNoJumpDestination(funcID, stripID, showNum);
}

void clsLdrCompile::GetFirstIllegalNetWithCallSubInSubroutine(long funcID, long& stripID, long& showNum) {
  mChecks->GetFirstIllegalNetWithCallSub(funcID, stripID, showNum);
}

VbBool clsLdrCompile::IsDuplicateLabelsInSubroutine(long funcID) { return Vb(mChecks->IsDuplicateLabels(funcID)); }

void clsLdrCompile::GetFirstDuplicateLabelInSubroutine(long funcID, long& seqNum, std::string& lblName) {
  mChecks->GetFirstDuplicateLabel(funcID, seqNum, lblName);
}

void clsLdrCompile::GetFirstNetAfterStrip(long funcID, long seqNum, long& nextID, long& nextShowNum) {
  mChecks->GetFirstNetAfterStrip(funcID, seqNum, nextID, nextShowNum);
}

VbBool clsLdrCompile::IsIllegalNumberOfSubroutinesInLadder() { return Vb(mChecks->IsIllegalNumberOfSubroutines()); }

VbBool clsLdrCompile::IsIllegalNumberOfStripsInSubroutine(long funcID) {
  return Vb(mChecks->IsIllegalNumberOfStrips(funcID));
}

VbBool clsLdrCompile::IsIllegalCallSubInLadder() { return Vb(mChecks->IsIllegalCallSubInLadder()); }

VbBool clsLdrCompile::IsIllegalLoadPageInLadder() { return Vb(mChecks->IsIllegalLoadPageInLadder()); }

bool clsLdrCompile::DoesFunctionIDValid(long funcID) { return mChecks->DoesFunctionIDValid(funcID); }

bool clsLdrCompile::DoesPageIDValid(long pageID) { return mChecks->DoesPageIDValid(pageID); }

VbBool clsLdrCompile::IsMissingComInit() { return Vb(mChecks->IsMissingComInit()); }

VbBool clsLdrCompile::IsMissingETHComInit() { return Vb(mChecks->IsMissingETHComInit()); }

RecordsetPtr clsLdrCompile::GetMissingComInitFBsRecordSet() {
  return std::make_unique<CompileRecordset>(mChecks->GetMissingComInitFBs());
}

RecordsetPtr clsLdrCompile::GetMissingETHComInitFBsRecordSet() {
  return std::make_unique<CompileRecordset>(mChecks->GetMissingETHComInitFBs());
}

VbBool clsLdrCompile::IsExistFbChildsWithNewerHexVer() { return Vb(mChecks->IsExistFbChildsWithNewerHexVer()); }

RecordsetPtr clsLdrCompile::GetFbChildsWithNewerHexVerRecordSet() {
  return std::make_unique<CompileRecordset>(mChecks->GetFbChildsWithNewerHexVer());
}

VbBool clsLdrCompile::IsFBsRenumberingNeeded() { return Vb(mChecks->IsFBsRenumberingNeeded()); }

long clsLdrCompile::GetNumberOfNetsInProject() { return mChecks->GetNumberOfNetsInProject(); }

// --- retired operations ---------------------------------------------------------------------

void clsLdrCompile::ShowRetired(const std::string& text) { mCtx->Host->Messages->ShowMessageBox(text); }

bool clsLdrCompile::IsNewCompiledData(long) { return false; }

VbBool clsLdrCompile::IsIllegalNumberOfPIDElementsInLadder() {
  ShowRetired("do not use IsIllegalNumberOfPIDElementsInLadder");
  return 0;
}

VbBool clsLdrCompile::IsIllegalNumberOfRiseFallElementsInLadder() {
  ShowRetired("do not use prvIsIllegalNumberOfRiseFallElementsInLadder");
  return 0;
}

VbBool clsLdrCompile::IsIllegalNumberOfJumpCallElementsInLadder() { return 0; }

RecordsetPtr clsLdrCompile::GetRecordsetForMissingDBElements() {
  ShowRetired("do not use - GetRecordsetForMissingDBElements");
  return nullptr;
}

RecordsetPtr clsLdrCompile::GetRecordsetForDBElements(long) {
  ShowRetired("do not use - GetRecordsetForDBElements");
  return nullptr;
}

} // namespace ldr
