#include "exchange/clsExportImport.h"

#include "core/ProjectData.h"
#include "core/ProjectSchema.h"
#include "exchange/ExportFileReader.h"
#include "outside/HostServices.h"
#include "outside/utilities/TextLimits.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace ldr {

namespace {

constexpr const char* kPrefix = clsBufferServices::kExportPrefix;
constexpr long kMissing = clsBufferServices::kMissingAddress;
constexpr long kCall = clsBufferServices::kSubroutineOperand;
constexpr long kPageLoad = clsBufferServices::kPageOperand;
constexpr int kGuiNotice = 8;
constexpr int kExportSteps = 4, kImportSteps = 6;
constexpr const char* kExportVersionFailed = "Error: Failed to convert exported function to the correct version";
constexpr const char* kImportVersionFailed = "Error: Failed to convert imported function to the correct version";
constexpr const char* kRetired = "ExportMultiSubroutines --> ExportMultiSubroutinesEx";

std::string Num(long long value) { return std::to_string(value); }
std::string B(const char* table) { return std::string(kPrefix) + table; }

std::string IdList(const std::vector<long>& ids) {
  std::string list;
  for (long id : ids) list += (list.empty() ? "" : ",") + Num(id);
  return list;
}

// A version step of the file's tables: from version `At` on, these columns
// exist; older files get them with 0.
struct UpgradeStep {
  long At;
  const char* Table;
  std::vector<const char*> Columns;
};

const std::vector<UpgradeStep>& UpgradeSteps() {
  static const std::vector<UpgradeStep> steps = {
      {11, "LdrStrips", {"LdrBitsCount"}},
      {12, "LdrFunctions", {"Protected"}},
      {17, "LdrStrips", {"IsCollapsed", "OrgHeight"}},
  };
  return steps;
}

// The columns that mean something in one project only.
const std::vector<std::pair<const char*, const char*>>& ProjectOnlyColumns() {
  static const std::vector<std::pair<const char*, const char*>> columns = {
      {"FB_Instance_Details", "ConfigInstanceData"},
      {"FB_Instance_Details", "InstanceID"},
      {"LdrFunctions", "Guid"},
      {"LdrFunctions", "DataGuid"},
      {"LdrStrips", "RiseFallElementInfo"}};
  return columns;
}

const std::vector<const char*>& BufferTables() {
  static const std::vector<const char*> tables = {"LdrFunctions", "LdrStrips",  "LdrElements", "LdrElmsOprs",
                                                  "LdrOperands",  "FB_Methods", "FB_Fathers",  "FB_Instance_Details"};
  return tables;
}

bool HasColumn(db::Connection& db, const std::string& table, const std::string& column) {
  auto info = db.Query("PRAGMA table_info(" + table + ")");
  for (const auto& row : info.Rows())
    if (row[1].AsText() == column) return true;
  return false;
}

bool HasRow(db::Connection& db, const std::string& sql, const db::Params& params = {}) {
  return !db.QueryValue(sql + " LIMIT 1", params).IsNull();
}

} // namespace

clsExportImport::clsExportImport(LdrContext& ctx) : mCtx(ctx), mBuffers(ctx.Db()) {}

std::string clsExportImport::ProposedFileName(const std::string& name) {
  std::string proposed = name;
  for (char& c : proposed)
    if (std::string_view("/\\:*><\"|!").find(c) != std::string_view::npos) c = '_';
  return proposed;
}

void clsExportImport::ClearBufferData() { mBuffers.DeleteBufferTablesByPrefix(kPrefix); }

long clsExportImport::DatabaseVersion() const {
  const long version = mCtx.Host->Connections ? mCtx.Host->Connections->DatabaseVersion() : 0;
  return version > 0 ? version : ProjectSchema::kDatabaseVersion;
}

long clsExportImport::MaxNameLength() const { return mCtx.Host->Globals->MaxSubroutineNameLength(); }

bool clsExportImport::SwitchOn() const { return mCtx.Host->DownloadUnits && mCtx.Host->DownloadUnits->IsOn(); }

void clsExportImport::Step(int done, int total) {
  if (mProgress) mProgress(done, total);
}

clsExportImport::Outcome clsExportImport::Refuse(int message, const std::vector<std::string>& args) {
  mCtx.Host->Messages->ShowMessage(message, args);
  return mOutcome = Outcome::Refused;
}

clsExportImport::Outcome clsExportImport::BadFile(const std::string& path, const std::string& reason) {
  mCtx.Host->Messages->ShowMessageBox("The file '" + path + "' cannot be imported: " + reason +
                                      ". Nothing was imported.");
  return mOutcome = Outcome::BadFile;
}

// --- export -----------------------------------------------------------------------------

bool clsExportImport::Export(long funcID) { return ExportMultiSubroutinesEx({funcID}, ""); }

bool clsExportImport::ExportMultiSubroutinesEx(std::vector<long> functionIDs, const std::string& moduleName) {
  return ExportSubroutines(std::move(functionIDs), moduleName, nullptr) == Outcome::Done;
}

bool clsExportImport::ExportMultiSubroutines(std::vector<long>&) {
  mCtx.Host->Messages->ShowMessageBox(kRetired);
  mOutcome = Outcome::Nothing;
  return false;
}

clsExportImport::Outcome clsExportImport::ExportToFile(std::vector<long> functionIDs, const std::string& path) {
  return ExportSubroutines(std::move(functionIDs), "", &path);
}

clsExportImport::Outcome clsExportImport::ExportSubroutines(std::vector<long> functionIDs,
                                                            const std::string& proposedName, const std::string* path) {
  auto& db = mCtx.Db();
  mOutcome = Outcome::Nothing;
  std::set<long> seen;
  std::erase_if(functionIDs, [&](long id) { return !seen.insert(id).second || !FunctionExists(db, id); });
  if (functionIDs.empty() || !LeaveOutLibraryUsers(functionIDs)) return mOutcome;
  Step(0, kExportSteps);
  // The buffers are built and reworked here and thrown away once the file
  // is written: the project itself stays exactly as it was.
  db::Transaction work(db);
  ClearBufferData();
  BuildExportBuffers(functionIDs);
  Step(1, kExportSteps);
  if (const int refusal = RefusalOfExport()) return Refuse(refusal);
  CarryReferenceNames();
  mBuffers.HandleOrphandFBsChildsInBuffer(kPrefix);
  mBuffers.HandleOrphandJumpsInBuffer(kPrefix);
  try {
    if (SwitchOn()) DropProjectOnlyColumns();
    db.Execute("CREATE TABLE expimp_GeneralProps (ExportedDBVersion INTEGER)");
    db.Execute("INSERT INTO expimp_GeneralProps VALUES (?)", {DatabaseVersion()});
  } catch (const db::DbError&) {
    mCtx.Host->Messages->ShowMessageBox(kExportVersionFailed);
    return mOutcome = Outcome::Refused;
  }
  Step(2, kExportSteps);
  const auto file = path ? std::optional<std::string>(*path) : ChooseExportFile(functionIDs, proposedName);
  if (!file) return mOutcome = Outcome::Cancelled;
  if (file->find(". ") != std::string::npos) return Refuse(eHM_ExportFileName);
  std::error_code ignored;
  if (std::filesystem::equivalent(*file, db.Path(), ignored)) {
    mCtx.Host->Messages->ShowMessageBox("The export file cannot be the project file itself.");
    return mOutcome = Outcome::Refused;
  }
  WriteExportFile(*file);
  Step(kExportSteps, kExportSteps);
  work.Rollback();
  return mOutcome = Outcome::Done;
}

// Subroutines that hold the library element stay behind; the user is told
// which. False when none is left to export.
bool clsExportImport::LeaveOutLibraryUsers(std::vector<long>& functionIDs) {
  auto rows =
      mCtx.Db().Query("SELECT DISTINCT f.FuncID, f.FuncName FROM LdrFunctions f JOIN LdrStrips s ON "
                      "s.FuncID=f.FuncID JOIN LdrElements e ON e.StripID=s.StripID WHERE f.FuncID IN (" +
                      IdList(functionIDs) + ") AND e.ElmntType IN (" + Num(kLibraryElement) + ") ORDER BY f.FuncID");
  if (rows.IsEOF()) return true;
  std::string names;
  for (const auto& row : rows.Rows()) {
    names += (names.empty() ? "" : "\n") + std::string("       * ") + row[1].AsText();
    std::erase(functionIDs, row[0].AsLong());
  }
  mCtx.Host->Messages->ShowMessage(eHM_ExportLeftOut, {names});
  return !functionIDs.empty();
}

void clsExportImport::BuildExportBuffers(const std::vector<long>& functionIDs) {
  mCtx.Db().Execute("CREATE TABLE expimp_LdrFunctions AS SELECT * FROM LdrFunctions WHERE FuncID IN (" +
                    IdList(functionIDs) + ") ORDER BY FuncID");
  mBuffers.CreateBufferTable("LdrStrips", "LdrFunctions", "FuncID", kPrefix);
  mBuffers.CreateBufferTable("LdrElements", "LdrStrips", "StripID", kPrefix);
  mBuffers.CreateElementsDependentBufferTables(kPrefix);
}

int clsExportImport::RefusalOfExport() {
  if (mBuffers.DoesBufferContainesNamedConsts(kPrefix)) return eHM_ExportNamedConstants;
  if (mBuffers.DoesBufferContainesMissingCallElements(kPrefix)) return eHM_ExportMissingReference;
  if (mBuffers.DoesBufferContainesMissingFBs(kPrefix)) return eHM_ExportMissingBlock;
  if (mBuffers.DoesBufferContainesProtectedFunctions(kPrefix)) return eHM_ExportProtected;
  return 0;
}

// Every call and page load of the buffer carries its target's name in its
// operand row (made when the project had none), so that the receiving
// project can find the target by name.
void clsExportImport::CarryReferenceNames() {
  auto& db = mCtx.Db();
  const struct {
    long Type;
    const char *Targets, *Key, *Name;
  } kinds[] = {{kCall, "LdrFunctions", "FuncID", "FuncName"}, {kPageLoad, "Pages", "Id", "Description"}};
  for (const auto& kind : kinds) {
    const std::string type = Num(kind.Type);
    db.Execute("INSERT INTO expimp_LdrOperands (OprndType, OprndAddress, NetworkID) SELECT DISTINCT " + type +
               ", s.Elmnt_Oprnd_Adrs, IFNULL(s.Elmnt_Oprnd_NetworkID,0) FROM expimp_LdrElmsOprs s WHERE "
               "s.Elmnt_Oprnd_Type=" +
               type +
               " AND NOT EXISTS (SELECT 1 FROM expimp_LdrOperands o WHERE o.OprndType=s.Elmnt_Oprnd_Type AND "
               "o.OprndAddress=s.Elmnt_Oprnd_Adrs AND o.NetworkID=IFNULL(s.Elmnt_Oprnd_NetworkID,0))");
    db.Execute("UPDATE expimp_LdrOperands SET OprndDescription=(SELECT " + std::string(kind.Name) + " FROM " +
               kind.Targets + " t WHERE t." + kind.Key + "=expimp_LdrOperands.OprndAddress) WHERE OprndType=" + type +
               " AND OprndAddress IN (SELECT " + kind.Key + " FROM " + kind.Targets + ")");
  }
}

void clsExportImport::DropProjectOnlyColumns() {
  for (const auto& [table, column] : ProjectOnlyColumns())
    if (HasColumn(mCtx.Db(), B(table), column)) mBuffers.RemoveFieldFromTable(B(table), column);
}

std::optional<std::string> clsExportImport::ChooseExportFile(const std::vector<long>& functionIDs,
                                                             const std::string& proposedName) {
  const std::string name =
      proposedName.empty()
          ? mCtx.Db().QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=?", {functionIDs.front()}).AsText()
          : proposedName;
  auto chosen = mCtx.Host->Dialogs->AskFileName(FileDialog::Save, kExtension, ProposedFileName(name));
  if (chosen && !chosen->empty() && std::filesystem::path(*chosen).extension().empty())
    *chosen += std::string(".") + kExtension;
  if (chosen && chosen->empty()) return std::nullopt;
  return chosen;
}

void clsExportImport::WriteExportFile(const std::string& path) {
  clsBufferServices::CreateEmptyDB(path);
  mBuffers.CopyLocalBufferTablesToExternalDatabaseByPrefix(path, kPrefix);
}

// --- import -----------------------------------------------------------------------------

bool clsExportImport::Import(long mdlID) { return ImportSubroutines(mdlID, nullptr) == Outcome::Done; }

clsExportImport::Outcome clsExportImport::ImportFromFile(long mdlID, const std::string& path) {
  return ImportSubroutines(mdlID, &path);
}

clsExportImport::Outcome clsExportImport::ImportSubroutines(long mdlID, const std::string* path) {
  auto& db = mCtx.Db();
  mOutcome = Outcome::Nothing;
  mImportPairs.clear();
  mBlocksAppended = false;
  if (!HasRow(db, "SELECT 1 FROM LdrModules WHERE MdlID=?", {mdlID})) {
    mCtx.Host->Messages->ShowMessageBox("The module " + Num(mdlID) + " is not in the project: nothing was imported.");
    return mOutcome = Outcome::Refused;
  }
  const auto file =
      path ? std::optional<std::string>(*path) : mCtx.Host->Dialogs->AskFileName(FileDialog::Open, kExtension, "");
  if (!file || file->empty()) return mOutcome = Outcome::Cancelled;
  Step(0, kImportSteps);
  ExportFileReader reader(db, MaxNameLength());
  long version = 0;
  try {
    version = reader.ReadVersion(*file);
  } catch (const ExportFileError& e) {
    return BadFile(*file, e.what());
  }
  // A file of a version this one cannot read is never partly imported.
  if (version < kOldestReadableVersion || version > DatabaseVersion()) return Refuse(eHM_ImportVersion);
  db::Transaction work(db);
  ClearBufferData();
  try {
    reader.CopyIntoBuffers(*file);
  } catch (const ExportFileError& e) {
    work.Rollback();
    return BadFile(*file, e.what());
  }
  Step(1, kImportSteps);
  try {
    UpgradeBuffers(version);
  } catch (const db::DbError&) {
    work.Rollback();
    mCtx.Host->Messages->ShowMessageBox(kImportVersionFailed);
    return mOutcome = Outcome::BadFile;
  }
  if (const int refusal = RefusalOfImportContent()) {
    work.Rollback();
    return Refuse(refusal);
  }
  if (SwitchOn()) AddProjectOnlyColumns();
  CompleteColumns();
  Step(2, kImportSteps);
  mCtx.ActionName = kImportAction;
  db.Execute("UPDATE expimp_LdrFunctions SET MdlID=?", {mdlID});
  db.Execute("UPDATE expimp_LdrStrips SET IsLoaded=0, IsSelected=0");
  RenameDuplicateSubroutines();
  ResolveReferencesByName(kCall);
  ResolveReferencesByName(kPageLoad);
  mBuffers.HandleOrphandJumpsInBuffer(kPrefix);
  for (long type : {clsBufferServices::kLabelOperand, kPageLoad, kCall})
    mBuffers.UpdateMissingReferencDescription(type, kPrefix);
  Step(3, kImportSteps);
  AppendImportedRows();
  Step(5, kImportSteps);
  ClearBufferData();
  work.Commit();
  if (mBlocksAppended) mCtx.Host->Gui->RefreshBlockLibrary();
  mCtx.Host->Gui->RefreshMainWindow();
  Step(kImportSteps, kImportSteps);
  return mOutcome = Outcome::Done;
}

// From the file's version on, step by step up to this one.
void clsExportImport::UpgradeBuffers(long version) {
  auto& db = mCtx.Db();
  for (const auto& step : UpgradeSteps()) {
    if (version > step.At || step.At >= DatabaseVersion()) continue;
    std::string assignments;
    for (const char* column : step.Columns) {
      if (!HasColumn(db, B(step.Table), column)) mBuffers.AddFieldToTable(B(step.Table), column, "INTEGER");
      assignments += (assignments.empty() ? "" : ", ") + std::string(column) + "=0";
    }
    db.Execute("UPDATE " + B(step.Table) + " SET " + assignments);
  }
}

int clsExportImport::RefusalOfImportContent() {
  auto& db = mCtx.Db();
  if (!SwitchOn()) {
    if (mBuffers.DoesBufferContainesDifferentFBsHexVers(kPrefix)) return eHM_ImportBlockVersion;
    if (HasRow(db, "SELECT 1 FROM expimp_FB_Fathers WHERE FatherID NOT IN (SELECT FatherID FROM FB_Fathers)") ||
        mBuffers.DoesBufferContainesMissingFBs(kPrefix))
      return eHM_ImportBlockMissing;
    if (HasRow(db, "SELECT 1 FROM expimp_LdrElmsOprs WHERE Elmnt_Oprnd_Type BETWEEN 64 AND 67"))
      return eHM_ImportExtendedOperands;
  }
  if (mCtx.Host->Operands) {
    const std::string outOfRange = mCtx.Host->Operands->Types().OutOfRangeCondition("OprndType", "OprndAddress");
    if (!outOfRange.empty() && HasRow(db, "SELECT 1 FROM expimp_LdrOperands WHERE " + outOfRange))
      return eHM_ImportOutOfRange;
  }
  return 0;
}

void clsExportImport::AddProjectOnlyColumns() {
  auto& db = mCtx.Db();
  for (const auto& [table, column] : ProjectOnlyColumns())
    if (!HasColumn(db, B(table), column))
      mBuffers.AddFieldToTable(
          B(table), column,
          std::string(column) == "ConfigInstanceData" || std::string(column) == "RiseFallElementInfo" ? "BLOB"
                                                                                                      : "INTEGER");
  db.Execute("UPDATE expimp_LdrFunctions SET Guid=-1, DataGuid=-1");
  db.Execute("UPDATE expimp_FB_Instance_Details SET InstanceID=-1");
}

// Columns a file did not bring get the live table's default, so that the
// steps below see whole rows.
void clsExportImport::CompleteColumns() {
  auto& db = mCtx.Db();
  for (const char* table : BufferTables()) {
    auto info = db.Query(std::string("PRAGMA table_info(") + table + ")");
    for (const auto& row : info.Rows()) {
      const std::string column = row[1].AsText();
      if (HasColumn(db, B(table), column)) continue;
      const std::string fallback = row[4].IsNull() ? "" : " DEFAULT " + row[4].AsText();
      db.Execute("ALTER TABLE " + B(table) + " ADD COLUMN " + column + " " + row[2].AsText() + fallback);
    }
  }
}

// An imported subroutine named like one of the project (or like an earlier
// one of the file) becomes the first free name(n).
void clsExportImport::RenameDuplicateSubroutines() {
  auto& db = mCtx.Db();
  const auto maxLength = static_cast<std::size_t>(std::max(1L, MaxNameLength()));
  auto taken = [&](const std::string& name, long rowid) {
    return HasRow(db,
                  "SELECT 1 FROM LdrFunctions WHERE FuncName=? COLLATE NOCASE UNION ALL SELECT 1 FROM "
                  "expimp_LdrFunctions WHERE FuncName=? COLLATE NOCASE AND rowid<>?",
                  {name, name, rowid});
  };
  auto rows = db.Query("SELECT rowid, FuncName FROM expimp_LdrFunctions ORDER BY rowid");
  for (const auto& row : rows.Rows()) {
    const long rowid = row[0].AsLong();
    const std::string name = row[1].AsText();
    if (!taken(name, rowid)) continue;
    std::string fresh;
    for (long n = 1;; ++n) {
      const std::string suffix = "(" + Num(n) + ")";
      const std::size_t room = maxLength > CountCharacters(suffix) ? maxLength - CountCharacters(suffix) : 0;
      fresh = CutToCharacters(name, room) + suffix;
      if (!taken(fresh, rowid)) break;
    }
    db.Execute("UPDATE expimp_LdrFunctions SET FuncName=? WHERE rowid=?", {fresh, rowid});
  }
}

// References to targets outside the file (calls of subroutines not
// exported, loads of display pages) are linked by the name they carry. A
// found target's key is kept negative until the file's own keys have been
// renumbered, so the two cannot be mixed up; a target the project lacks
// becomes the missing reference, and the user is told.
void clsExportImport::ResolveReferencesByName(long callType) {
  auto& db = mCtx.Db();
  const bool call = callType == kCall;
  const std::string type = Num(callType);
  const std::string inFile = call ? " AND Elmnt_Oprnd_Adrs NOT IN (SELECT FuncID FROM expimp_LdrFunctions)" : "";
  auto outside = db.Query("SELECT DISTINCT Elmnt_Oprnd_Adrs FROM expimp_LdrElmsOprs WHERE Elmnt_Oprnd_Type=" + type +
                          " AND Elmnt_Oprnd_Adrs>0 AND Elmnt_Oprnd_Adrs<>" + Num(kMissing) + inFile +
                          " ORDER BY Elmnt_Oprnd_Adrs");
  const std::string lookup = call ? "SELECT FuncID FROM LdrFunctions WHERE FuncName=? COLLATE NOCASE"
                                  : "SELECT Id FROM Pages WHERE Description=?";
  for (const auto& row : outside.Rows()) {
    const long old = row[0].AsLong();
    const std::string name = mBuffers.GetOperandDescriptionFromBuffer(callType, old, kPrefix);
    const auto target = name.empty() ? db::DbValue() : db.QueryValue(lookup + " ORDER BY 1", {name});
    const std::string which = " WHERE Elmnt_Oprnd_Type=" + type + " AND Elmnt_Oprnd_Adrs=" + Num(old);
    if (target.IsNull()) {
      db.Execute("UPDATE expimp_LdrElmsOprs SET Elmnt_Oprnd_Adrs=" + Num(kMissing) + which);
      const std::string missing = "MISSING (" + name + ")";
      mCtx.Host->Gui->ShowText(
          kGuiNotice,
          call ? "Paste operation: Subroutine '" + name + "' is missing. Replaced by a call to '" + missing + "'"
               : "Paste operation: Display '" + name + "' is missing. Replaced by a load of '" + missing + "'");
      mBuffers.EnsureOnlyOneMissingOperand(callType, old, missing, kPrefix);
      continue;
    }
    const long marked = -target.AsLong();
    db.Execute("UPDATE expimp_LdrElmsOprs SET Elmnt_Oprnd_Adrs=" + Num(marked) + which);
    const std::string operand = " WHERE OprndType=" + type + " AND OprndAddress=";
    if (HasRow(db, "SELECT 1 FROM expimp_LdrOperands" + operand + Num(marked)))
      db.Execute("DELETE FROM expimp_LdrOperands" + operand + Num(old));
    else
      db.Execute("UPDATE expimp_LdrOperands SET OprndAddress=" + Num(marked) + operand + Num(old));
  }
}

// Parents before children, each child buffer taking its parents' new keys.
void clsExportImport::AppendImportedRows() {
  auto& db = mCtx.Db();
  const std::string call = "=" + Num(kCall), label = "=" + Num(clsBufferServices::kLabelOperand);
  mBuffers.AppendBufferTableEx("LdrFunctions", "FuncID", kPrefix,
                               {{"LdrStrips", "FuncID", ""},
                                {"LdrElmsOprs", "Elmnt_Oprnd_Adrs", "Elmnt_Oprnd_Type" + call},
                                {"LdrOperands", "OprndAddress", "OprndType" + call}},
                               mImportPairs);
  for (const char* table : {"expimp_LdrElmsOprs", "expimp_LdrOperands"}) {
    const bool slots = std::string(table) == "expimp_LdrElmsOprs";
    const std::string address = slots ? "Elmnt_Oprnd_Adrs" : "OprndAddress";
    db.Execute(std::string("UPDATE ") + table + " SET " + address + "=-" + address + " WHERE " +
               (slots ? "Elmnt_Oprnd_Type" : "OprndType") + " IN (30,31) AND " + address + "<0");
  }
  mBuffers.SetStripsBufferCompileDirtyBitForBuildAll(kPrefix);
  mBuffers.AppendBufferTable("LdrStrips", "StripID", kPrefix,
                             {{"LdrElements", "StripID", ""},
                              {"LdrElmsOprs", "Elmnt_Oprnd_Adrs", "Elmnt_Oprnd_Type" + label},
                              {"LdrOperands", "OprndAddress", "OprndType" + label}});
  Step(4, kImportSteps);
  MakeInstancesFit();
  mBuffers.HandleFathersMissingFromProject(kPrefix);
  const bool methods = mBuffers.AppendFBsBufferTables("FB_Methods", "MethodID", kPrefix);
  const bool fathers = mBuffers.AppendFBsBufferTables("FB_Fathers", "FatherID", kPrefix);
  mBlocksAppended = methods || fathers;
  const std::string instanceFields = mBuffers.GetSelectableFieldsAsString("FB_Instance_Details", "");
  db.Execute("INSERT INTO FB_Instance_Details (" + instanceFields + ") SELECT " + instanceFields +
             " FROM expimp_FB_Instance_Details");
  const long firstElement = mBuffers.GetMaxIDFromTable("LdrElements", "ElmntID") + 1;
  mBuffers.AppendBufferTable("LdrElements", "LdrElmsOprs", "ElmntID", kPrefix);
  const long lastElement = mBuffers.GetMaxIDFromTable("LdrElements", "ElmntID");
  GiveOrphanedMethodsInstances(firstElement, lastElement);
  const long offset = mBuffers.HandleConstOperandsInBufferTables(kPrefix, 0);
  mBuffers.AppendLdrOperandsBufferTable(kPrefix);
  mBuffers.AppendElementsOperandsBufferTable(kPrefix);
  if (offset != 0) mBuffers.UpdateConstsAddressesInBinaryParams(offset, firstElement, lastElement);
  if (!SwitchOn()) db.Execute("DELETE FROM LdrOperands WHERE OprndType BETWEEN 64 AND 67");
  NameCallOperandsAfterSubroutines();
}

// Instance descriptions are unique in a project, instance numbers unique
// per block type: the imported instances take the first free Name(n) and
// the next free numbers, and their block elements follow.
void clsExportImport::MakeInstancesFit() {
  auto& db = mCtx.Db();
  auto taken = [&](const std::string& name, long rowid) {
    return HasRow(db,
                  "SELECT 1 FROM FB_Instance_Details WHERE InstanceDescription=? COLLATE NOCASE UNION ALL SELECT 1 "
                  "FROM expimp_FB_Instance_Details WHERE InstanceDescription=? COLLATE NOCASE AND rowid<>?",
                  {name, name, rowid});
  };
  auto described = db.Query("SELECT rowid, InstanceDescription FROM expimp_FB_Instance_Details WHERE "
                            "InstanceDescription IS NOT NULL ORDER BY rowid");
  for (const auto& row : described.Rows()) {
    const long rowid = row[0].AsLong();
    const std::string name = row[1].AsText();
    if (!taken(name, rowid)) continue;
    std::string fresh;
    for (long n = 1; taken(fresh = name + "(" + Num(n) + ")", rowid); ++n) {
    }
    db.Execute("UPDATE expimp_FB_Instance_Details SET InstanceDescription=? WHERE rowid=?", {fresh, rowid});
  }
  const std::string shift = Num(clsBufferServices::kInstanceOffset), orphan = Num(clsBufferServices::kOrphanedMethod);
  db.Execute("UPDATE expimp_FB_Instance_Details SET InstanceNumber=InstanceNumber+" + shift);
  db.Execute("UPDATE expimp_LdrElements SET MoreParamsLng=MoreParamsLng+" + shift +
             " WHERE ElmntType BETWEEN 100000 AND 999999 AND MoreParamsLng NOT IN (0," + orphan + ")");
  auto instances = db.Query("SELECT rowid, FatherID, InstanceNumber FROM expimp_FB_Instance_Details ORDER BY FatherID, "
                            "InstanceNumber");
  long father = -1, next = 0;
  for (const auto& row : instances.Rows()) {
    if (row[1].AsLong() != father) {
      father = row[1].AsLong();
      next = std::max(db.QueryValue("SELECT MAX(MoreParamsLng) FROM LdrElements WHERE ElmntType BETWEEN 100000 AND "
                                    "999999 AND (ElmntType/100)*100=? AND MoreParamsLng<" +
                                        orphan,
                                    {father})
                          .AsLong(0),
                      db.QueryValue("SELECT MAX(InstanceNumber) FROM FB_Instance_Details WHERE FatherID=?", {father})
                          .AsLong(0)) +
             1;
    }
    db.Execute("UPDATE expimp_FB_Instance_Details SET InstanceNumber=? WHERE rowid=?", {next, row[0].AsLong()});
    db.Execute("UPDATE expimp_LdrElements SET MoreParamsLng=? WHERE ElmntType BETWEEN 100000 AND 999999 AND "
               "(ElmntType/100)*100=? AND MoreParamsLng=?",
               {next, father, row[2].AsLong()});
    ++next;
  }
}

// Imported block methods whose instance stayed behind get the next
// instance of their block type in this project.
void clsExportImport::GiveOrphanedMethodsInstances(long firstElement, long lastElement) {
  auto& db = mCtx.Db();
  const std::string orphan = Num(clsBufferServices::kOrphanedMethod);
  auto fathers = db.Query("SELECT DISTINCT (ElmntType/100)*100 FROM LdrElements WHERE ElmntID BETWEEN ? AND ? AND "
                          "ElmntType BETWEEN 100000 AND 999999 AND MoreParamsLng=" +
                              orphan,
                          {firstElement, lastElement});
  for (const auto& row : fathers.Rows()) {
    const long father = row[0].AsLong();
    const long next = db.QueryValue("SELECT MAX(MoreParamsLng) FROM LdrElements WHERE ElmntType BETWEEN 100000 AND "
                                    "999999 AND (ElmntType/100)*100=? AND MoreParamsLng>0 AND MoreParamsLng<" +
                                        orphan,
                                    {father})
                          .AsLong(0) +
                      1;
    db.Execute("UPDATE LdrElements SET MoreParamsLng=? WHERE ElmntID BETWEEN ? AND ? AND (ElmntType/100)*100=? AND "
               "ElmntType BETWEEN 100000 AND 999999 AND MoreParamsLng=" +
                   orphan,
               {next, firstElement, lastElement, father});
  }
}

// The operands of the calls of the imported subroutines carry the names
// the subroutines have now (name(n) after a rename).
void clsExportImport::NameCallOperandsAfterSubroutines() {
  if (mImportPairs.empty()) return;
  std::vector<long> ids;
  for (const auto& pair : mImportPairs) ids.push_back(pair.NewFuncId);
  mCtx.Db().Execute("UPDATE LdrOperands SET OprndDescription=(SELECT FuncName FROM LdrFunctions f WHERE "
                    "f.FuncID=LdrOperands.OprndAddress) WHERE OprndType=" +
                    Num(kCall) + " AND OprndAddress IN (" + IdList(ids) + ")");
}

} // namespace ldr
