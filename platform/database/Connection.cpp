#include "platform/database/Connection.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <cctype>
#include <filesystem>

namespace ldr::db {

namespace {
void CheckIdentifier(const std::string& name) {
  bool ok = !name.empty();
  for (char c : name) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
  if (!ok) throw DbError(SQLITE_MISUSE, "not a plain identifier: " + name);
}
} // namespace

std::shared_ptr<Connection> Connection::Open(const std::string& path, OpenMode mode) {
  namespace fs = std::filesystem;
  int flags = SQLITE_OPEN_READWRITE;
  std::string target = path;
  switch (mode) {
  case OpenMode::ExistingReadWrite: {
    std::error_code ec;
    if (!fs::exists(path, ec)) throw DbError(SQLITE_CANTOPEN, "no such file: " + path);
    if (fs::is_directory(path, ec)) throw DbError(SQLITE_CANTOPEN, "is a directory: " + path);
    break;
  }
  case OpenMode::CreateNew: {
    std::error_code ec;
    if (fs::exists(path, ec)) throw DbError(SQLITE_CANTOPEN, "file already exists: " + path);
    flags |= SQLITE_OPEN_CREATE;
    break;
  }
  case OpenMode::Memory:
    flags |= SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY;
    target = ":memory:";
    break;
  }
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(target.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    throw DbError(rc, message + ": " + path);
  }
  std::shared_ptr<Connection> connection(new Connection(db, path));
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  connection->Execute("PRAGMA foreign_keys=ON");
  return connection;
}

Connection::~Connection() { sqlite3_close_v2(mDb); }

void Connection::UseWriteAheadLog() {
  auto mode = QueryValue("PRAGMA journal_mode=WAL").AsText();
  if (mode != "wal" && mode != "memory") throw DbError(SQLITE_ERROR, "cannot use the write-ahead log (" + mode + ")");
}

void Connection::SetBusyTimeout(int milliseconds) { sqlite3_busy_timeout(mDb, milliseconds); }

Statement Connection::Prepare(const std::string& sql) { return Statement(mDb, sql, this); }

void Connection::NotifyWrite() {
  if (!mBeforeWrite) return;
  // Disarmed first: the hook itself opens a transaction.
  auto hook = std::move(mBeforeWrite);
  mBeforeWrite = nullptr;
  hook();
}

int Connection::Execute(const std::string& sql, const Params& params) {
  Statement statement(mDb, sql, this);
  statement.BindAll(params);
  return statement.Execute();
}

void Connection::ExecuteScript(const std::string& sql) {
  NotifyWrite();
  char* error = nullptr;
  int rc = sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errmsg(mDb);
    sqlite3_free(error);
    throw DbError(rc, message, sql.substr(0, 200));
  }
}

Recordset Connection::Query(const std::string& sql, const Params& params) {
  Statement statement(mDb, sql, this);
  statement.BindAll(params);
  return Recordset::Read(statement);
}

ForwardRecordset Connection::QueryForward(const std::string& sql, const Params& params) {
  Statement statement(mDb, sql, this);
  statement.BindAll(params);
  return ForwardRecordset(std::move(statement));
}

DbValue Connection::QueryValue(const std::string& sql, const Params& params) {
  Statement statement(mDb, sql, this);
  statement.BindAll(params);
  return statement.Step() && statement.ColumnCount() > 0 ? statement.Column(0) : DbValue();
}

std::int64_t Connection::AddRow(const std::string& table, const FieldList& fields) {
  CheckIdentifier(table);
  std::string columns, marks;
  Params values;
  for (const auto& [name, value] : fields) {
    CheckIdentifier(name);
    columns += (columns.empty() ? "" : ",") + name;
    marks += marks.empty() ? "?" : ",?";
    values.push_back(value);
  }
  std::string sql = fields.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                   : "INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ")";
  Execute(sql, values);
  return LastInsertRowId();
}

std::int64_t Connection::LastInsertRowId() const { return sqlite3_last_insert_rowid(mDb); }

int Connection::Changes() const { return sqlite3_changes(mDb); }

bool Connection::InTransaction() const { return sqlite3_get_autocommit(mDb) == 0; }

} // namespace ldr::db
