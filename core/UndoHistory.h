#pragma once
// Undo and redo of the recorded steps (UndoStore). A step is applied in one
// transaction or not at all: a change that no longer fits the rows (another
// program changed them) refuses the whole step, and the history, which no
// longer describes the project, is dropped. View state stays as it is.

#include "core/KeylessLog.h"
#include "core/UndoStore.h"
#include "core/ViewStateFilter.h"

#include <string>

namespace ldr {

struct UndoOutcome {
  enum Kind { Done, Nothing, Refused };
  Kind Result = Nothing;
  std::string Name;    // of the step undone or redone
  std::string Message; // for the user, when not done
  bool NetsDirty = false;
};

class UndoHistory {
public:
  explicit UndoHistory(db::Connection& connection);

  UndoOutcome Undo() { return Step(false); }
  UndoOutcome Redo() { return Step(true); }
  UndoStore& Store() { return mStore; }

private:
  UndoOutcome Step(bool redo);
  void Apply(const UndoStep& step, bool redo, bool& netsDirty);
  db::ConflictAnswer OnConflict(db::ConflictKind kind, const db::ChangedRow& change,
                                const std::vector<db::DbValue>& current);
  bool MarkNetsDirty(const std::vector<db::ChangedRow>& changes);
  int ColumnOf(const std::string& table, const std::string& column);

  db::Connection& mConnection;
  UndoStore mStore;
  KeylessLog mKeyless;
  ViewStateFilter mViewState;
};

} // namespace ldr
