#pragma once
// One edit of the ladder as the host sees it (and as an undo list will
// record it). The writes of one host call land together or not at all: a
// savepoint opens at the call's first write, so calls that only read or draw
// take no lock, and is released when the call returns. A mouse gesture ends
// its edit with Commit (the state's flags, the action name to the host, a
// redraw) or Revert; Revert and an exception roll the writes back and load
// the view once from the database, so that it shows what is stored.
//
// Each edit is one undo step: recording starts at the first write and ends
// with the host call that leaves no mouse process running, so a gesture of
// several calls is one step, named by the last action name reported.

#include "core/LdrContext.h"

#include <functional>
#include <memory>
#include <string>

namespace ldr {

namespace db {
class Transaction;
}
class ActionNameTap;
class UndoRecorder;

class EditCommit {
public:
  explicit EditCommit(LdrContext& ctx);
  ~EditCommit();
  EditCommit(const EditCommit&) = delete;
  EditCommit& operator=(const EditCommit&) = delete;

  // Runs one host call as one unit of work. A call made while another runs
  // joins it. An exception rolls back and is passed on.
  void Run(const std::function<void()>& hostCall);

  // The gesture is done: `needToCompile` when it changed code, not only the
  // layout. An empty name reports nothing to the host.
  void Commit(const std::string& actionName, bool needToCompile);
  // The gesture is withdrawn: what it wrote is rolled back.
  void Revert();

  // Whether the running host call has written anything yet.
  bool Writing() const { return mSavepoint != nullptr; }
  // Whether an undo step is being recorded (a gesture has written).
  bool Recording() const;
  // Off: edits make no undo steps (for measuring what recording costs).
  void RecordUndo(bool on) { mRecordUndo = on; }

private:
  void Arm();
  void Disarm();
  void Open();
  // Rolls back what was written; true when there was anything.
  bool RollBack();
  void ReloadView();
  // Undo steps.
  ActionNameTap& Tap();
  void EndStepIfIdle();
  void StoreStep();

  LdrContext& mCtx;
  std::shared_ptr<db::Connection> mConnection; // of the running host call
  std::unique_ptr<db::Transaction> mSavepoint;
  int mDepth = 0;
  std::unique_ptr<UndoRecorder> mRecorder;
  bool mRecordUndo = true;
};

// The context's edit commit, made on first use.
EditCommit& EditsOf(LdrContext& ctx);

} // namespace ldr
