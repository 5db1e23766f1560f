#include "core/clsLdrState.h"

#include "core/ProjectData.h"
#include "core/ViewRefresh.h"
#include "core/enMouseProcess.h"
#include "outside/HostServices.h"
#include "platform/boards/MainBoard.h"

namespace ldr {

namespace {
constexpr int kPointerDefault = 0, kPointerArrow = 1, kPointerCross = 2, kPointerSizeNS = 7, kPointerNoDrop = 12,
              kPointerCustom = 99;

PointerChoice Plain(int code) { return {code, {}, false, true}; }
PointerChoice Custom(const char* picture, bool isCursor) { return {kPointerCustom, picture, isCursor, true}; }
} // namespace

clsLdrState::clsLdrState(LdrContext& context) : mContext(context) {}

void clsLdrState::Init(std::shared_ptr<MainBoard> board) {
  mBoard = std::move(board);
  mInitialized = true;
}

void clsLdrState::SetOnLineActive(bool active) {
  if (active == mOnLineActive) return;
  mNoDrop = false;
  mOnLineActive = active;
  UpdateMousePointer();
}

void clsLdrState::SetWorkMode(long workMode) {
  if (workMode == mWorkMode) return;
  mNoDrop = false;
  mWorkMode = workMode;
  UpdateMousePointer();
}

void clsLdrState::SetMouseProcess(long process) {
  if (process == mMouseProcess) return;
  mNoDrop = false;
  mMouseProcess = process;
  UpdateMousePointer();
}

void clsLdrState::SetNoDrop(bool noDrop) {
  if (noDrop == mNoDrop) return;
  mNoDrop = noDrop;
  UpdateMousePointer();
}

void clsLdrState::SetNeedToCompile(bool needToCompile) {
  mNeedToCompile = needToCompile;
  mNeedToSave = true;
}

PointerChoice clsLdrState::ChoosePointer() const {
  switch (mMouseProcess) {
  case eMP_QueryForProcess:
    return Plain(mWorkMode != 0 ? kPointerCross : kPointerDefault);
  case eMP_ElmntCreateProc:
  case eMP_LineCreateProc:
    return mNoDrop ? Plain(kPointerNoDrop) : Custom("ELMNT_CREATE", true);
  case eMP_StripCreateProc:
  case eMP_EditLabelProc:
  case eMP_EditPasteProc:
    return Plain(mNoDrop ? kPointerNoDrop : kPointerCross);
  case eMP_StripResizeProc:
    return Plain(mNoDrop ? kPointerNoDrop : kPointerSizeNS);
  case eMP_RectSelectProc:
    return Plain(mNoDrop ? kPointerNoDrop : kPointerArrow);
  case eMP_ElementMoveProc:
    if (mContext.AutoScrollDirection > 0) return Custom("DOWN_ARROW", false);
    if (mContext.AutoScrollDirection < 0) return Custom("UP_ARROW", false);
    if (mNoDrop) return Plain(kPointerNoDrop);
    return Custom(mContext.ElementCopy ? "ELMNT_COPY" : "ELMNT_MOVE", false);
  default:
    return {0, {}, false, false};
  }
}

void clsLdrState::UpdateMousePointer() {
  if (!mInitialized || !mBoard) return;
  PointerChoice choice = ChoosePointer();
  if (!choice.Changes) return;
  mBoard->SetMousePointer(choice.Code);
}

void clsLdrState::UpdateMdiButtonsStatus() {
  GuiService& gui = *mContext.Host->Gui;
  if (mNeedToCompile) {
    gui.NotifyNeedToCompile(true);
  } else if (mContext.Connection && IsNeedToCompile(*mContext.Connection)) {
    mNeedToCompile = true;
    gui.NotifyNeedToCompile(true);
  }
  if (mNeedToSave) gui.NotifyModified(true, 0);
}

void clsLdrState::HandleReloadRequest() {
  switch (mReloadRequest) {
  case eRR_Redraw:
    if (mView) mView->RedrawAll();
    break;
  case eRR_ReloadFunction:
    if (mView) mView->ReLoad();
    break;
  case eRR_NotifyHost:
    mContext.Host->Gui->RefreshMainWindow();
    break;
  default:
    break;
  }
  mReloadRequest = eRR_Redraw;
}

} // namespace ldr
