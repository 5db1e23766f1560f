#include "core/EditCommit.h"

#include "core/ActionNameTap.h"
#include "core/UndoRecorder.h"
#include "core/UndoStamp.h"
#include "core/UndoStore.h"
#include "core/ViewRefresh.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "outside/HostServices.h"
#include "outside/utilities/OutsideSettingKeys.h"
#include "platform/database/Transaction.h"

namespace ldr {

namespace {
constexpr const char* kUnnamedStep = "Edit";
} // namespace

EditCommit::EditCommit(LdrContext& ctx) : mCtx(ctx) {}

EditCommit::~EditCommit() { Disarm(); }

void EditCommit::Run(const std::function<void()>& hostCall) {
  if (mDepth > 0 || !mCtx.Connection) return hostCall();
  mConnection = mCtx.Connection;
  if (!Recording()) Tap().Forget();
  ++mDepth;
  Arm();
  try {
    hostCall();
    Disarm();
    EndStepIfIdle();
    if (mSavepoint) mSavepoint->Commit();
    mSavepoint.reset();
  } catch (...) {
    --mDepth;
    Disarm();
    const bool rolledBack = RollBack();
    try {
      // What earlier calls of a gesture wrote is kept: it is a step still.
      EndStepIfIdle();
      if (mSavepoint) mSavepoint->Commit();
    } catch (...) {
      RollBack();
    }
    mSavepoint.reset();
    mConnection.reset();
    if (rolledBack) ReloadView();
    throw;
  }
  --mDepth;
  mConnection.reset();
}

void EditCommit::Commit(const std::string& actionName, bool needToCompile) {
  if (mCtx.State) {
    mCtx.State->SetNeedToSave(true);
    if (needToCompile) mCtx.State->SetNeedToCompile(true);
  }
  if (!actionName.empty()) {
    mCtx.ActionName = actionName;
    if (mCtx.Host && mCtx.Host->Actions) mCtx.Host->Actions->ReportAction(actionName);
  }
  if (mCtx.State && mCtx.State->View()) mCtx.State->View()->RedrawAll();
}

void EditCommit::Revert() {
  if (!RollBack()) return;
  ReloadView();
  // Whatever the call writes after this is kept together again.
  if (mDepth > 0) Arm();
}

void EditCommit::Arm() {
  if (mConnection) mConnection->SetBeforeWrite([this] { Open(); });
}

void EditCommit::Disarm() {
  if (mConnection) mConnection->SetBeforeWrite(nullptr);
}

void EditCommit::Open() {
  if (!mRecordUndo) {
    mSavepoint = std::make_unique<db::Transaction>(*mConnection);
    return;
  }
  if (!mRecorder || &mRecorder->Connection() != mConnection.get())
    mRecorder = std::make_unique<UndoRecorder>(*mConnection);
  // A Revert may have rolled back the log tables along with the writes.
  mRecorder->Prepare();
  mSavepoint = std::make_unique<db::Transaction>(*mConnection);
  if (!Recording()) mRecorder->Begin();
}

bool EditCommit::Recording() const { return mRecorder && mRecorder->Recording(); }

ActionNameTap& EditCommit::Tap() { return ActionNameTap::In(mCtx.Host->Actions); }

// The edit ends with the call that leaves no gesture running.
void EditCommit::EndStepIfIdle() {
  if (!Recording() || !mConnection || &mRecorder->Connection() != mConnection.get()) return;
  if (mCtx.State && mCtx.State->MouseProcess() != eMP_QueryForProcess) return;
  if (!mSavepoint) {
    mConnection->SetBeforeWrite(nullptr);
    mSavepoint = std::make_unique<db::Transaction>(*mConnection);
  }
  StoreStep();
}

void EditCommit::StoreStep() {
  auto edit = mRecorder->Finish();
  if (!edit) return;
  const std::string& name = Tap().Last().empty() ? std::string(kUnnamedStep) : Tap().Last();
  UndoStore store(*mConnection);
  store.Push(name, edit->Changes, edit->Rows);
  auto& settings = *mCtx.Host->Settings;
  const long maxSteps = settings.HostSettingLong(eHSS_Editor, UndoStore::kMaxStepsKey, 0);
  const long maxMegabytes = settings.HostSettingLong(eHSS_Editor, UndoStore::kMaxMegabytesKey, 0);
  if (maxSteps > 0 || maxMegabytes > 0) store.Trim(maxSteps, static_cast<long long>(maxMegabytes) << 20);
  UndoStamp(*mConnection).AfterStep();
}

bool EditCommit::RollBack() {
  if (!mSavepoint) return false;
  auto savepoint = std::move(mSavepoint);
  try {
    savepoint->Rollback();
  } catch (...) {
    // The connection reports its own fault at the next statement; the
    // view is loaded again all the same.
  }
  return true;
}

void EditCommit::ReloadView() {
  if (!mCtx.State || !mCtx.State->View()) return;
  try {
    mCtx.State->View()->ReLoad();
  } catch (...) {
    // The fault that made the rollback is the one the host hears of.
  }
}

EditCommit& EditsOf(LdrContext& ctx) {
  if (!ctx.Edits) ctx.Edits = std::make_unique<EditCommit>(ctx);
  return *ctx.Edits;
}

} // namespace ldr
