#include "core/UndoStore.h"

namespace ldr {

bool UndoStore::Exists() {
  if (!mCreated)
    mCreated =
        mConnection.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {kTable}).AsLong() >
        0;
  return mCreated;
}

void UndoStore::Create() {
  if (Exists()) return;
  mConnection.Execute("CREATE TABLE IF NOT EXISTS undo_Steps (StepID INTEGER PRIMARY KEY AUTOINCREMENT, "
                      "Undone INTEGER NOT NULL DEFAULT 0, Name TEXT NOT NULL, Changes BLOB, Rows BLOB, "
                      "Bytes INTEGER NOT NULL DEFAULT 0)");
  mCreated = true;
}

void UndoStore::Push(const std::string& name, const db::Blob& changes, const db::Blob& rows) {
  Create();
  mConnection.Execute("DELETE FROM undo_Steps WHERE Undone<>0");
  mConnection.Execute("INSERT INTO undo_Steps (Name, Changes, Rows, Bytes) VALUES (?,?,?,?)",
                      {name, changes, rows, static_cast<long long>(changes.size() + rows.size())});
}

std::optional<UndoStep> UndoStore::Top(bool redo) {
  if (!Exists()) return std::nullopt;
  auto rows = mConnection.Query(redo ? "SELECT StepID, Name, Changes, Rows FROM undo_Steps WHERE Undone<>0 "
                                       "ORDER BY StepID LIMIT 1"
                                     : "SELECT StepID, Name, Changes, Rows FROM undo_Steps WHERE Undone=0 "
                                       "ORDER BY StepID DESC LIMIT 1");
  if (rows.IsEOF()) return std::nullopt;
  return UndoStep{rows.Field(0).AsInt64(), rows.Field(1).AsText(), rows.Field(2).AsBlob(), rows.Field(3).AsBlob()};
}

void UndoStore::SetUndone(std::int64_t id, bool undone) {
  mConnection.Execute("UPDATE undo_Steps SET Undone=? WHERE StepID=?", {undone, static_cast<long long>(id)});
}

std::vector<std::string> UndoStore::Names(bool redo) {
  std::vector<std::string> names;
  if (!Exists()) return names;
  auto rows = mConnection.QueryForward(redo ? "SELECT Name FROM undo_Steps WHERE Undone<>0 ORDER BY StepID"
                                            : "SELECT Name FROM undo_Steps WHERE Undone=0 ORDER BY StepID DESC");
  for (; !rows.IsEOF(); rows.MoveNext()) names.push_back(rows.Field(0).AsText());
  return names;
}

void UndoStore::Trim(long maxSteps, long long maxBytes) {
  if (!Exists()) return;
  if (maxSteps > 0)
    mConnection.Execute("DELETE FROM undo_Steps WHERE StepID NOT IN "
                        "(SELECT StepID FROM undo_Steps ORDER BY StepID DESC LIMIT ?)",
                        {maxSteps});
  if (maxBytes > 0)
    mConnection.Execute("DELETE FROM undo_Steps WHERE StepID IN (SELECT StepID FROM (SELECT StepID, "
                        "SUM(Bytes) OVER (ORDER BY StepID DESC) AS Kept FROM undo_Steps) WHERE Kept>?)",
                        {maxBytes});
}

void UndoStore::Clear() {
  if (Exists()) mConnection.Execute("DELETE FROM undo_Steps");
}

} // namespace ldr
