#include "core/KeylessLog.h"

#include "core/ProjectSchema.h"
#include "platform/database/Connection.h"
#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <map>

namespace ldr {

namespace {

constexpr int kInserted = 1, kDeleted = -1;

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

std::string Joined(const std::vector<std::string>& columns, const std::string& prefix) {
  std::string text;
  for (const auto& column : columns) text += (text.empty() ? "" : ",") + prefix + Quoted(column);
  return text;
}

// A text that tells rows apart by type and value.
std::string ContentKey(const std::vector<std::optional<db::DbValue>>& values) {
  std::string key;
  for (const auto& value : values) key += std::to_string(value->Raw().index()) + value->ToDisplay() + '\x1f';
  return key;
}

} // namespace

KeylessLog::KeylessLog(db::Connection& connection) : mConnection(connection) {
  for (const auto& name : ProjectSchema::TableNames()) {
    Table table{name, {}};
    bool keyed = false;
    auto info = mConnection.QueryForward("SELECT name, pk FROM pragma_table_info(?) ORDER BY cid", {name});
    for (; !info.IsEOF(); info.MoveNext()) {
      table.Columns.push_back(info.Field(0).AsText());
      keyed = keyed || info.Field(1).AsLong() != 0;
    }
    if (!keyed && !table.Columns.empty()) mTables.push_back(std::move(table));
  }
}

void KeylessLog::Install() {
  for (const auto& table : mTables) InstallTable(table);
}

void KeylessLog::InstallTable(const Table& table) {
  const std::string log = LogOf(table);
  const std::string columns = Joined(table.Columns, "");
  auto trigger = [&](const std::string& suffix, const std::string& event) {
    return "CREATE TEMP TRIGGER IF NOT EXISTS " + Quoted("undo_" + table.Name + suffix) + " AFTER " + event +
           " ON main." + Quoted(table.Name) + " BEGIN ";
  };
  // Inside a trigger the log is named without its database: temp comes first.
  const std::string into = "INSERT INTO " + Quoted("undo_log_" + table.Name) + "(Op," + columns + ") VALUES";
  const std::string oldRow = into + "(-1," + Joined(table.Columns, "OLD.") + "); ";
  const std::string newRow = into + "(1," + Joined(table.Columns, "NEW.") + "); ";
  mConnection.Execute("CREATE TEMP TABLE IF NOT EXISTS " + log + "(Seq INTEGER PRIMARY KEY, Op INTEGER," + columns +
                      ")");
  mConnection.Execute(trigger("_ins", "INSERT") + newRow + "END");
  mConnection.Execute(trigger("_del", "DELETE") + oldRow + "END");
  mConnection.Execute(trigger("_upd", "UPDATE") + oldRow + newRow + "END");
}

bool KeylessLog::Installed(const Table& table) {
  return mConnection.QueryValue("SELECT COUNT(*) FROM temp.sqlite_master WHERE name=?", {"undo_log_" + table.Name})
             .AsLong() > 0;
}

std::vector<db::ChangedRow> KeylessLog::Take() {
  std::vector<db::ChangedRow> deleted, inserted;
  for (const auto& table : mTables)
    if (Installed(table)) TakeTable(table, deleted, inserted);
  for (auto& row : inserted) deleted.push_back(std::move(row));
  return deleted;
}

void KeylessLog::TakeTable(const Table& table, std::vector<db::ChangedRow>& deleted,
                           std::vector<db::ChangedRow>& inserted) {
  // Net count per distinct row: an insert and a delete of equal rows cancel.
  std::map<std::string, std::pair<int, std::vector<std::optional<db::DbValue>>>> net;
  std::vector<std::string> order;
  {
    auto logged =
        mConnection.QueryForward("SELECT Op," + Joined(table.Columns, "") + " FROM " + LogOf(table) + " ORDER BY Seq");
    for (; !logged.IsEOF(); logged.MoveNext()) {
      std::vector<std::optional<db::DbValue>> values;
      for (size_t i = 0; i < table.Columns.size(); ++i) values.emplace_back(logged.Field(static_cast<int>(i) + 1));
      const std::string key = ContentKey(values);
      auto [entry, added] = net.try_emplace(key, 0, std::move(values));
      if (added) order.push_back(key);
      entry->second.first += logged.Field(0).AsLong() > 0 ? kInserted : kDeleted;
    }
  }
  if (order.empty()) return;
  mConnection.Execute("DELETE FROM " + LogOf(table));
  for (const auto& key : order) {
    const auto& [count, values] = net[key];
    db::ChangedRow row;
    row.Table = table.Name;
    row.Key.assign(values.size(), 1);
    row.Op = count > 0 ? db::ChangeOp::Insert : db::ChangeOp::Delete;
    auto& side = count > 0 ? row.New : row.Old;
    side = values;
    for (int i = 0; i < (count > 0 ? count : -count); ++i) (count > 0 ? inserted : deleted).push_back(row);
  }
}

void KeylessLog::Clear() {
  for (const auto& table : mTables)
    if (Installed(table)) mConnection.Execute("DELETE FROM " + LogOf(table));
}

const KeylessLog::Table* KeylessLog::Find(const std::string& name) const {
  for (const auto& table : mTables)
    if (table.Name == name) return &table;
  return nullptr;
}

void KeylessLog::Apply(const std::vector<db::ChangedRow>& rows) {
  for (const auto& row : rows) {
    const Table* table = Find(row.Table);
    const auto& values = row.Op == db::ChangeOp::Insert ? row.New : row.Old;
    if (!table || values.size() != table->Columns.size())
      throw db::DbError(SQLITE_CORRUPT, "a recorded row does not fit the table " + row.Table);
    db::Params params;
    for (const auto& value : values) params.push_back(value ? *value : db::DbValue());
    if (row.Op == db::ChangeOp::Insert) {
      std::string marks;
      for (size_t i = 0; i < values.size(); ++i) marks += i ? ",?" : "?";
      mConnection.Execute("INSERT INTO main." + Quoted(table->Name) + "(" + Joined(table->Columns, "") + ") VALUES(" +
                              marks + ")",
                          params);
      continue;
    }
    std::string match;
    for (const auto& column : table->Columns) match += (match.empty() ? "" : " AND ") + Quoted(column) + " IS ?";
    mConnection.Execute("DELETE FROM main." + Quoted(table->Name) + " WHERE rowid=(SELECT rowid FROM main." +
                            Quoted(table->Name) + " WHERE " + match + " LIMIT 1)",
                        params);
  }
}

std::vector<db::ChangedRow> KeylessLog::Inverted(const std::vector<db::ChangedRow>& rows) {
  std::vector<db::ChangedRow> inverted;
  // Deletes first again: what the step inserted goes before what it removed comes back.
  for (int pass = 0; pass < 2; ++pass)
    for (const auto& row : rows) {
      const bool wasInsert = row.Op == db::ChangeOp::Insert;
      if (wasInsert != (pass == 0)) continue;
      db::ChangedRow back = row;
      back.Op = wasInsert ? db::ChangeOp::Delete : db::ChangeOp::Insert;
      std::swap(back.Old, back.New);
      inverted.push_back(std::move(back));
    }
  return inverted;
}

} // namespace ldr
