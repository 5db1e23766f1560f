#include "core/EditCommit.h"

#include "core/ViewRefresh.h"
#include "core/clsLdrState.h"
#include "outside/HostServices.h"
#include "platform/database/Transaction.h"

namespace ldr {

EditCommit::EditCommit(LdrContext& ctx) : mCtx(ctx) {}

EditCommit::~EditCommit() { Disarm(); }

void EditCommit::Run(const std::function<void()>& hostCall) {
  if (mDepth > 0 || !mCtx.Connection) return hostCall();
  mConnection = mCtx.Connection;
  ++mDepth;
  Arm();
  try {
    hostCall();
    Disarm();
    if (mSavepoint) mSavepoint->Commit();
    mSavepoint.reset();
  } catch (...) {
    --mDepth;
    Disarm();
    const bool rolledBack = RollBack();
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

void EditCommit::Open() { mSavepoint = std::make_unique<db::Transaction>(*mConnection); }

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
