#include "core/ProjectSchema.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>

namespace ldr {

namespace {

// Booleans hold -1 / 0. Keys assigned on insert are AUTOINCREMENT so that they
// are never reused and rows added one after another get consecutive keys.
// Names compared without regard to case use COLLATE NOCASE.
const char* const kSchema = R"SQL(
CREATE TABLE LdrModules (
  MdlID        INTEGER PRIMARY KEY AUTOINCREMENT,
  MdlName      TEXT COLLATE NOCASE,
  TreeID       INTEGER,
  ActiveFuncID INTEGER DEFAULT 0
);
CREATE TABLE LdrFunctions (
  FuncID       INTEGER PRIMARY KEY AUTOINCREMENT,
  MdlID        INTEGER NOT NULL REFERENCES LdrModules(MdlID) ON DELETE CASCADE,
  TreeID       INTEGER,
  FuncName     TEXT COLLATE NOCASE,
  FunctionType INTEGER DEFAULT 3,
  Protected    INTEGER DEFAULT 0,
  Guid         INTEGER,
  DataGuid     INTEGER,
  VscrlPos     INTEGER DEFAULT 0
);
CREATE INDEX LdrFunctions_MdlID ON LdrFunctions(MdlID);
CREATE TABLE LdrStrips (
  StripID             INTEGER PRIMARY KEY AUTOINCREMENT,
  FuncID              INTEGER NOT NULL REFERENCES LdrFunctions(FuncID) ON DELETE CASCADE,
  SeqNum              INTEGER,
  StrpType            INTEGER DEFAULT 1,
  ShowNum             INTEGER DEFAULT 0,
  Height              INTEGER DEFAULT 14,
  OrgHeight           INTEGER DEFAULT 0,
  IsCollapsed         INTEGER DEFAULT 0,
  IsLoaded            INTEGER DEFAULT 0,
  IsSelected          INTEGER DEFAULT 0,
  IsReturnStrip       INTEGER DEFAULT 0,
  IsCompilable        INTEGER DEFAULT -1,
  CompileDirtyBit     INTEGER DEFAULT -1,
  LdrBitsCount        INTEGER DEFAULT 0,
  ShowPowerFlow       INTEGER DEFAULT 0,
  StrpNote            TEXT,
  Comment             TEXT,
  LblName             TEXT COLLATE NOCASE,
  LblComment          TEXT,
  JunctionsInfo       BLOB,
  ProblemsInfo        BLOB,
  StlViewInfo         BLOB,
  TokensInfo          BLOB,
  JumpsInfo           BLOB,
  RiseFallInfo        BLOB,
  RiseFallElementInfo BLOB,
  ProblemsType        INTEGER DEFAULT 0,
  TokensAmount        INTEGER DEFAULT 0
);
CREATE INDEX LdrStrips_FuncSeq ON LdrStrips(FuncID, SeqNum);
CREATE TABLE LdrElements (
  ElmntID           INTEGER PRIMARY KEY AUTOINCREMENT,
  StripID           INTEGER NOT NULL REFERENCES LdrStrips(StripID) ON DELETE CASCADE,
  ElmntType         INTEGER,
  Xs                INTEGER DEFAULT 0,
  Ys                INTEGER DEFAULT 0,
  Dx                INTEGER DEFAULT 0,
  Dy                INTEGER DEFAULT 0,
  LineFlowDirection INTEGER DEFAULT 0,
  IsMissing         INTEGER DEFAULT 0,
  MoreParamsLng     INTEGER DEFAULT 0,
  MoreParamsStr     TEXT,
  MoreParamsBin     BLOB,
  NumberOfInputs    INTEGER DEFAULT 0
);
CREATE INDEX LdrElements_StripID ON LdrElements(StripID);
CREATE TABLE LdrElmsOprs (
  ElmntID               INTEGER NOT NULL REFERENCES LdrElements(ElmntID) ON DELETE CASCADE,
  OprndInIdx            INTEGER DEFAULT 0,
  OprndOutIdx           INTEGER DEFAULT 0,
  Elmnt_Oprnd_Type      INTEGER DEFAULT 0,
  Elmnt_Oprnd_Adrs      INTEGER DEFAULT 0,
  Elmnt_Oprnd_NetworkID INTEGER DEFAULT 0
);
CREATE INDEX LdrElmsOprs_ElmntID ON LdrElmsOprs(ElmntID);
CREATE INDEX LdrElmsOprs_Operand ON LdrElmsOprs(Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs, Elmnt_Oprnd_NetworkID);
CREATE TABLE LdrOperands (
  OprndType          INTEGER NOT NULL,
  OprndAddress       INTEGER NOT NULL,
  NetworkID          INTEGER NOT NULL DEFAULT 0,
  OprndDescription   TEXT,
  OprndPowerUp       REAL DEFAULT 0,
  OprndEnablePowerUp INTEGER DEFAULT 0,
  PRIMARY KEY (OprndType, OprndAddress, NetworkID)
);
CREATE TABLE FB_Fathers (
  FatherID          INTEGER PRIMARY KEY,
  FatherTitle       TEXT,
  FatherName        TEXT,
  FatherDescription TEXT,
  HexFile           BLOB,
  HexFileJumpsMap   BLOB,
  HexFileVersion    INTEGER DEFAULT 0,
  MinBiosVersion    INTEGER DEFAULT 0,
  MemorySize        INTEGER DEFAULT 0,
  InstanceType      INTEGER DEFAULT 0
);
CREATE TABLE FB_Methods (
  MethodID       INTEGER PRIMARY KEY,
  MethodTitle    TEXT,
  HexFileVersion INTEGER DEFAULT 0,
  MethodShape    TEXT
);
CREATE TABLE FB_Instance_Details (
  InstanceID          INTEGER DEFAULT -1,
  FatherID            INTEGER,
  InstanceNumber      INTEGER,
  InstanceDescription TEXT COLLATE NOCASE UNIQUE,
  ConfigInstanceData  BLOB
);
CREATE TABLE Pages (
  Id          INTEGER PRIMARY KEY,
  Description TEXT,
  FuncId      INTEGER
);
CREATE TABLE DownloadDLUs (
  Guid       INTEGER PRIMARY KEY,
  IsCompiled INTEGER DEFAULT 0
);
CREATE TABLE PLC_DB_Blocks (
  Key      INTEGER PRIMARY KEY,
  DB_Block BLOB
);
CREATE TABLE Trends (
  TrendID   INTEGER PRIMARY KEY,
  TrendName TEXT
);
CREATE TABLE Storages_Table (
  Storage_name TEXT
);
CREATE TABLE ProjectSettings (
  SettingKey   INTEGER PRIMARY KEY,
  SettingValue TEXT
);
)SQL";

bool TableExists(db::Connection& connection, const std::string& name) {
  return connection.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {name}).AsLong() > 0;
}

} // namespace

const std::vector<std::string>& ProjectSchema::TableNames() {
  static const std::vector<std::string> names = {
      "LdrModules",   "LdrFunctions",  "LdrStrips",  "LdrElements",         "LdrElmsOprs",
      "LdrOperands",  "FB_Fathers",    "FB_Methods", "FB_Instance_Details", "Pages",
      "DownloadDLUs", "PLC_DB_Blocks", "Trends",     "Storages_Table",      "ProjectSettings"};
  return names;
}

void ProjectSchema::Create(db::Connection& connection) {
  connection.ExecuteScript(kSchema);
  connection.Execute("PRAGMA application_id=" + std::to_string(kApplicationId));
  connection.Execute("PRAGMA user_version=" + std::to_string(kDatabaseVersion));
}

void ProjectSchema::Verify(db::Connection& connection) {
  const std::string& path = connection.Path();
  long applicationId = 0;
  long version = 0;
  try {
    applicationId = connection.QueryValue("PRAGMA application_id").AsLong();
    version = connection.QueryValue("PRAGMA user_version").AsLong();
  } catch (const db::DbError& e) {
    throw db::DbError(e.Code(), "not a project database (" + e.Message() + "): " + path);
  }
  if (applicationId != kApplicationId) throw db::DbError(SQLITE_NOTADB, "not a project database: " + path);
  if (version != kDatabaseVersion)
    throw db::DbError(SQLITE_NOTADB, "project database version " + std::to_string(version) + " is not supported (" +
                                         std::to_string(kDatabaseVersion) + " expected): " + path);
  for (const auto& table : TableNames())
    if (!TableExists(connection, table))
      throw db::DbError(SQLITE_CORRUPT, "project database lacks the table " + table + ": " + path);
}

} // namespace ldr
