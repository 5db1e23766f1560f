#pragma once
// The main board held in memory, with its four controls. It keeps track of
// which control has the focus and validates a text box before the focus
// leaves it. Keys are raised with KeyDown and KeyUp: the board's listeners
// see them first, then the control that has the focus (a scroll bar moves,
// a text box tells its listeners).

#include "platform/boards/ListenerList.h"
#include "platform/boards/MainBoard.h"
#include "platform/boards/MemoryScrollBar.h"
#include "platform/boards/MemoryTextBox.h"

namespace ldr {

class MemoryMainBoard : public MainBoard {
public:
  MemoryMainBoard();
  MemoryMainBoard(const MemoryMainBoard&) = delete;
  MemoryMainBoard& operator=(const MemoryMainBoard&) = delete;

  bool HasControl(const std::string& name) const override;
  BoardScrollBar& ScrollBar(const std::string& name) override { return MemoryBar(name); }
  BoardTextBox& TextBox(const std::string& name) override { return MemoryBox(name); }
  std::string ActiveControl() const override { return mFocus; }

  int MousePointer() const override { return mMousePointer; }
  void SetMousePointer(int code) override { mMousePointer = code; }
  const gdi::Picture& MouseIcon() const override { return mMouseIcon; }
  void SetMouseIcon(const gdi::Picture& icon) override { mMouseIcon = icon; }

  bool HasFocus() const override { return mFocus.empty(); }
  bool SetFocus() override;
  bool Visible() const override { return mVisible; }
  void SetVisible(bool visible) override { mVisible = visible; }
  bool Enabled() const override { return mEnabled; }
  void SetEnabled(bool enabled) override { mEnabled = enabled; }

  bool ValidateControls() override;

  void AddListener(MainBoardEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(MainBoardEvents* listener) override { mListeners.Remove(listener); }

  // The controls as their memory classes, for the user's actions.
  MemoryScrollBar& MemoryBar(const std::string& name);
  MemoryTextBox& MemoryBox(const std::string& name);

  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);

private:
  bool MoveFocus(const std::string& target);
  bool IsTextBox(const std::string& name) const { return name == "txtComment" || name == "txtLblComment"; }

  MemoryScrollBar mVertical;
  MemoryScrollBar mHorizontal;
  MemoryTextBox mComment;
  MemoryTextBox mLabelComment;
  std::string mFocus;
  int mMousePointer = 0;
  gdi::Picture mMouseIcon;
  bool mVisible = true;
  bool mEnabled = true;
  ListenerList<MainBoardEvents> mListeners;
};

} // namespace ldr
