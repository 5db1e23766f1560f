#pragma once
// A prepared SQLite statement with bound parameters. Values typed by users are
// always bound here, never pasted into SQL text.

#include "platform/database/DbValue.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ldr::db {

using Params = std::vector<DbValue>;

class Connection;

class Statement {
public:
  // `owner` (optional) is told before the statement first writes.
  Statement(sqlite3* db, const std::string& sql, Connection* owner = nullptr);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Binds by 1-based position.
  Statement& Bind(int index, const DbValue& value);
  // Binds by name, with its prefix (":name", "@name", "$name").
  Statement& Bind(const std::string& name, const DbValue& value);
  // Binds every value in order, from position 1.
  Statement& BindAll(const Params& values);
  // Binds the columns of `source`'s current row to positions after
  // `offset` (offset+1 .. offset+n), as they are (no conversion): copies rows
  // between databases quickly.
  Statement& BindRowOf(const Statement& source, int offset = 0);
  void ClearBindings();
  // Binds the value of `column` of the current row of `source` as it is,
  // without a copy through DbValue (row copies between files).
  Statement& BindColumnOf(int index, const Statement& source, int column);

  // Steps once; true while a row is available.
  bool Step();
  // Runs to completion and returns the number of rows changed.
  int Execute();
  void Reset();

  int ColumnCount() const;
  std::string ColumnName(int index) const;
  DbValue Column(int index) const;
  // The size in bytes of a text or blob column of the current row (0 for
  // numbers and NULL).
  int ColumnBytes(int index) const;

  const std::string& Sql() const { return mSql; }

private:
  void Check(int rc) const;

  sqlite3* mDb = nullptr;
  sqlite3_stmt* mStmt = nullptr;
  Connection* mOwner = nullptr;
  std::string mSql;
};

} // namespace ldr::db
