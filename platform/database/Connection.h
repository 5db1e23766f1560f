#pragma once
// One connection to a SQLite database file: foreign keys on, a busy timeout,
// and (once the caller has checked the file) the write-ahead log. Everything
// the component reads or writes goes through here.

#include "platform/database/ForwardRecordset.h"
#include "platform/database/Recordset.h"
#include "platform/database/Statement.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace ldr::db {

enum class OpenMode {
  ExistingReadWrite, // the file must exist
  ExistingReadOnly,  // the file must exist; nothing is ever written to it
  CreateNew,         // the file must not exist yet
  Memory             // a private in-memory database (path ignored)
};

using FieldList = std::vector<std::pair<std::string, DbValue>>;

class Connection {
public:
  static constexpr int kBusyTimeoutMs = 5000;

  static std::shared_ptr<Connection> Open(const std::string& path, OpenMode mode);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Switches the journal to write-ahead logging. Writes the file header, so
  // call it only on a file known to be ours.
  void UseWriteAheadLog();
  // How long a statement waits for another connection's lock before it
  // fails with SQLITE_BUSY.
  void SetBusyTimeout(int milliseconds);

  // Copies every write-ahead log frame into the database file, so the file
  // alone holds every committed change. Does not wait for other connections.
  void Checkpoint();
  // A private in-memory copy of the whole database, to work on without
  // touching the file.
  std::shared_ptr<Connection> CopyToMemory();
  // True once another connection has committed a change since the last call
  // (the first call only takes note).
  bool ChangedByOthers();

  Statement Prepare(const std::string& sql);
  // Runs a statement with bound values; returns the number of rows changed.
  int Execute(const std::string& sql, const Params& params = {});
  // Runs several statements without parameters (schema scripts).
  void ExecuteScript(const std::string& sql);
  // A static recordset of the query's rows.
  Recordset Query(const std::string& sql, const Params& params = {});
  // A forward-only recordset over the query.
  ForwardRecordset QueryForward(const std::string& sql, const Params& params = {});
  // The first field of the first row, Null when there is no row.
  DbValue QueryValue(const std::string& sql, const Params& params = {});
  // Adds a row to `table` and returns its new key. Column names come from
  // code, values are bound.
  std::int64_t AddRow(const std::string& table, const FieldList& fields);

  std::int64_t LastInsertRowId() const;
  int Changes() const;
  bool InTransaction() const;
  bool ReadOnly() const;
  const std::string& Path() const { return mPath; }
  sqlite3* Handle() const { return mDb; }

  // Savepoint naming for nested transactions (see Transaction).
  int EnterSavepoint() { return ++mSavepointDepth; }
  void LeaveSavepoint() { --mSavepointDepth; }

  // Runs `hook` once, just before the next statement that writes (or the
  // next transaction) starts, so that a caller can open its savepoint only
  // when there is something to keep together. An empty hook disarms it.
  void SetBeforeWrite(std::function<void()> hook) { mBeforeWrite = std::move(hook); }
  // Statements and transactions call this before they write.
  void NotifyWrite();

private:
  Connection(sqlite3* db, std::string path) : mDb(db), mPath(std::move(path)) {}

  sqlite3* mDb;
  std::string mPath;
  int mSavepointDepth = 0;
  long long mDataVersion = -1;
  std::function<void()> mBeforeWrite;
};

} // namespace ldr::db
