#include "platform/database/Transaction.h"

namespace ldr::db {

namespace {

// A savepoint opened by a caller's write hook must enclose this one.
Connection& Notified(Connection& connection) {
  connection.NotifyWrite();
  return connection;
}

} // namespace

Transaction::Transaction(Connection& connection)
    : mConnection(Notified(connection)), mName("ldr_sp" + std::to_string(connection.EnterSavepoint())) {
  try {
    Begin();
  } catch (...) {
    mConnection.LeaveSavepoint();
    throw;
  }
}

void Transaction::Begin() {
  // A read-only connection never writes: a deferred start takes no lock.
  mOutermost = !mConnection.InTransaction() && !mConnection.ReadOnly();
  if (mOutermost) mConnection.Execute("BEGIN IMMEDIATE");
  try {
    mConnection.Execute("SAVEPOINT " + mName);
  } catch (...) {
    if (mOutermost) mConnection.Execute("ROLLBACK");
    throw;
  }
}

Transaction::~Transaction() {
  if (!mOpen) return;
  try {
    Rollback();
  } catch (...) {
    // A destructor must not throw; the connection reports the next error.
  }
}

void Transaction::Commit() {
  if (!mOpen) return;
  mConnection.Execute("RELEASE " + mName);
  if (mOutermost) mConnection.Execute("COMMIT");
  mOpen = false;
  mConnection.LeaveSavepoint();
}

void Transaction::Rollback() {
  if (!mOpen) return;
  mOpen = false;
  mConnection.LeaveSavepoint();
  if (mOutermost) {
    mConnection.Execute("ROLLBACK");
    return;
  }
  mConnection.Execute("ROLLBACK TO " + mName);
  mConnection.Execute("RELEASE " + mName);
}

} // namespace ldr::db
