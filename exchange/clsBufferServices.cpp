#include "exchange/clsBufferServices.h"

#include "elements/ElementParamsBlocks.h"
#include "exchange/BlockInstanceBuffer.h"
#include "outside/operands/FunctionBlockInstances.h"
#include "outside/utilities/GuiService.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

namespace ldr {

namespace {

constexpr long kBufferApplicationId = 0x4C444231; // the project's id: a buffer holds ladder rows too
constexpr long kBufferFormat = 1;                 // application_id alone tells projects apart
constexpr const char* kBufferMark = "LdrBufferFormat";
constexpr const char* kConstTypes = "(34,35,37,38,15)";
constexpr int kGuiNotice = 8;

// Table and prefix names are spliced into SQL: only plain identifiers pass.
const std::string& Ident(const std::string& name) {
  bool ok = !name.empty();
  for (char c : name) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
  if (!ok) throw std::invalid_argument("not a table or column name: " + name);
  return name;
}

std::string T(const std::string& prefix, const std::string& table) {
  if (!prefix.empty()) Ident(prefix);
  return Ident(prefix + table);
}

std::string Num(long value) { return std::to_string(value); }

} // namespace

// --- making buffer tables ------------------------------------------------------

void clsBufferServices::CreateBufferTable(const std::string& source, const std::string& basedOn,
                                          const std::string& fkName, const std::string& prefix) {
  mDb.Execute("CREATE TABLE " + T(prefix, source) + " AS SELECT * FROM " + Ident(source) + " WHERE " + Ident(fkName) +
              " IN (SELECT " + fkName + " FROM " + T(prefix, basedOn) + ")");
}

void clsBufferServices::CreateFBsBufferTable(const std::string& source, const std::string& basedOn,
                                             const std::string& pkExpr, const std::string& fkName,
                                             const std::string& prefix) {
  // pkExpr is an expression written by the caller's code (e.g. a father
  // computed from a method), not a name.
  mDb.Execute("CREATE TABLE " + T(prefix, source) + " AS SELECT * FROM " + Ident(source) + " WHERE " + Ident(fkName) +
              " IN (SELECT " + pkExpr + " FROM " + T(prefix, basedOn) + ")");
}

void clsBufferServices::CreateFBsInstancesBufferTable(const std::string& prefix) {
  mDb.Execute("CREATE TABLE " + T(prefix, "FB_Instance_Details") +
              " AS SELECT * FROM FB_Instance_Details WHERE EXISTS (SELECT 1 FROM " + T(prefix, "LdrElements") +
              " e WHERE e.ElmntType BETWEEN 100000 AND 999999 AND e.ElmntType % 100 = 1 AND (e.ElmntType/100)*100 = "
              "FB_Instance_Details.FatherID AND e.MoreParamsLng = FB_Instance_Details.InstanceNumber)");
}

void clsBufferServices::CreateElementsDependentBufferTables(const std::string& prefix) {
  CreateFBsBufferTable("FB_Methods", "LdrElements", "ElmntType", "MethodID", prefix);
  CreateFBsBufferTable("FB_Fathers", "FB_Methods", "((MethodID/100)*100)", "FatherID", prefix);
  CreateFBsInstancesBufferTable(prefix);
  CreateBufferTable("LdrElmsOprs", "LdrElements", "ElmntID", prefix);
  CreateElementsOperandsBufferTable(prefix);
}

void clsBufferServices::CreateElementsOperandsBufferTable(const std::string& prefix) {
  // The distinct keys first, then one look-up each by the operand key.
  mDb.Execute("CREATE TABLE " + T(prefix, "LdrOperands") +
              " AS SELECT LdrOperands.* FROM (SELECT DISTINCT Elmnt_Oprnd_Type AS t, Elmnt_Oprnd_Adrs AS a, "
              "Elmnt_Oprnd_NetworkID AS n FROM " +
              T(prefix, "LdrElmsOprs") +
              ") b JOIN LdrOperands ON LdrOperands.OprndType=b.t AND LdrOperands.OprndAddress=b.a AND "
              "LdrOperands.NetworkID=b.n");
}

std::vector<std::string> clsBufferServices::TablesByPrefix(const std::string& prefix) {
  std::vector<std::string> tables;
  auto rows = mDb.Query("SELECT name FROM sqlite_master WHERE type='table' AND substr(name,1,?)=? ORDER BY name",
                        {static_cast<long>(Ident(prefix).size()), prefix});
  for (const auto& row : rows.Rows()) tables.push_back(row[0].AsText());
  return tables;
}

void clsBufferServices::MakeCopyOfTablesByPrefix(const std::string& srcPrefix, const std::string& dstPrefix) {
  for (const auto& table : TablesByPrefix(srcPrefix))
    mDb.Execute("CREATE TABLE " + T(dstPrefix, table.substr(srcPrefix.size())) + " AS SELECT * FROM " + Ident(table));
}

void clsBufferServices::DeleteBufferTablesByPrefix(const std::string& prefix) {
  for (const auto& table : TablesByPrefix(prefix)) mDb.Execute("DROP TABLE " + Ident(table));
}

bool clsBufferServices::DoesTableExist(const std::string& table) {
  return mDb.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {table}).AsLong() > 0;
}

void clsBufferServices::AddFieldToTable(const std::string& table, const std::string& field, const std::string& type) {
  mDb.Execute("ALTER TABLE " + Ident(table) + " ADD COLUMN " + Ident(field) + " " + Ident(type));
}

void clsBufferServices::RemoveFieldFromTable(const std::string& table, const std::string& field) {
  mDb.Execute("ALTER TABLE " + Ident(table) + " DROP COLUMN " + Ident(field));
}

// --- buffer database files -----------------------------------------------------------

std::shared_ptr<db::Connection> clsBufferServices::CreateEmptyDB(const std::string& path, bool waitForDisk) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  std::filesystem::remove(path + "-journal", ignored);
  if (auto folder = std::filesystem::path(path).parent_path(); !folder.empty())
    std::filesystem::create_directories(folder, ignored);
  auto file = db::Connection::Open(path, db::OpenMode::CreateNew);
  if (!waitForDisk) file->ExecuteScript("PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;");
  db::Transaction transaction(*file);
  file->ExecuteScript("PRAGMA application_id=" + Num(kBufferApplicationId) + "; PRAGMA user_version=" +
                      Num(kBufferFormat) + "; CREATE TABLE " + kBufferMark + " (Format INTEGER);");
  file->Execute(std::string("INSERT INTO ") + kBufferMark + " VALUES (?)", {kBufferFormat});
  transaction.Commit();
  return file;
}

std::shared_ptr<db::Connection> clsBufferServices::OpenBufferDB(const std::string& path, bool readOnly) {
  if (!std::filesystem::exists(path)) throw db::DbError(SQLITE_CANTOPEN, "the buffer file does not exist: " + path);
  auto file = db::Connection::Open(path, readOnly ? db::OpenMode::ExistingReadOnly : db::OpenMode::ExistingReadWrite);
  long id = 0, version = 0;
  bool marked = false;
  try {
    id = file->QueryValue("PRAGMA application_id").AsLong();
    version = file->QueryValue("PRAGMA user_version").AsLong();
    marked =
        file->QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {kBufferMark}).AsLong() >
        0;
  } catch (const db::DbError& e) {
    throw db::DbError(e.Code(), "not a ladder buffer file (" + e.Message() + "): " + path);
  }
  if (id != kBufferApplicationId || !marked) throw db::DbError(SQLITE_NOTADB, "not a ladder buffer file: " + path);
  if (version > kBufferFormat)
    throw db::DbError(SQLITE_NOTADB,
                      "the buffer file was written by a newer version (format " + Num(version) + "): " + path);
  return file;
}

std::vector<std::string> clsBufferServices::ColumnsOf(db::Connection& db, const std::string& table) {
  std::vector<std::string> columns;
  auto info = db.Query("PRAGMA table_info(" + Ident(table) + ")");
  for (const auto& row : info.Rows()) columns.push_back(row[1].AsText());
  return columns;
}

// Copies a table across connections: the same columns (with their declared
// types) but those left out, every row.
void clsBufferServices::CopyTableBetween(db::Connection& from, db::Connection& to, const std::string& table,
                                         const std::string& toTable, const std::vector<std::string>& leftOut) {
  auto info = from.Query("PRAGMA table_info(" + Ident(table) + ")");
  std::string columns, names, marks;
  for (const auto& row : info.Rows()) {
    const std::string name = Ident(row[1].AsText());
    if (std::find(leftOut.begin(), leftOut.end(), name) != leftOut.end()) continue;
    if (!columns.empty()) columns += ",", names += ",", marks += ",";
    columns += name + " " + row[2].AsText();
    names += name;
    marks += "?";
  }
  to.Execute("DROP TABLE IF EXISTS " + Ident(toTable));
  to.Execute("CREATE TABLE " + toTable + " (" + columns + ")");
  // Rows go over in batches of one statement each, bound as they are read;
  // the limit cuts the last batch to the rows bound in it.
  constexpr int kBatch = 32;
  std::string batchValues;
  for (int i = 0; i < kBatch; ++i) batchValues += (i ? ",(" : "(") + marks + ")";
  auto insert = to.Prepare("INSERT INTO " + toTable + " SELECT * FROM (VALUES " + batchValues + ") LIMIT ?");
  auto read = from.Prepare("SELECT " + names + " FROM " + table);
  const int width = read.ColumnCount();
  int rows = 0;
  const auto flush = [&] {
    insert.Bind(kBatch * width + 1, rows).Execute();
    insert.Reset();
    rows = 0;
  };
  while (read.Step()) {
    insert.BindRowOf(read, rows * width);
    if (++rows == kBatch) flush();
  }
  if (rows > 0) flush();
}

void clsBufferServices::CopyBufferTablesTo(db::Connection& dst, const std::string& srcPrefix,
                                           const std::string& dstPrefix, const std::vector<std::string>& leftOut) {
  for (const auto& table : TablesByPrefix(srcPrefix))
    CopyTableBetween(mDb, dst, table, T(dstPrefix, table.substr(srcPrefix.size())), leftOut);
}

void clsBufferServices::CopyLocalBufferTablesToExternalDatabaseByPrefix(const std::string& dstDB,
                                                                        const std::string& prefix) {
  auto file = OpenBufferDB(dstDB, false);
  db::Transaction transaction(*file);
  CopyBufferTablesTo(*file, prefix, prefix);
  transaction.Commit();
}

bool clsBufferServices::CopyExternalBufferTablesToLocalDatabaseByPrefix(const std::string& srcDB,
                                                                        const std::string& prefix) {
  auto file = OpenBufferDB(srcDB, true);
  clsBufferServices external(*file);
  for (const auto& table : external.TablesByPrefix(prefix)) CopyTableBetween(*file, mDb, table, table);
  return true;
}

// --- appending with new keys -------------------------------------------------------------

long clsBufferServices::GetMaxIDFromTable(const std::string& table, const std::string& pk, const std::string&) {
  return mDb.QueryValue("SELECT MAX(" + Ident(pk) + ") AS MaxID FROM " + Ident(table)).AsLong(0);
}

std::string clsBufferServices::GetSelectableFieldsAsString(const std::string& table, const std::string& pkField) {
  std::string fields;
  for (const auto& column : ColumnsOf(mDb, table)) {
    if (column == pkField) continue;
    if (!fields.empty()) fields += ",";
    fields += column;
  }
  return fields;
}

// The rows go in with keys given here, first = the next key the table's
// counter would give, in the buffer's stored order; one statement for the
// rows and one for the links, however many rows there are.
long clsBufferServices::AppendBufferTable(const std::string& dstTbl, const std::string& linkedTbl,
                                          const std::string& pkField, const std::string& prefix) {
  return AppendBufferTable(dstTbl, pkField, prefix, {{linkedTbl, pkField, ""}});
}

long clsBufferServices::AppendBufferTable(const std::string& dstTbl, const std::string& pkField,
                                          const std::string& prefix, const std::vector<KeyLink>& links) {
  return AppendWithKeyMap(dstTbl, pkField, prefix, links, nullptr);
}

long clsBufferServices::AppendBufferTableEx(const std::string& dstTbl, const std::string& pkField,
                                            const std::string& prefix, const std::vector<KeyLink>& links,
                                            std::vector<ImportPairsUDT>& importTypes) {
  importTypes.clear();
  return AppendWithKeyMap(dstTbl, pkField, prefix, links, &importTypes);
}

long clsBufferServices::AppendWithKeyMap(const std::string& dstTbl, const std::string& pkField,
                                         const std::string& prefix, const std::vector<KeyLink>& links,
                                         std::vector<ImportPairsUDT>* pairs) {
  const std::string buffer = T(prefix, dstTbl), pk = Ident(pkField);
  const long count = mDb.QueryValue("SELECT COUNT(*) FROM " + buffer).AsLong();
  if (count == 0) return 0;
  const long counter = mDb.QueryValue("SELECT seq FROM sqlite_sequence WHERE name=?", {dstTbl}).AsLong(0);
  const long first = std::max(counter, GetMaxIDFromTable(dstTbl, pk)) + 1;
  mDb.Execute("DROP TABLE IF EXISTS temp.LdrKeyMap");
  mDb.Execute("CREATE TEMP TABLE LdrKeyMap (OldID INTEGER PRIMARY KEY, NewID INTEGER)");
  const std::string fields = CommonFields(dstTbl, buffer, pk);
  const auto span = mDb.Query("SELECT MIN(rowid), MAX(rowid) FROM " + buffer);
  const long firstRow = span.Field(0).AsLong(), lastRow = span.Field(1).AsLong();
  if (lastRow - firstRow + 1 == count) {
    // Rows stored one after another (as a buffer is made): the new key
    // follows from the row's place, without numbering or sorting.
    const std::string newKey = "rowid+" + Num(first - firstRow);
    mDb.Execute("INSERT INTO temp.LdrKeyMap SELECT " + pk + ", " + newKey + " FROM " + buffer);
    mDb.Execute("INSERT INTO " + Ident(dstTbl) + " (" + pk + "," + fields + ") SELECT " + newKey + "," + fields +
                " FROM " + buffer + " ORDER BY rowid");
  } else {
    mDb.Execute("INSERT INTO temp.LdrKeyMap SELECT " + pk + ", " + Num(first - 1) +
                " + ROW_NUMBER() OVER (ORDER BY rowid) FROM " + buffer);
    mDb.Execute("INSERT INTO " + Ident(dstTbl) + " (" + pk + "," + fields + ") SELECT m.NewID," + fields + " FROM " +
                buffer + " b JOIN temp.LdrKeyMap m ON m.OldID=b." + pk + " ORDER BY m.NewID");
  }
  for (const auto& link : links) {
    const std::string linked = T(prefix, link.Table), column = Ident(link.Column);
    if (!DoesTableExist(linked)) continue;
    mDb.Execute("UPDATE " + linked + " SET " + column + "=(SELECT NewID FROM temp.LdrKeyMap WHERE OldID=" + linked +
                "." + column + ") WHERE " + column + " IN (SELECT OldID FROM temp.LdrKeyMap)" +
                (link.Condition.empty() ? "" : " AND " + link.Condition));
  }
  if (pairs) {
    auto map = mDb.Query("SELECT OldID, NewID FROM temp.LdrKeyMap ORDER BY NewID");
    for (const auto& row : map.Rows()) pairs->push_back({row[0].AsLong(), row[1].AsLong()});
  }
  mDb.Execute("DROP TABLE temp.LdrKeyMap");
  return count;
}

// The live table's columns that the buffer has too (a buffer from a file
// may lack columns that stay behind), but the key.
std::string clsBufferServices::CommonFields(const std::string& table, const std::string& buffer,
                                            const std::string& pkField) {
  const auto bufferColumns = ColumnsOf(mDb, buffer);
  std::string fields;
  for (const auto& column : ColumnsOf(mDb, table)) {
    if (column == pkField) continue;
    if (std::find(bufferColumns.begin(), bufferColumns.end(), column) == bufferColumns.end()) continue;
    if (!fields.empty()) fields += ",";
    fields += column;
  }
  return fields;
}

void clsBufferServices::AppendLdrOperandsBufferTable(const std::string& prefix) {
  const std::string fields = CommonFields("LdrOperands", T(prefix, "LdrOperands"), "");
  mDb.Execute("INSERT INTO LdrOperands (" + fields + ") SELECT " + fields + " FROM " + T(prefix, "LdrOperands") +
              " b WHERE NOT EXISTS (SELECT 1 FROM LdrOperands o WHERE o.OprndType=b.OprndType AND "
              "o.OprndAddress=b.OprndAddress AND o.NetworkID=b.NetworkID)");
}

void clsBufferServices::AppendElementsOperandsBufferTable(const std::string& prefix) {
  const std::string fields = CommonFields("LdrElmsOprs", T(prefix, "LdrElmsOprs"), "");
  mDb.Execute("INSERT INTO LdrElmsOprs (" + fields + ") SELECT " + fields + " FROM " + T(prefix, "LdrElmsOprs"));
}

bool clsBufferServices::AppendFBsBufferTables(const std::string& dstTbl, const std::string& pkField,
                                              const std::string& prefix) {
  if (!DoesTableExist(T(prefix, dstTbl))) return false;
  const std::string fields = CommonFields(dstTbl, T(prefix, dstTbl), "");
  return mDb.Execute("INSERT INTO " + Ident(dstTbl) + " (" + fields + ") SELECT " + fields + " FROM " +
                     T(prefix, dstTbl) + " WHERE " + Ident(pkField) + " NOT IN (SELECT " + pkField + " FROM " + dstTbl +
                     ")") > 0;
}

// --- reworking a buffer --------------------------------------------------------------------

long clsBufferServices::HandleConstOperandsInBufferTables(const std::string& prefix, long offset) {
  const auto maxTarget =
      mDb.QueryValue(std::string("SELECT MAX(OprndAddress) FROM LdrOperands WHERE OprndType IN ") + kConstTypes);
  const auto minBuffer = mDb.QueryValue("SELECT MIN(OprndAddress) FROM " + T(prefix, "LdrOperands") +
                                        " WHERE OprndType IN " + kConstTypes);
  if (maxTarget.IsNull() || minBuffer.IsNull() || maxTarget.AsLong() < minBuffer.AsLong()) return offset;
  offset = maxTarget.AsLong() - minBuffer.AsLong() + 1;
  mDb.Execute("UPDATE " + T(prefix, "LdrOperands") + " SET OprndAddress=OprndAddress+" + Num(offset) +
              " WHERE OprndType IN " + kConstTypes);
  mDb.Execute("UPDATE " + T(prefix, "LdrElmsOprs") + " SET Elmnt_Oprnd_Adrs=Elmnt_Oprnd_Adrs+" + Num(offset) +
              " WHERE Elmnt_Oprnd_Type IN " + kConstTypes);
  return offset;
}

void clsBufferServices::UpdateConstsAddressesInBinaryParams(long offset, long firstID, long lastID) {
  if (offset == 0) return;
  auto rows = mDb.Query("SELECT ElmntID, ElmntType, MoreParamsBin FROM LdrElements WHERE ElmntID BETWEEN ? AND ?",
                        {firstID, lastID});
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
    const auto type = static_cast<std::int32_t>(rows.Field(1).AsLong());
    if (!ElementParamsBlocks::KeepsConstantsInBlock(type) || !rows.Field(2).IsBlob()) continue;
    db::Blob block = rows.Field(2).AsBlob();
    if (!ElementParamsBlocks::AddOffsetToConstants(type, block, offset)) continue;
    mDb.Execute("UPDATE LdrElements SET MoreParamsBin=? WHERE ElmntID=?",
                {db::DbValue(std::move(block)), rows.Field(0)});
  }
}

void clsBufferServices::HandleOrphandCallsInBuffer(long callType, const std::string& prefix) {
  const std::string slots = T(prefix, "LdrElmsOprs"), operands = T(prefix, "LdrOperands");
  if (mDb.Execute("UPDATE " + slots + " SET Elmnt_Oprnd_Adrs=" + Num(kMissingAddress) +
                  " WHERE Elmnt_Oprnd_Type=" + Num(callType)) == 0)
    return;
  mDb.Execute("UPDATE " + operands + " SET OprndDescription='MISSING (' || IFNULL(OprndDescription,'') || ')', " +
              "OprndAddress=" + Num(kMissingAddress) + " WHERE OprndType=" + Num(callType) +
              " AND OprndAddress IN (SELECT MIN(OprndAddress) FROM " + operands + " WHERE OprndType=" + Num(callType) +
              ")");
  mDb.Execute("DELETE FROM " + operands + " WHERE OprndType=" + Num(callType) + " AND OprndAddress<>" +
              Num(kMissingAddress));
}

bool clsBufferServices::HandleOrphandJumpsInBuffer(const std::string& prefix) {
  const std::string slots = T(prefix, "LdrElmsOprs"), operands = T(prefix, "LdrOperands"),
                    strips = T(prefix, "LdrStrips");
  // Address 0 is no jump at all (the return element's label slot).
  const std::string foreign = " IN (SELECT Elmnt_Oprnd_Adrs FROM " + slots +
                              " WHERE Elmnt_Oprnd_Type=" + Num(kLabelOperand) +
                              " AND Elmnt_Oprnd_Adrs>0 AND Elmnt_Oprnd_Adrs<>" + Num(kMissingAddress) +
                              " AND Elmnt_Oprnd_Adrs NOT IN (SELECT StripID FROM " + strips + " WHERE StrpType=3))";
  if (!HasRows("SELECT 1 FROM " + slots + " WHERE Elmnt_Oprnd_Type=" + Num(kLabelOperand) + " AND Elmnt_Oprnd_Adrs" +
               foreign))
    return false;
  // The label operands of jumps out of the buffer: the lowest one becomes the
  // missing reference, the others go.
  const std::string outside = " WHERE OprndType=" + Num(kLabelOperand) + " AND OprndAddress" + foreign;
  const long lowest = mDb.QueryValue("SELECT MIN(OprndAddress) FROM " + operands + outside).AsLong(-1);
  mDb.Execute("UPDATE " + slots + " SET Elmnt_Oprnd_Adrs=" + Num(kMissingAddress) +
              " WHERE Elmnt_Oprnd_Type=" + Num(kLabelOperand) + " AND Elmnt_Oprnd_Adrs" + foreign);
  if (lowest >= 0) {
    mDb.Execute("DELETE FROM " + operands + " WHERE OprndType=" + Num(kLabelOperand) + " AND OprndAddress<>" +
                Num(lowest) + " AND OprndAddress<>" + Num(kMissingAddress) +
                " AND OprndAddress NOT IN (SELECT StripID FROM " + strips + " WHERE StrpType=3)");
    EnsureOnlyOneMissingOperand(kLabelOperand, lowest,
                                "MISSING (" + GetOperandDescriptionFromBuffer(kLabelOperand, lowest, prefix) + ")",
                                prefix);
  }
  return true;
}

bool clsBufferServices::HandleInvalidSubroutineCalls(GuiService& gui, const std::string& prefix) {
  return HandleInvalidCalls(gui, kSubroutineOperand, "SELECT FuncID FROM LdrFunctions", "Subroutine", "a call to",
                            prefix);
}

bool clsBufferServices::HandleInvalidDisplayCalls(GuiService& gui, const std::string& prefix) {
  return HandleInvalidCalls(gui, kPageOperand, "SELECT Id FROM Pages", "Display", "a load of", prefix);
}

bool clsBufferServices::HandleInvalidCalls(GuiService& gui, long callType, const std::string& targets,
                                           const std::string& what, const std::string& replacedBy,
                                           const std::string& prefix) {
  const std::string slots = T(prefix, "LdrElmsOprs");
  auto rows = mDb.Query("SELECT DISTINCT Elmnt_Oprnd_Adrs FROM " + slots + " WHERE Elmnt_Oprnd_Type=" + Num(callType) +
                        " AND Elmnt_Oprnd_Adrs<>" + Num(kMissingAddress) + " AND Elmnt_Oprnd_Adrs NOT IN (" + targets +
                        ") ORDER BY Elmnt_Oprnd_Adrs");
  for (const auto& row : rows.Rows()) {
    const long old = row[0].AsLong();
    mDb.Execute("UPDATE " + slots + " SET Elmnt_Oprnd_Adrs=" + Num(kMissingAddress) +
                " WHERE Elmnt_Oprnd_Type=" + Num(callType) + " AND Elmnt_Oprnd_Adrs=" + Num(old));
    const std::string name = GetOperandDescriptionFromBuffer(callType, old, prefix);
    const std::string missing = "MISSING (" + name + ")";
    gui.ShowText(kGuiNotice, "Paste operation: " + what + " '" + name + "' is missing. Replaced by " + replacedBy +
                                 " '" + missing + "'");
    EnsureOnlyOneMissingOperand(callType, old, missing, prefix);
  }
  if (rows.RecordCount() > 0) UpdateMissingReferencDescription(callType, prefix);
  return rows.RecordCount() > 0;
}

void clsBufferServices::EnsureOnlyOneMissingOperand(long callType, long missAddress, const std::string& missName,
                                                    const std::string& prefix) {
  const std::string operands = T(prefix, "LdrOperands");
  const std::string which = " WHERE OprndType=" + Num(callType) + " AND OprndAddress=" + Num(missAddress);
  if (HasRows("SELECT 1 FROM " + operands + " WHERE OprndType=" + Num(callType) +
              " AND OprndAddress=" + Num(kMissingAddress)))
    mDb.Execute("DELETE FROM " + operands + which);
  else
    mDb.Execute("UPDATE " + operands + " SET OprndDescription=?, OprndAddress=" + Num(kMissingAddress) + which,
                {missName});
}

void clsBufferServices::UpdateMissingReferencDescription(long callType, const std::string& prefix) {
  mDb.Execute("UPDATE " + T(prefix, "LdrOperands") +
              " SET OprndDescription='MISSING (Unknown)' WHERE OprndType=" + Num(callType) +
              " AND OprndAddress=" + Num(kMissingAddress) + " AND (SELECT COUNT(*) FROM " + T(prefix, "LdrElmsOprs") +
              " WHERE Elmnt_Oprnd_Type=" + Num(callType) + " AND Elmnt_Oprnd_Adrs=" + Num(kMissingAddress) + ") >= 2");
}

std::string clsBufferServices::GetOperandDescriptionFromBuffer(long opType, long opAddress, const std::string& prefix) {
  return mDb
      .QueryValue("SELECT OprndDescription FROM " + T(prefix, "LdrOperands") + " WHERE OprndType=" + Num(opType) +
                  " AND OprndAddress=" + Num(opAddress))
      .AsText();
}

void clsBufferServices::PrepareJumpToReferencedElements(const std::string& prefix) {
  const std::string operands = T(prefix, "LdrOperands");
  if (DoesTableExist(T(prefix, "LdrFunctions")))
    mDb.Execute("UPDATE " + operands + " SET OprndDescription=(SELECT FuncName FROM " + T(prefix, "LdrFunctions") +
                " f WHERE f.FuncID=" + operands + ".OprndAddress) WHERE OprndType=" + Num(kSubroutineOperand) +
                " AND OprndAddress IN (SELECT FuncID FROM " + T(prefix, "LdrFunctions") + ")");
  if (DoesTableExist(T(prefix, "Pages")))
    mDb.Execute("UPDATE " + operands + " SET OprndDescription=(SELECT Description FROM " + T(prefix, "Pages") +
                " p WHERE p.Id=" + operands + ".OprndAddress) WHERE OprndType=" + Num(kPageOperand) +
                " AND OprndAddress IN (SELECT Id FROM " + T(prefix, "Pages") + ")");
  if (DoesTableExist(T(prefix, "LdrStrips")))
    mDb.Execute("UPDATE " + operands + " SET OprndDescription=(SELECT LblName FROM " + T(prefix, "LdrStrips") +
                " s WHERE s.StrpType=3 AND s.StripID=" + operands +
                ".OprndAddress) WHERE OprndType=" + Num(kLabelOperand) + " AND OprndAddress IN (SELECT StripID FROM " +
                T(prefix, "LdrStrips") + " WHERE StrpType=3)");
}

void clsBufferServices::SetStripsBufferCompileDirtyBitForBuildAll(const std::string& prefix) {
  mDb.Execute("UPDATE " + T(prefix, "LdrStrips") +
              " SET CompileDirtyBit=-1 WHERE IsCompilable=-1 AND StrpType IN (1,4)");
}

void clsBufferServices::HandleOrphandFBsChildsInBuffer(const std::string& prefix) {
  const std::string elements = T(prefix, "LdrElements");
  mDb.Execute("UPDATE " + elements + " SET MoreParamsLng=" + Num(kOrphanedMethod) +
              " WHERE ElmntType BETWEEN 100000 AND 999999 AND MoreParamsLng>0 AND ElmntType % 100 <> 1 AND "
              "((ElmntType/100)*100 || ' ' || MoreParamsLng) NOT IN (SELECT ((ElmntType/100)*100 || ' ' || "
              "MoreParamsLng) FROM " +
              elements + " WHERE ElmntType BETWEEN 100000 AND 999999 AND ElmntType % 100 = 1)");
}

void clsBufferServices::HandleFathersMissingFromProject(const std::string& prefix) {
  if (!DoesTableExist(T(prefix, "FB_Fathers"))) return;
  mDb.Execute("INSERT INTO FB_Fathers (FatherID, HexFile, HexFileJumpsMap, MemorySize, MinBiosVersion, "
              "HexFileVersion, InstanceType, FatherName, FatherTitle, FatherDescription) SELECT FatherID, HexFile, "
              "HexFileJumpsMap, MemorySize, MinBiosVersion, HexFileVersion, InstanceType, FatherName, FatherTitle, "
              "FatherDescription FROM " +
              T(prefix, "FB_Fathers") + " WHERE FatherID NOT IN (SELECT FatherID FROM FB_Fathers)");
}

void clsBufferServices::RemoveFBsHexFileFromBufferTable(const std::string& prefix) {
  db::Transaction transaction(mDb);
  const db::Blob empty(2, 0);
  mDb.Execute("UPDATE " + T(prefix, "FB_Fathers") + " SET HexFile=?, HexFileJumpsMap=?", {empty, empty});
  transaction.Commit();
}

long clsBufferServices::GetNewInstanceNumberFromLdrElementsTable(long fatherID) {
  return FunctionBlockInstances(mDb).NextInstanceNumber(fatherID);
}

void clsBufferServices::HandleFBsInstanceDescriptions(const std::string& dstTbl, const std::string&,
                                                      const std::string& prefix) {
  BlockInstanceBuffer(mDb).MakeDescriptionsUnique(dstTbl, prefix);
}

void clsBufferServices::HandleFBsDuplicateConfigInstancesForExternal(const std::string& dstTbl,
                                                                     const std::string& linkedTbl,
                                                                     const std::string& prefix, bool downloadUnits) {
  BlockInstanceBuffer(mDb).RenumberInstances(dstTbl, linkedTbl, prefix, downloadUnits);
}

bool clsBufferServices::AppendInstancesBufferTables(const std::string& prefix) {
  return BlockInstanceBuffer(mDb).AppendInstances(prefix);
}

void clsBufferServices::GiveInstanceIDsToNewlyAddedFB() { BlockInstanceBuffer(mDb).GiveInstanceIDs(); }

void clsBufferServices::HandleFBsOrphandChildsInTargetForExternalPaste(const std::string&, long firstID, long lastID) {
  BlockInstanceBuffer(mDb).NumberOrphans(firstID, lastID);
}

// --- references by name ------------------------------------------------------------------

namespace {

constexpr const char* kBlocks = "ElmntType BETWEEN 100000 AND 999999";

std::string BlobTypeList() {
  std::string list;
  for (long type : clsBufferServices::BlobReferenceTypes()) list += (list.empty() ? "" : ",") + Num(type);
  return "(" + list + ")";
}

} // namespace

const std::vector<long>& clsBufferServices::BlobReferenceTypes() {
  static const std::vector<long> types{1402, 1403, 1419, 1420, 1413, 1631, 1633, 120201, 1637, 1817, 1638,
                                       1642, 1643, 1666, 1667, 1805, 1668, 1673, 1679,   1686, 1687, 1804};
  return types;
}

// The elements that carry a saved name: those with a call or page operand,
// the block elements, and (with a hook) the blob-holding ones.
std::string clsBufferServices::NamedElementCondition(const std::string& elements, const std::string& slots) {
  std::string condition = "(" + elements + ".ElmntID IN (SELECT ElmntID FROM " + slots +
                          " WHERE Elmnt_Oprnd_Type IN (30,31)) OR (" + elements + "." + kBlocks + " AND " + elements +
                          ".ElmntType NOT IN " + BlobTypeList() + ")";
  if (mBlobReferences.SaveNames) condition += " OR " + elements + ".ElmntType IN " + BlobTypeList();
  return condition + ")";
}

void clsBufferServices::SaveCallsNames(const std::string& prefix) {
  if (prefix.empty()) throw std::invalid_argument("reference names are saved in buffer tables only");
  const std::string elements = T(prefix, "LdrElements"), slots = T(prefix, "LdrElmsOprs"),
                    operands = T(prefix, "LdrOperands");
  // Calls and page loads: the live target's name, else the operand's text.
  mDb.Execute("UPDATE " + elements + " SET MoreParamsStr=n.Name FROM (SELECT s.ElmntID, MIN(COALESCE(f.FuncName, " +
              "p.Description, o.OprndDescription, '')) AS Name FROM " + slots +
              " s LEFT JOIN LdrFunctions f ON s.Elmnt_Oprnd_Type=31 AND f.FuncID=s.Elmnt_Oprnd_Adrs LEFT JOIN Pages p "
              "ON s.Elmnt_Oprnd_Type=30 AND p.Id=s.Elmnt_Oprnd_Adrs LEFT JOIN " +
              operands +
              " o ON o.OprndType=s.Elmnt_Oprnd_Type AND o.OprndAddress=s.Elmnt_Oprnd_Adrs AND "
              "o.NetworkID=s.Elmnt_Oprnd_NetworkID WHERE s.Elmnt_Oprnd_Type IN (30,31) GROUP BY s.ElmntID) n WHERE " +
              elements + ".ElmntID=n.ElmntID");
  // Block elements: the description of their instance.
  mDb.Execute("UPDATE " + elements +
              " SET MoreParamsStr=IFNULL((SELECT i.InstanceDescription FROM FB_Instance_Details i WHERE "
              "i.FatherID=(" +
              elements + ".ElmntType/100)*100 AND i.InstanceNumber=" + elements + ".MoreParamsLng), '') WHERE " +
              kBlocks + " AND ElmntType NOT IN " + BlobTypeList());
  if (!mBlobReferences.SaveNames) return;
  auto rows =
      mDb.Query("SELECT ElmntID, ElmntType, MoreParamsBin FROM " + elements + " WHERE ElmntType IN " + BlobTypeList());
  auto update = mDb.Prepare("UPDATE " + elements + " SET MoreParamsStr=? WHERE ElmntID=?");
  for (const auto& row : rows.Rows()) {
    update.Reset();
    update.BindAll({mBlobReferences.SaveNames(row[1].AsLong(), row[2].AsBlob()), row[0]});
    update.Execute();
  }
}

long clsBufferServices::RestoreCalls(long firstElement, long lastElement) {
  const std::string range = " BETWEEN " + Num(firstElement) + " AND " + Num(lastElement);
  long linked = RestoreTargetsByName(kSubroutineOperand, range) + RestoreTargetsByName(kPageOperand, range) +
                RestoreInstancesByName(range) + RestoreBlobsByName(range);
  // The names go again, from the appended rows only.
  mDb.Execute("UPDATE LdrElements SET MoreParamsStr=NULL WHERE ElmntID" + range +
              " AND MoreParamsStr IS NOT NULL AND " + NamedElementCondition("LdrElements", "LdrElmsOprs"));
  return linked;
}

// A call or page load whose target is missing (or gone) is linked to the
// target of its saved name, when the project has one; one that still has a
// live target keeps it.
long clsBufferServices::RestoreTargetsByName(long callType, const std::string& range) {
  const bool calls = callType == kSubroutineOperand;
  const std::string targets = calls ? "SELECT FuncID AS ID, FuncName AS Name FROM LdrFunctions"
                                    : "SELECT Id AS ID, Description AS Name FROM Pages";
  const std::string type = Num(callType);
  const long linked =
      mDb.Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Adrs=n.ID FROM (SELECT e.ElmntID, (SELECT MIN(t.ID) FROM (" +
                  targets + ") t WHERE t.Name=e.MoreParamsStr) AS ID FROM LdrElements e WHERE e.ElmntID" + range +
                  " AND e.MoreParamsStr<>'') n WHERE LdrElmsOprs.ElmntID=n.ElmntID AND n.ID IS NOT NULL AND "
                  "LdrElmsOprs.Elmnt_Oprnd_Type=" +
                  type + " AND LdrElmsOprs.Elmnt_Oprnd_Adrs NOT IN (SELECT ID FROM (" + targets + "))");
  if (linked == 0) return 0;
  // Each target linked has its operand row, named after it.
  mDb.Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) SELECT DISTINCT " + type +
              ", s.Elmnt_Oprnd_Adrs, s.Elmnt_Oprnd_NetworkID, t.Name FROM LdrElmsOprs s JOIN (" + targets +
              ") t ON t.ID=s.Elmnt_Oprnd_Adrs WHERE s.ElmntID" + range + " AND s.Elmnt_Oprnd_Type=" + type +
              " AND NOT EXISTS (SELECT 1 FROM LdrOperands o WHERE o.OprndType=" + type +
              " AND o.OprndAddress=s.Elmnt_Oprnd_Adrs AND o.NetworkID=s.Elmnt_Oprnd_NetworkID)");
  // A missing reference nothing points at any more goes.
  mDb.Execute("DELETE FROM LdrOperands WHERE OprndType=" + type + " AND OprndAddress=" + Num(kMissingAddress) +
              " AND NOT EXISTS (SELECT 1 FROM LdrElmsOprs s WHERE s.Elmnt_Oprnd_Type=" + type +
              " AND s.Elmnt_Oprnd_Adrs=" + Num(kMissingAddress) +
              " AND s.Elmnt_Oprnd_NetworkID=LdrOperands.NetworkID)");
  return linked;
}

// A block method still marked orphaned (no code gave it an instance of its
// own) joins the instance of its father that has the saved description.
// Configuration elements make their instance and are never moved.
long clsBufferServices::RestoreInstancesByName(const std::string& range) {
  const std::string father = "(LdrElements.ElmntType/100)*100";
  const std::string byName =
      "FROM FB_Instance_Details i WHERE i.FatherID=" + father + " AND i.InstanceDescription=LdrElements.MoreParamsStr";
  return mDb.Execute("UPDATE LdrElements SET MoreParamsLng=(SELECT MIN(i.InstanceNumber) " + byName +
                     ") WHERE ElmntID" + range + " AND " + kBlocks + " AND ElmntType % 100 <> 1 AND ElmntType NOT IN " +
                     BlobTypeList() + " AND MoreParamsStr<>'' AND EXISTS (SELECT 1 " + byName +
                     ") AND MoreParamsLng=" + Num(kOrphanedMethod));
}

long clsBufferServices::RestoreBlobsByName(const std::string& range) {
  if (!mBlobReferences.Restore) return 0;
  auto rows = mDb.Query("SELECT ElmntID, ElmntType, MoreParamsBin, MoreParamsStr FROM LdrElements WHERE ElmntID" +
                        range + " AND ElmntType IN " + BlobTypeList() + " AND MoreParamsStr<>''");
  long linked = 0;
  for (const auto& row : rows.Rows()) {
    db::Blob params = row[2].AsBlob();
    if (!mBlobReferences.Restore(row[1].AsLong(), params, row[3].AsText(), mDb)) continue;
    mDb.Execute("UPDATE LdrElements SET MoreParamsBin=? WHERE ElmntID=?", {params, row[0]});
    ++linked;
  }
  return linked;
}

// --- questions -----------------------------------------------------------------------------

bool clsBufferServices::HasRows(const std::string& sql) { return !mDb.QueryValue(sql + " LIMIT 1").IsNull(); }

bool clsBufferServices::DoesBufferContainesNamedConsts(const std::string& prefix) {
  return HasRows("SELECT 1 FROM " + T(prefix, "LdrOperands") + " WHERE OprndType IN (34,35)");
}

bool clsBufferServices::DoesBufferContainesProtectedFunctions(const std::string& prefix) {
  return HasRows("SELECT 1 FROM " + T(prefix, "LdrFunctions") + " WHERE Protected<>0");
}

bool clsBufferServices::DoesBufferContainesMissingCallElements(const std::string& prefix) {
  return HasRows("SELECT 1 FROM " + T(prefix, "LdrElmsOprs") + " WHERE Elmnt_Oprnd_Adrs=" + Num(kMissingAddress));
}

bool clsBufferServices::DoesBufferContainesMissingFBs(const std::string& prefix) {
  return HasRows("SELECT 1 FROM " + T(prefix, "LdrElements") +
                 " WHERE ElmntType BETWEEN 100000 AND 999999 AND (ElmntType/100)*100 NOT IN (SELECT FatherID FROM "
                 "FB_Fathers)");
}

bool clsBufferServices::DoesBufferContainesDifferentFBsHexVers(const std::string& prefix) {
  if (!DoesTableExist(T(prefix, "FB_Fathers"))) return false;
  return HasRows(
      "SELECT 1 FROM " + T(prefix, "FB_Fathers") +
      " b JOIN FB_Fathers f ON f.FatherID=b.FatherID WHERE IFNULL(f.HexFileVersion,0)<>IFNULL(b.HexFileVersion,0)");
}

} // namespace ldr
