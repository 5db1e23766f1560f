#include "support/InjectedFailure.h"

namespace ldr::test {

// The counter lives in a TEMP table, so a rollback of the failing edit
// takes its counts back with it; only "the n-th write" matters.
std::string InjectedFailure::CounterSql() {
  return "CREATE TEMP TABLE IF NOT EXISTS injected_writes(name TEXT PRIMARY KEY, n INTEGER NOT NULL)";
}

std::string InjectedFailure::TriggerSql(const std::string& name, const std::string& table, const std::string& write,
                                        int nth) {
  return "CREATE TEMP TRIGGER " + name + " BEFORE " + write + " ON main." + table +
         " BEGIN INSERT OR IGNORE INTO injected_writes VALUES('" + name +
         "', 0); UPDATE injected_writes SET n = n + 1 WHERE name='" + name + "'; SELECT RAISE(ABORT, '" + kMessage +
         "') WHERE (SELECT n FROM injected_writes WHERE name='" + name + "') = " + std::to_string(nth) + "; END";
}

InjectedFailure::InjectedFailure(db::Connection& db, const std::string& table, const std::string& write, int nth)
    : mDb(db), mName("inject_" + table + "_" + write) {
  mDb.Execute(CounterSql());
  mDb.Execute(TriggerSql(mName, table, write, nth));
}

InjectedFailure::~InjectedFailure() {
  try {
    mDb.Execute("DROP TRIGGER IF EXISTS temp." + mName);
    mDb.Execute("DELETE FROM injected_writes WHERE name='" + mName + "'");
  } catch (...) {
    // The connection may be gone with the editor.
  }
}

} // namespace ldr::test
