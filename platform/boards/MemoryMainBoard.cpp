#include "platform/boards/MemoryMainBoard.h"

#include <stdexcept>

namespace ldr {

MemoryMainBoard::MemoryMainBoard()
    : mVertical(
          "vscrl", [this](const std::string& n) { return MoveFocus(n); },
          [this](const std::string& n) { return mFocus == n; }),
      mHorizontal(
          "hscrl", [this](const std::string& n) { return MoveFocus(n); },
          [this](const std::string& n) { return mFocus == n; }),
      mComment(
          "txtComment", [this](const std::string& n) { return MoveFocus(n); },
          [this](const std::string& n) { return mFocus == n; },
          [this](const std::string& n) {
            if (mFocus == n) mFocus.clear();
          }),
      mLabelComment(
          "txtLblComment", [this](const std::string& n) { return MoveFocus(n); },
          [this](const std::string& n) { return mFocus == n; },
          [this](const std::string& n) {
            if (mFocus == n) mFocus.clear();
          }) {}

bool MemoryMainBoard::HasControl(const std::string& name) const {
  return name == "vscrl" || name == "hscrl" || IsTextBox(name);
}

MemoryScrollBar& MemoryMainBoard::MemoryBar(const std::string& name) {
  if (name == "vscrl") return mVertical;
  if (name == "hscrl") return mHorizontal;
  throw std::out_of_range("The main board has no scroll bar named \"" + name + "\"");
}

MemoryTextBox& MemoryMainBoard::MemoryBox(const std::string& name) {
  if (name == "txtComment") return mComment;
  if (name == "txtLblComment") return mLabelComment;
  throw std::out_of_range("The main board has no text box named \"" + name + "\"");
}

bool MemoryMainBoard::MoveFocus(const std::string& target) {
  if (!mVisible || !mEnabled) return false;
  if (target == mFocus) return true;
  if (IsTextBox(mFocus) && !MemoryBox(mFocus).Validate()) return false;
  mFocus = target;
  return true;
}

bool MemoryMainBoard::SetFocus() { return MoveFocus(std::string()); }

bool MemoryMainBoard::ValidateControls() {
  if (IsTextBox(mFocus)) return MemoryBox(mFocus).Validate();
  return true;
}

void MemoryMainBoard::KeyDown(int keyCode, int shift) {
  mListeners.Notify([&](MainBoardEvents& l) { l.OnKeyDown(*this, keyCode, shift); });
  // The listeners may have moved the focus; the key goes where it is now.
  if (mFocus == "vscrl" || mFocus == "hscrl")
    MemoryBar(mFocus).SendKey(keyCode, shift);
  else if (IsTextBox(mFocus))
    MemoryBox(mFocus).KeyDown(keyCode, shift);
}

void MemoryMainBoard::KeyUp(int keyCode, int shift) {
  mListeners.Notify([&](MainBoardEvents& l) { l.OnKeyUp(*this, keyCode, shift); });
}

} // namespace ldr
