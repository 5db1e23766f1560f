#include "platform/boards/MemoryTextBox.h"

namespace ldr {

MemoryTextBox::MemoryTextBox(std::string name, std::function<bool(const std::string&)> focusRequest,
                             std::function<bool(const std::string&)> focusQuery,
                             std::function<void(const std::string&)> focusLost)
    : mName(std::move(name)), mFocusRequest(std::move(focusRequest)), mFocusQuery(std::move(focusQuery)),
      mFocusLost(std::move(focusLost)) {}

void MemoryTextBox::SetText(const std::string& text) {
  if (text == mText) return;
  mText = text;
  mListeners.Notify([&](TextBoxEvents& l) { l.OnChange(*this); });
}

void MemoryTextBox::SetVisible(bool visible) {
  if (!visible && HasFocus()) {
    if (mFocusLost)
      mFocusLost(mName);
    else
      mOwnFocus = false;
  }
  mVisible = visible;
}

void MemoryTextBox::Move(int left, int top, int width, int height) {
  mLeft = left;
  mTop = top;
  mWidth = width;
  mHeight = height;
}

bool MemoryTextBox::HasFocus() const { return mFocusQuery ? mFocusQuery(mName) : mOwnFocus; }

bool MemoryTextBox::SetFocus() {
  if (!mVisible || !mEnabled) return false;
  if (mFocusRequest) return mFocusRequest(mName);
  mOwnFocus = true;
  return true;
}

bool MemoryTextBox::Validate() {
  bool cancel = false;
  mListeners.Notify([&](TextBoxEvents& l) { l.OnValidate(*this, cancel); });
  return !cancel;
}

void MemoryTextBox::KeyDown(int keyCode, int shift) {
  mListeners.Notify([&](TextBoxEvents& l) { l.OnKeyDown(*this, keyCode, shift); });
}

} // namespace ldr
