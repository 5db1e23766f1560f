#include "core/UndoHistory.h"

#include "core/UndoStamp.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"

#include <stdexcept>

namespace ldr {

namespace {

// A step that does not fit the rows any more.
class StepConflict : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Foreign keys are switched off while a step is applied, since the step
// holds every row a cascade once touched; they are checked at the end.
class ForeignKeysOff {
public:
  explicit ForeignKeysOff(db::Connection& connection) : mConnection(connection) {
    mActive = !connection.InTransaction();
    if (mActive) mConnection.Execute("PRAGMA foreign_keys=OFF");
  }
  ~ForeignKeysOff() {
    try {
      if (mActive) mConnection.Execute("PRAGMA foreign_keys=ON");
    } catch (...) {
    }
  }
  ForeignKeysOff(const ForeignKeysOff&) = delete;
  ForeignKeysOff& operator=(const ForeignKeysOff&) = delete;

private:
  db::Connection& mConnection;
  bool mActive = false;
};

std::string JsonList(const std::vector<std::int64_t>& ids) {
  std::string text = "[";
  for (auto id : ids) text += (text.size() > 1 ? "," : "") + std::to_string(id);
  return text + "]";
}

} // namespace

UndoHistory::UndoHistory(db::Connection& connection)
    : mConnection(connection), mStore(connection), mKeyless(connection), mViewState(connection) {}

UndoOutcome UndoHistory::Step(bool redo) {
  const char* verb = redo ? "redo" : "undo";
  UndoOutcome outcome;
  std::optional<UndoStep> step;
  try {
    step = mStore.Top(redo);
  } catch (const db::DbError& e) {
    step.reset();
    outcome.Message = std::string("The undo history cannot be read (") + e.Message() + ").";
    outcome.Result = UndoOutcome::Refused;
    return outcome;
  }
  if (!step) {
    outcome.Message = std::string("Nothing to ") + verb + ".";
    return outcome;
  }
  outcome.Name = step->Name;
  try {
    ForeignKeysOff keysOff(mConnection);
    db::Transaction transaction(mConnection);
    Apply(*step, redo, outcome.NetsDirty);
    mStore.SetUndone(step->ID, !redo);
    UndoStamp(mConnection).AfterStep();
    transaction.Commit();
    outcome.Result = UndoOutcome::Done;
  } catch (const std::exception& e) {
    outcome.Result = UndoOutcome::Refused;
    outcome.Message = std::string("Cannot ") + verb + " \"" + step->Name + "\": " + e.what() +
                      ". The project is unchanged; the undo history no longer fits it and was cleared.";
    try {
      mStore.Clear();
    } catch (...) {
    }
  }
  return outcome;
}

void UndoHistory::Apply(const UndoStep& step, bool redo, bool& netsDirty) {
  const db::Blob changes = redo ? step.Changes : db::Changeset::Invert(step.Changes);
  auto keyless = db::Changeset::Read(step.Rows);
  if (!redo) keyless = KeylessLog::Inverted(keyless);
  try {
    db::Changeset::Apply(mConnection, changes,
                         [this](db::ConflictKind kind, const db::ChangedRow& change,
                                const std::vector<db::DbValue>& current) { return OnConflict(kind, change, current); });
  } catch (const db::DbError&) {
    throw StepConflict("the project was changed since");
  }
  mKeyless.Apply(keyless);
  if (!mConnection.Query("PRAGMA foreign_key_check").IsEOF()) throw StepConflict("rows it needs are gone");
  mKeyless.Clear();
  auto touched = db::Changeset::Read(changes);
  touched.insert(touched.end(), keyless.begin(), keyless.end());
  netsDirty = MarkNetsDirty(touched);
}

db::ConflictAnswer UndoHistory::OnConflict(db::ConflictKind kind, const db::ChangedRow& change,
                                           const std::vector<db::DbValue>& current) {
  switch (kind) {
  case db::ConflictKind::NotFound:
    // A row to delete that is gone already is what the step wants.
    return change.Op == db::ChangeOp::Delete ? db::ConflictAnswer::Omit : db::ConflictAnswer::Abort;
  case db::ConflictKind::Data:
    // Differences in view state (a selection since) are no conflict.
    return mViewState.SameLadder(change, change.Old, current) ? db::ConflictAnswer::Replace : db::ConflictAnswer::Abort;
  case db::ConflictKind::Conflict:
    return mViewState.SameLadder(change, change.New, current) ? db::ConflictAnswer::Omit : db::ConflictAnswer::Abort;
  default:
    return db::ConflictAnswer::Abort;
  }
}

int UndoHistory::ColumnOf(const std::string& table, const std::string& column) {
  return static_cast<int>(
      mConnection.QueryValue("SELECT cid FROM pragma_table_info(?) WHERE name=?", {table, column}).AsInt64(-1));
}

bool UndoHistory::MarkNetsDirty(const std::vector<db::ChangedRow>& changes) {
  const int stripOfElement = ColumnOf("LdrElements", "StripID");
  std::vector<std::int64_t> strips, elements;
  auto valueAt = [](const db::ChangedRow& row, int column) -> std::optional<db::DbValue> {
    if (column < 0) return std::nullopt;
    const auto& side = row.Op == db::ChangeOp::Delete ? row.Old : row.New;
    if (static_cast<size_t>(column) < side.size() && side[column]) return side[column];
    if (static_cast<size_t>(column) < row.Old.size()) return row.Old[column];
    return std::nullopt;
  };
  for (const auto& row : changes) {
    if (row.Table == "LdrStrips") {
      if (auto id = valueAt(row, 0)) strips.push_back(id->AsInt64());
    } else if (row.Table == "LdrElements") {
      if (auto id = valueAt(row, 0)) elements.push_back(id->AsInt64());
      if (auto strip = valueAt(row, stripOfElement)) strips.push_back(strip->AsInt64());
    } else if (row.Table == "LdrElmsOprs") {
      if (auto id = valueAt(row, 0)) elements.push_back(id->AsInt64());
    }
  }
  if (strips.empty() && elements.empty()) return false;
  return mConnection.Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StrpType=1 AND "
                             "(StripID IN (SELECT value FROM json_each(?)) OR StripID IN "
                             "(SELECT StripID FROM LdrElements WHERE ElmntID IN (SELECT value FROM json_each(?))))",
                             {JsonList(strips), JsonList(elements)}) > 0;
}

} // namespace ldr
