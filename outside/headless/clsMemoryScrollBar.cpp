#include "outside/headless/clsMemoryScrollBar.h"

#include <algorithm>

namespace ldr {

void clsMemoryScrollBar::SetRange(int min, int max) {
  mMin = min;
  mMax = std::max(min, max);
  SetValue(mValue);
}

void clsMemoryScrollBar::SetValue(int value) {
  const int clamped = std::clamp(value, mMin, mMax);
  if (clamped == mValue) return;
  mValue = clamped;
  if (mOnChange) mOnChange(mValue);
}

} // namespace ldr
