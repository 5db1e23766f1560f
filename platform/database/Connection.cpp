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
  case OpenMode::ExistingReadOnly:
    flags = SQLITE_OPEN_READONLY;
    [[fallthrough]];
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

Connection::~Connection() {
  try {
    Checkpoint();
  } catch (...) {
    // Closing goes on: the log is replayed on the next open.
  }
  sqlite3_close_v2(mDb);
}

void Connection::Checkpoint() {
  if (ReadOnly()) return;
  int rc = sqlite3_wal_checkpoint_v2(mDb, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  // Not a write-ahead log database, or another connection is busy: nothing to do now.
  if (rc != SQLITE_OK && rc != SQLITE_BUSY && rc != SQLITE_LOCKED) throw DbError(rc, sqlite3_errmsg(mDb));
}

std::shared_ptr<Connection> Connection::CopyToMemory() {
  auto copy = Open(mPath, OpenMode::Memory);
  sqlite3_backup* backup = sqlite3_backup_init(copy->mDb, "main", mDb, "main");
  if (!backup) throw DbError(sqlite3_errcode(copy->mDb), sqlite3_errmsg(copy->mDb));
  int rc = sqlite3_backup_step(backup, -1);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) throw DbError(rc, sqlite3_errstr(rc) + std::string(": ") + mPath);
  return copy;
}

bool Connection::ChangedByOthers() {
  const long long version = QueryValue("PRAGMA data_version").AsInt64();
  const bool changed = mDataVersion >= 0 && version != mDataVersion;
  mDataVersion = version;
  return changed;
}

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

bool Connection::ReadOnly() const { return sqlite3_db_readonly(mDb, "main") == 1; }

} // namespace ldr::db
