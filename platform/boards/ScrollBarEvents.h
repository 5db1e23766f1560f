#pragma once
// What a scroll bar tells its listeners: Change when its value has changed
// (set by code, by a key, or at the end of a thumb drag) and Scroll while
// the user drags the thumb.

namespace ldr {

class BoardScrollBar;

class ScrollBarEvents {
public:
  virtual ~ScrollBarEvents() = default;
  virtual void OnChange(BoardScrollBar& bar, int value) = 0;
  virtual void OnScroll(BoardScrollBar& /*bar*/, int /*value*/) {}
};

} // namespace ldr
