#pragma once
// Makes one write of a table fail, as a full disk or a broken constraint
// would: a TEMP trigger on the connection raises ABORT on the n-th INSERT,
// UPDATE or DELETE of the table. Only that connection sees the trigger; it
// goes with this object.

#include "platform/database/Connection.h"

#include <string>

namespace ldr::test {

class InjectedFailure {
public:
  static constexpr const char* kMessage = "injected failure";

  // `write` is INSERT, UPDATE or DELETE; `nth` counts from 1.
  InjectedFailure(db::Connection& db, const std::string& table, const std::string& write, int nth);
  ~InjectedFailure();
  InjectedFailure(const InjectedFailure&) = delete;
  InjectedFailure& operator=(const InjectedFailure&) = delete;

  // The statement that sets the same trap, for a script's `sql` command.
  static std::string TriggerSql(const std::string& name, const std::string& table, const std::string& write, int nth);
  static std::string CounterSql();

private:
  db::Connection& mDb;
  std::string mName;
};

} // namespace ldr::test
