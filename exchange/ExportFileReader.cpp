#include "exchange/ExportFileReader.h"

#include "exchange/clsBufferServices.h"
#include "platform/database/DbError.h"

#include <algorithm>
#include <cctype>

namespace ldr {

namespace {

constexpr const char* kPrefix = clsBufferServices::kExportPrefix;
constexpr const char* kIntKey = " NOT BETWEEN 1 AND 2147483647";
constexpr const char* kInt32 = " NOT BETWEEN -2147483648 AND 2147483647";

bool IsPlainName(const std::string& name) {
  if (name.empty() || name.size() > 128) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

std::string Buffer(const std::string& live) { return kPrefix + live; }

struct LiveColumn {
  std::string Name, Type;
  bool NotNull;
};

std::vector<LiveColumn> LiveColumns(db::Connection& db, const std::string& table) {
  std::vector<LiveColumn> columns;
  auto info = db.Query("PRAGMA table_info(" + table + ")");
  for (const auto& row : info.Rows()) columns.push_back({row[1].AsText(), row[2].AsText(), row[3].AsLong() != 0});
  return columns;
}

std::vector<std::string> FileColumns(db::Connection& file, const std::string& table) {
  std::vector<std::string> columns;
  auto info = file.Query("PRAGMA table_info(" + table + ")");
  for (const auto& row : info.Rows()) {
    const std::string name = row[1].AsText();
    if (!IsPlainName(name)) throw ExportFileError("the table " + table + " has a column that is not a plain name");
    columns.push_back(name);
  }
  return columns;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void CheckSize(const db::DbValue& value, const std::string& where) {
  if (value.IsText() && value.AsText().size() > ExportFileReader::kMaxTextBytes)
    throw ExportFileError("a text in " + where + " is longer than any the editor uses");
  if (value.IsBlob() && std::get<db::Blob>(value.Raw()).size() > ExportFileReader::kMaxBlobBytes)
    throw ExportFileError("a binary value in " + where + " is larger than any the editor uses");
}

} // namespace

const std::vector<ExportFileReader::ExpectedTable>& ExportFileReader::ExpectedTables() {
  static const std::vector<ExpectedTable> tables = {
      {"LdrFunctions", true, {"FuncID", "FuncName"}},
      {"LdrStrips", true, {"StripID", "FuncID", "SeqNum", "StrpType"}},
      {"LdrElements", true, {"ElmntID", "StripID", "ElmntType"}},
      {"LdrElmsOprs", true, {"ElmntID", "Elmnt_Oprnd_Type", "Elmnt_Oprnd_Adrs"}},
      {"LdrOperands", true, {"OprndType", "OprndAddress"}},
      {"FB_Methods", false, {"MethodID"}},
      {"FB_Fathers", false, {"FatherID"}},
      {"FB_Instance_Details", false, {"FatherID", "InstanceNumber"}},
  };
  return tables;
}

std::shared_ptr<db::Connection> ExportFileReader::OpenFile(const std::string& path) {
  std::shared_ptr<db::Connection> file;
  try {
    file = clsBufferServices::OpenBufferDB(path, true);
    auto check = file->Query("PRAGMA quick_check");
    if (check.IsEOF() || check.Field(0).AsText() != "ok") throw ExportFileError("the file is damaged");
    auto tables = file->Query("SELECT name FROM sqlite_master WHERE type='table'");
    for (const auto& row : tables.Rows())
      if (!IsPlainName(row[0].AsText())) throw ExportFileError("the file holds a table that is not a plain name");
  } catch (const db::DbError& e) {
    throw ExportFileError(e.Message());
  }
  return file;
}

long ExportFileReader::ReadVersion(const std::string& path) {
  auto file = OpenFile(path);
  try {
    const std::string props = Buffer("GeneralProps");
    if (file->QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {props}).AsLong() == 0)
      throw ExportFileError("the table " + props + " is missing");
    if (!Has(FileColumns(*file, props), "ExportedDBVersion"))
      throw ExportFileError("the column " + props + ".ExportedDBVersion is missing");
    auto rows = file->Query("SELECT ExportedDBVersion, typeof(ExportedDBVersion) FROM " + props + " LIMIT 2");
    if (rows.RecordCount() != 1 || rows.Field(1).AsText() != "integer")
      throw ExportFileError("the file does not name one version");
    const auto version = rows.Field(0).AsInt64();
    if (version < 0 || version > 1000000) throw ExportFileError("the file does not name one version");
    return static_cast<long>(version);
  } catch (const db::DbError& e) {
    throw ExportFileError(e.Message());
  }
}

void ExportFileReader::CopyIntoBuffers(const std::string& path) {
  auto file = OpenFile(path);
  try {
    for (const auto& expected : ExpectedTables()) CopyTable(*file, expected);
  } catch (const db::DbError& e) {
    throw ExportFileError(e.Message());
  }
  CheckRows();
}

void ExportFileReader::CreateEmptyBuffer(const ExpectedTable& expected) {
  std::string columns;
  for (const auto& column : LiveColumns(mProject, expected.Live))
    columns += (columns.empty() ? "" : ",") + column.Name + " " + column.Type;
  mProject.Execute("CREATE TABLE " + Buffer(expected.Live) + " (" + columns + ")");
}

void ExportFileReader::CopyTable(db::Connection& file, const ExpectedTable& expected) {
  const std::string table = Buffer(expected.Live);
  if (file.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {table}).AsLong() == 0) {
    if (expected.Required) throw ExportFileError("the table " + table + " is missing");
    return CreateEmptyBuffer(expected);
  }
  const auto fileColumns = FileColumns(file, table);
  for (const auto& column : expected.Columns)
    if (!Has(fileColumns, column)) throw ExportFileError("the column " + table + "." + column + " is missing");
  // The live table's columns that the file has, in the live order.
  std::string declared, names, marks;
  for (const auto& column : LiveColumns(mProject, expected.Live)) {
    if (!Has(fileColumns, column.Name)) continue;
    const bool first = names.empty();
    declared += (first ? "" : ",") + column.Name + " " + column.Type;
    names += (first ? "" : ",") + column.Name;
    marks += first ? "?" : ",?";
  }
  mProject.Execute("CREATE TABLE " + table + " (" + declared + ")");
  auto insert = mProject.Prepare("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")");
  auto read = file.Prepare("SELECT " + names + " FROM " + table);
  const int count = read.ColumnCount();
  while (read.Step()) {
    insert.Reset();
    for (int i = 0; i < count; ++i) {
      if (static_cast<std::size_t>(read.ColumnBytes(i)) > kMaxTextBytes) CheckSize(read.Column(i), table);
      insert.BindColumnOf(i + 1, read, i);
    }
    insert.Execute();
  }
}

void ExportFileReader::Refuse(const std::string& sql, const std::string& reason) {
  if (!mProject.QueryValue(sql + " LIMIT 1").IsNull()) throw ExportFileError(reason);
}

void ExportFileReader::CheckNotNull(const std::string& table, const std::string& column) {
  Refuse("SELECT 1 FROM " + table + " WHERE " + column + " IS NULL",
         "the column " + table + "." + column + " holds an empty value");
}

void ExportFileReader::CheckKeys(const std::string& table, const std::string& column, bool unique) {
  Refuse("SELECT 1 FROM " + table + " WHERE typeof(" + column + ")<>'integer' OR " + column + kIntKey,
         "the column " + table + "." + column + " holds a value that is not a key");
  if (unique)
    Refuse("SELECT 1 FROM " + table + " GROUP BY " + column + " HAVING COUNT(*)>1",
           "the column " + table + "." + column + " holds a key twice");
}

void ExportFileReader::CheckParents(const std::string& table, const std::string& column, const std::string& parent,
                                    const std::string& parentKey) {
  Refuse("SELECT 1 FROM " + table + " WHERE " + column + " NOT IN (SELECT " + parentKey + " FROM " + parent + ")",
         "a row of " + table + " belongs to no row of " + parent);
}

void ExportFileReader::CheckRows() {
  // Every column the live table keeps NOT NULL, and every one the import
  // works with, must hold a value.
  for (const auto& expected : ExpectedTables()) {
    const std::string table = Buffer(expected.Live);
    const auto present = FileColumns(mProject, table);
    for (const auto& column : LiveColumns(mProject, expected.Live))
      if ((column.NotNull || Has(expected.Columns, column.Name)) && Has(present, column.Name))
        CheckNotNull(table, column.Name);
  }
  const std::string functions = Buffer("LdrFunctions"), strips = Buffer("LdrStrips"), elements = Buffer("LdrElements"),
                    slots = Buffer("LdrElmsOprs"), operands = Buffer("LdrOperands");
  if (mProject.QueryValue("SELECT COUNT(*) FROM " + functions).AsLong() == 0)
    throw ExportFileError("the file holds no subroutine");
  CheckKeys(functions, "FuncID", true);
  Refuse("SELECT 1 FROM " + functions + " WHERE typeof(FuncName)<>'text' OR length(FuncName)=0 OR length(FuncName)>" +
             std::to_string(mMaxNameLength),
         "a subroutine name is empty or too long");
  CheckKeys(strips, "StripID", true);
  CheckKeys(strips, "FuncID", false);
  CheckParents(strips, "FuncID", functions, "FuncID");
  CheckKeys(elements, "ElmntID", true);
  CheckKeys(elements, "StripID", false);
  CheckParents(elements, "StripID", strips, "StripID");
  CheckKeys(slots, "ElmntID", false);
  CheckParents(slots, "ElmntID", elements, "ElmntID");
  for (const auto& [table, column] :
       std::vector<std::pair<std::string, std::string>>{{strips, "SeqNum"},
                                                        {strips, "StrpType"},
                                                        {elements, "ElmntType"},
                                                        {slots, "Elmnt_Oprnd_Type"},
                                                        {slots, "Elmnt_Oprnd_Adrs"},
                                                        {operands, "OprndType"},
                                                        {operands, "OprndAddress"},
                                                        {Buffer("FB_Instance_Details"), "FatherID"},
                                                        {Buffer("FB_Instance_Details"), "InstanceNumber"}})
    Refuse("SELECT 1 FROM " + table + " WHERE typeof(" + column + ")<>'integer' OR " + column + kInt32,
           "the column " + table + "." + column + " holds a value that is not a whole number");
  Refuse("SELECT 1 FROM " + slots + " WHERE Elmnt_Oprnd_Type IN (29,30,31) AND Elmnt_Oprnd_Adrs<0",
         "a reference in " + slots + " points nowhere");
  const std::string network = Has(FileColumns(mProject, operands), "NetworkID") ? ",NetworkID" : "";
  Refuse("SELECT 1 FROM " + operands + " GROUP BY OprndType,OprndAddress" + network + " HAVING COUNT(*)>1",
         "the file holds an operand twice");
  CheckKeys(Buffer("FB_Methods"), "MethodID", true);
  CheckKeys(Buffer("FB_Fathers"), "FatherID", true);
}

} // namespace ldr
