#pragma once
// The one shared record of what the editor is doing: work mode, running mouse
// process, whether a drop is possible, on-line, whether the project needs
// saving or compiling, and whether the open subroutine must be reloaded.
// Whenever a value that shapes the mouse pointer changes, the state chooses
// the pointer of the main board.

#include "core/LdrContext.h"

#include <memory>
#include <string>

namespace ldr {

class MainBoard;
class ViewRefresh;

// The pointer the main board should show: a host pointer code and, for the
// custom code 99, the resource picture to show.
struct PointerChoice {
  int Code = 0;
  std::string Picture;   // empty unless Code is 99
  bool IsCursor = false; // a cursor resource; otherwise an icon
  bool Changes = true;   // false: leave the pointer as it is
  bool operator==(const PointerChoice&) const = default;
};

// ReloadRequest
enum ReloadRequest : long { eRR_Redraw = 0, eRR_ReloadFunction = 1, eRR_NotifyHost = 2 };

class clsLdrState {
public:
  explicit clsLdrState(LdrContext& context);

  void Init(std::shared_ptr<MainBoard> board);
  bool Initialized() const { return mInitialized; }
  // The function view registers itself; nullptr when it goes away.
  void SetView(ViewRefresh* view) { mView = view; }
  ViewRefresh* View() const { return mView; }
  // The host's editor window given to Init (its text boxes edit strip texts).
  const std::shared_ptr<MainBoard>& Board() const { return mBoard; }

  long ReloadRequest() const { return mReloadRequest; }
  void SetReloadRequest(long request) { mReloadRequest = request; }
  bool OnLineActive() const { return mOnLineActive; }
  void SetOnLineActive(bool active);
  long WorkMode() const { return mWorkMode; }
  void SetWorkMode(long workMode);
  long MouseProcess() const { return mMouseProcess; }
  void SetMouseProcess(long process);
  bool NoDrop() const { return mNoDrop; }
  void SetNoDrop(bool noDrop);
  bool NeedToSave() const { return mNeedToSave; }
  void SetNeedToSave(bool needToSave) { mNeedToSave = needToSave; }
  bool NeedToCompile() const { return mNeedToCompile; }
  // Also sets NeedToSave: a change that needs compiling needs saving.
  void SetNeedToCompile(bool needToCompile);

  void UpdateMousePointer();
  // The pointer for the current values, without touching the board.
  PointerChoice ChoosePointer() const;
  void UpdateMdiButtonsStatus();
  void HandleReloadRequest();

private:
  LdrContext& mContext;
  std::shared_ptr<MainBoard> mBoard;
  ViewRefresh* mView = nullptr;
  long mWorkMode = 0;
  long mMouseProcess = 1;
  bool mNoDrop = false;
  bool mOnLineActive = false;
  bool mNeedToSave = false;
  bool mNeedToCompile = false;
  bool mInitialized = false;
  long mReloadRequest = eRR_Redraw;
};

} // namespace ldr
