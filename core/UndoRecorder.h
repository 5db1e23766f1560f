#pragma once
// Records one undo step: from the first write of an edit to its end, every
// row the connection changes in the project's tables, without view state.

#include "core/KeylessLog.h"
#include "core/ViewStateFilter.h"
#include "platform/database/ChangeSession.h"

#include <memory>
#include <optional>

namespace ldr {

struct RecordedEdit {
  db::Blob Changes;
  db::Blob Rows;
};

class UndoRecorder {
public:
  explicit UndoRecorder(db::Connection& connection);

  // Makes sure the rows of tables without a key are logged; call it before
  // each transaction of a step.
  void Prepare() { mKeyless.Install(); }
  // Starts a step; call it inside the transaction of its first write.
  void Begin();
  bool Recording() const { return mSession != nullptr; }
  // Ends the step (inside a transaction): what it changed of the ladder, or
  // nothing when it changed only view state or nothing at all.
  std::optional<RecordedEdit> Finish();

  db::Connection& Connection() const { return mConnection; }

private:
  db::Connection& mConnection;
  KeylessLog mKeyless;
  ViewStateFilter mViewState;
  std::unique_ptr<db::ChangeSession> mSession;
};

} // namespace ldr
