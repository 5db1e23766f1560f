#include "core/UndoStamp.h"

#include "core/ProjectData.h"
#include "core/ProjectSchema.h"
#include "core/UndoStore.h"
#include "core/ViewStateFilter.h"
#include "platform/database/DbError.h"
#include "platform/database/RowDigest.h"
#include "platform/database/Transaction.h"

namespace ldr {

namespace {

// The rows of a project table that are ladder, not view state.
std::string LadderRowsOf(const std::string& table) {
  if (table != "ProjectSettings") return " FROM \"" + table + "\"";
  return " FROM ProjectSettings WHERE SettingKey NOT IN (" + std::to_string(ePSK_LastFunction) + "," +
         std::to_string(ePSK_CommentsHidden) + ")";
}

} // namespace

std::string UndoStamp::Summary() {
  std::string sql = "SELECT (SELECT schema_version FROM pragma_schema_version)";
  for (const auto& table : ProjectSchema::TableNames())
    sql += "||'|'||(SELECT count(*)||'/'||ifnull(max(rowid),0)" + LadderRowsOf(table) + ")";
  return "S" + mConnection.QueryValue(sql).AsText();
}

std::string UndoStamp::Digest() {
  db::RowDigest::Register(mConnection);
  ViewStateFilter viewState(mConnection);
  std::string digest = "D" + mConnection.QueryValue("PRAGMA schema_version").AsText();
  for (const auto& table : ProjectSchema::TableNames()) {
    std::string columns;
    auto info = mConnection.QueryForward("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table});
    for (size_t i = 0; !info.IsEOF(); info.MoveNext(), ++i)
      if (!viewState.IsViewColumn(table, i))
        columns += (columns.empty() ? "\"" : ",\"") + info.Field(0).AsText() + "\"";
    digest += "|" + mConnection
                        .QueryValue(std::string("SELECT ") + db::RowDigest::kFunction + "(" + columns + ")" +
                                    LadderRowsOf(table))
                        .AsText();
  }
  return digest;
}

void UndoStamp::Write(Kind kind) {
  // Creating the table changes the schema version: fingerprint after it.
  mConnection.Execute("CREATE TABLE IF NOT EXISTS undo_Stamp (StampID INTEGER PRIMARY KEY CHECK (StampID=1), "
                      "Kind INTEGER NOT NULL, Fingerprint TEXT NOT NULL)");
  const std::string fingerprint = kind == kSummary ? Summary() : Digest();
  mConnection.Execute("INSERT OR REPLACE INTO undo_Stamp (StampID, Kind, Fingerprint) VALUES (1, ?, ?)",
                      {static_cast<long>(kind), fingerprint});
}

void UndoStamp::AfterStep() { Write(kSummary); }

void UndoStamp::Seal() {
  if (mConnection.ReadOnly() || !HasHistory()) return;
  db::Transaction transaction(mConnection);
  Write(kDigest);
  transaction.Commit();
}

bool UndoStamp::HasHistory() {
  if (mConnection.QueryValue("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?", {UndoStore::kTable})
          .AsLong() == 0)
    return false;
  return mConnection.QueryValue("SELECT EXISTS (SELECT 1 FROM undo_Steps)").AsBool();
}

bool UndoStamp::ClearIfChanged() {
  if (mConnection.ReadOnly() || !HasHistory()) return false;
  bool fits = false;
  try {
    auto stamp = mConnection.Query("SELECT Kind, Fingerprint FROM undo_Stamp WHERE StampID=1");
    if (!stamp.IsEOF()) {
      const std::string stamped = stamp.Field(1).AsText();
      fits = stamped == (stamp.Field(0).AsLong() == kDigest ? Digest() : Summary());
    }
  } catch (const db::DbError&) {
    // No stamp table, or one damaged by hand: nothing vouches for the history.
  }
  if (fits) return false;
  UndoStore(mConnection).Clear();
  return true;
}

} // namespace ldr
