#pragma once
// The headless GUI service: scroll bars in memory, and everything the
// component tells the main window kept for inspection. Context menus take the
// script's queued choice (none: dismissed) and write
//   menu N -> "TOOL"
// Texts shown to the user outside a numbered message or a message box
// (ShowText: status texts, paste and import notices) are written as
// `notice "TEXT"`.

#include "outside/headless/HeadlessAnswers.h"
#include "outside/headless/LogSink.h"
#include "outside/utilities/GuiService.h"
#include "outside/utilities/OperandValues.h"
#include "platform/boards/MemoryScrollBar.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

struct OnlineOperandRequest {
  long NetworkID = 0;
  long OperandType = 0;
  long Address = 0;
  long ElementType = 0;
};

class HeadlessGui : public GuiService {
public:
  HeadlessGui(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log);

  BoardScrollBar& VerticalScrollBar() override { return *mVertical; }
  BoardScrollBar& HorizontalScrollBar() override { return *mHorizontal; }
  // The scroll bars are the main board's once the host has made it; until
  // then the service keeps bars of its own.
  void AttachScrollBars(BoardScrollBar& vertical, BoardScrollBar& horizontal) {
    mVertical = &vertical;
    mHorizontal = &horizontal;
  }

  void SetMousePointer(int code) override { mPointer = code; }
  int MousePointer() const override { return mPointer; }
  void RefreshPointer() override { ++mPointerRefreshes; }

  std::string ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools = {}, bool atPointer = true,
                              const std::string& text = {}) override;

  void SetTitle(const std::string& title) override { mTitle = title; }
  void NotifyModified(bool modified, int code) override;
  void NotifyNeedToCompile(bool needed) override { mNeedToCompile = needed; }
  void SetWorkModeButton(int workMode) override { mWorkMode = workMode; }
  void SetCommandEnabled(const std::string& commandID, bool enabled) override { mCommands[commandID] = enabled; }
  void RefreshMainWindow() override { ++mMainWindowRefreshes; }
  void RefreshBlockLibrary() override { ++mBlockLibraryRefreshes; }
  void ShowOperandOnline(long networkID, long operandType, long address, long elementType) override;
  void ShowText(int kind, const std::string& text) override;

  // What the main window was told.
  const std::string& Title() const { return mTitle; }
  bool Modified() const { return mModified; }
  int LastModifiedCode() const { return mModifiedCode; }
  bool NeedToCompile() const { return mNeedToCompile; }
  int WorkMode() const { return mWorkMode; }
  // -1 when never set, else 0 / 1.
  int CommandEnabled(const std::string& commandID) const;
  int PointerRefreshes() const { return mPointerRefreshes; }
  int MainWindowRefreshes() const { return mMainWindowRefreshes; }
  int BlockLibraryRefreshes() const { return mBlockLibraryRefreshes; }
  const std::vector<OnlineOperandRequest>& OnlineRequests() const { return mOnlineRequests; }
  const std::vector<int>& MenusShown() const { return mMenusShown; }
  const std::vector<std::string>& LastDisabledTools() const { return mLastDisabledTools; }

private:
  std::shared_ptr<HeadlessAnswers> mAnswers;
  std::shared_ptr<LogSink> mLog;
  MemoryScrollBar mOwnVertical{"vscrl"};
  MemoryScrollBar mOwnHorizontal{"hscrl"};
  BoardScrollBar* mVertical = &mOwnVertical;
  BoardScrollBar* mHorizontal = &mOwnHorizontal;
  int mPointer = 0;
  int mPointerRefreshes = 0;
  std::string mTitle;
  bool mModified = false;
  int mModifiedCode = -1;
  bool mNeedToCompile = false;
  int mWorkMode = 0;
  std::map<std::string, bool> mCommands;
  int mMainWindowRefreshes = 0;
  int mBlockLibraryRefreshes = 0;
  std::vector<OnlineOperandRequest> mOnlineRequests;
  std::vector<int> mMenusShown;
  std::vector<std::string> mLastDisabledTools;
};

} // namespace ldr
