#pragma once
// The project tables without a primary key (operand rows of elements, block
// instances) are beyond SQLite's change sessions. Triggers of this
// connection log their inserted and deleted rows in temporary tables, so an
// undo step can take them back by content: equal rows are interchangeable.

#include "platform/database/Changeset.h"

#include <string>
#include <vector>

namespace ldr {

class KeylessLog {
public:
  explicit KeylessLog(db::Connection& connection);

  // Creates the log tables and triggers unless they are there. Best outside
  // a transaction: a rollback takes what it created with it.
  void Install();
  // What the log holds, netted: the deleted rows first, then the inserted
  // ones, every column a key. Empties the log.
  std::vector<db::ChangedRow> Take();
  void Clear();

  // Deletes one row equal to each deleted row (none left: nothing to do)
  // and inserts each inserted row.
  void Apply(const std::vector<db::ChangedRow>& rows);
  static std::vector<db::ChangedRow> Inverted(const std::vector<db::ChangedRow>& rows);

private:
  struct Table {
    std::string Name;
    std::vector<std::string> Columns;
  };
  static std::string LogOf(const Table& table) { return "temp.\"undo_log_" + table.Name + "\""; }
  void InstallTable(const Table& table);
  bool Installed(const Table& table);
  void TakeTable(const Table& table, std::vector<db::ChangedRow>& deleted, std::vector<db::ChangedRow>& inserted);
  const Table* Find(const std::string& name) const;

  db::Connection& mConnection;
  std::vector<Table> mTables;
};

} // namespace ldr
