#include "platform/database/Statement.h"

#include "platform/database/Connection.h"
#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <utility>

namespace ldr::db {

Statement::Statement(sqlite3* db, const std::string& sql, Connection* owner) : mDb(db), mOwner(owner), mSql(sql) {
  const char* tail = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &mStmt, &tail);
  if (rc != SQLITE_OK) throw DbError(rc, sqlite3_errmsg(db), sql);
  if (mStmt == nullptr) throw DbError(SQLITE_MISUSE, "empty statement", sql);
}

Statement::~Statement() { sqlite3_finalize(mStmt); }

Statement::Statement(Statement&& other) noexcept
    : mDb(std::exchange(other.mDb, nullptr)), mStmt(std::exchange(other.mStmt, nullptr)),
      mOwner(std::exchange(other.mOwner, nullptr)), mSql(std::move(other.mSql)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(mStmt);
    mDb = std::exchange(other.mDb, nullptr);
    mStmt = std::exchange(other.mStmt, nullptr);
    mOwner = std::exchange(other.mOwner, nullptr);
    mSql = std::move(other.mSql);
  }
  return *this;
}

void Statement::Check(int rc) const {
  if (rc != SQLITE_OK) throw DbError(rc, sqlite3_errmsg(mDb), mSql);
}

Statement& Statement::Bind(int index, const DbValue& value) {
  const auto& raw = value.Raw();
  int rc = SQLITE_OK;
  if (value.IsNull()) {
    rc = sqlite3_bind_null(mStmt, index);
  } else if (auto* i = std::get_if<std::int64_t>(&raw)) {
    rc = sqlite3_bind_int64(mStmt, index, *i);
  } else if (auto* d = std::get_if<double>(&raw)) {
    rc = sqlite3_bind_double(mStmt, index, *d);
  } else if (auto* s = std::get_if<std::string>(&raw)) {
    rc = sqlite3_bind_text(mStmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
  } else if (auto* b = std::get_if<Blob>(&raw)) {
    rc = sqlite3_bind_blob(mStmt, index, b->data(), static_cast<int>(b->size()), SQLITE_TRANSIENT);
  }
  Check(rc);
  return *this;
}

Statement& Statement::Bind(const std::string& name, const DbValue& value) {
  int index = sqlite3_bind_parameter_index(mStmt, name.c_str());
  if (index == 0) throw DbError(SQLITE_RANGE, "no parameter named " + name, mSql);
  return Bind(index, value);
}

Statement& Statement::BindAll(const Params& values) {
  if (static_cast<int>(values.size()) > sqlite3_bind_parameter_count(mStmt))
    throw DbError(SQLITE_RANGE, "more values than parameters", mSql);
  for (size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i) + 1, values[i]);
  return *this;
}

Statement& Statement::BindColumnOf(int index, const Statement& source, int column) {
  Check(sqlite3_bind_value(mStmt, index, sqlite3_column_value(source.mStmt, column)));
  return *this;
}

int Statement::ColumnBytes(int index) const {
  // Asked of a number, SQLite would turn it into text first.
  const int type = sqlite3_column_type(mStmt, index);
  return type == SQLITE_TEXT || type == SQLITE_BLOB ? sqlite3_column_bytes(mStmt, index) : 0;
}

Statement& Statement::BindRowOf(const Statement& source, int offset) {
  const int count = sqlite3_column_count(source.mStmt);
  for (int i = 0; i < count; ++i) BindColumnOf(offset + i + 1, source, i);
  return *this;
}

void Statement::ClearBindings() { sqlite3_clear_bindings(mStmt); }

bool Statement::Step() {
  if (mOwner && !sqlite3_stmt_busy(mStmt) && !sqlite3_stmt_readonly(mStmt)) mOwner->NotifyWrite();
  int rc = sqlite3_step(mStmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // sqlite3_errmsg gives the extended message after a failed step.
  std::string message = sqlite3_errmsg(mDb);
  sqlite3_reset(mStmt);
  throw DbError(rc, message, mSql);
}

int Statement::Execute() {
  while (Step()) {
  }
  return sqlite3_changes(mDb);
}

void Statement::Reset() { sqlite3_reset(mStmt); }

int Statement::ColumnCount() const { return sqlite3_column_count(mStmt); }

std::string Statement::ColumnName(int index) const {
  const char* name = sqlite3_column_name(mStmt, index);
  return name ? name : "";
}

DbValue Statement::Column(int index) const {
  switch (sqlite3_column_type(mStmt, index)) {
  case SQLITE_INTEGER:
    return DbValue(static_cast<long long>(sqlite3_column_int64(mStmt, index)));
  case SQLITE_FLOAT:
    return DbValue(sqlite3_column_double(mStmt, index));
  case SQLITE_TEXT: {
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(mStmt, index));
    return DbValue(std::string(text, static_cast<size_t>(sqlite3_column_bytes(mStmt, index))));
  }
  case SQLITE_BLOB: {
    auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(mStmt, index));
    int size = sqlite3_column_bytes(mStmt, index);
    return DbValue(Blob(bytes, bytes + size));
  }
  default:
    return DbValue();
  }
}

} // namespace ldr::db
