#include "platform/boards/MemoryScrollBar.h"

#include <algorithm>

namespace ldr {
namespace {

constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;

} // namespace

MemoryScrollBar::MemoryScrollBar(std::string name, std::function<bool(const std::string&)> focusRequest,
                                 std::function<bool(const std::string&)> focusQuery)
    : mName(std::move(name)), mFocusRequest(std::move(focusRequest)), mFocusQuery(std::move(focusQuery)) {}

int MemoryScrollBar::Clamped(int value) const {
  // A bar may run backwards (Min > Max); the value stays between the two.
  return std::clamp(value, std::min(mMin, mMax), std::max(mMin, mMax));
}

void MemoryScrollBar::RaiseChange() {
  int value = mValue;
  mListeners.Notify([&](ScrollBarEvents& l) { l.OnChange(*this, value); });
}

void MemoryScrollBar::SetRange(int min, int max) {
  mMin = min;
  mMax = max;
  int held = Clamped(mValue);
  if (held != mValue) {
    mValue = held;
    RaiseChange();
  }
}

void MemoryScrollBar::SetValue(int value) {
  int wanted = Clamped(value);
  if (wanted == mValue) return;
  mValue = wanted;
  RaiseChange();
}

bool MemoryScrollBar::HasFocus() const { return mFocusQuery ? mFocusQuery(mName) : mOwnFocus; }

bool MemoryScrollBar::SetFocus() {
  if (!mVisible || !mEnabled) return false;
  if (mFocusRequest) return mFocusRequest(mName);
  mOwnFocus = true;
  return true;
}

void MemoryScrollBar::SendKey(int keyCode, int /*shift*/) {
  if (!mEnabled) return;
  int step = mMax >= mMin ? 1 : -1; // backwards bars move the other way
  switch (keyCode) {
  case kUp:
  case kLeft:
    SetValue(mValue - step * mSmallChange);
    break;
  case kDown:
  case kRight:
    SetValue(mValue + step * mSmallChange);
    break;
  case kPageUp:
    SetValue(mValue - step * mLargeChange);
    break;
  case kPageDown:
    SetValue(mValue + step * mLargeChange);
    break;
  case kHome:
    SetValue(mMin);
    break;
  case kEnd:
    SetValue(mMax);
    break;
  default:
    break;
  }
}

void MemoryScrollBar::UserScroll(int value) {
  mValue = Clamped(value);
  int now = mValue;
  mListeners.Notify([&](ScrollBarEvents& l) { l.OnScroll(*this, now); });
}

void MemoryScrollBar::UserChange(int value) {
  mValue = Clamped(value);
  RaiseChange();
}

} // namespace ldr
