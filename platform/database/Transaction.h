#pragma once
// A transaction scope guard over a savepoint: every host call that writes
// opens one, so its changes land whole or not at all. Nested guards nest
// savepoints. Leaving the scope without Commit (an exception, an early
// return) rolls the changes back.
//
// The outermost guard takes the write lock at once (BEGIN IMMEDIATE): a
// second writer on the same file waits for the busy timeout there, instead
// of failing later when its read snapshot has gone stale.

#include "platform/database/Connection.h"

#include <string>

namespace ldr::db {

class Transaction {
public:
  explicit Transaction(Connection& connection);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();
  void Rollback();

private:
  void Begin();

  Connection& mConnection;
  std::string mName;
  bool mOpen = true;
  bool mOutermost = false; // this guard began the database transaction
};

} // namespace ldr::db
