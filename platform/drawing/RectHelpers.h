#pragma once
// Rectangle helpers with the Windows semantics: a rectangle holds the points
// Left <= x < Right and Top <= y < Bottom; one with no such point is empty.

#include "platform/drawing/GdiTypes.h"

#include <algorithm>

namespace ldr::gdi {

void SetRect(Rect& r, int left, int top, int right, int bottom);
void SetRectEmpty(Rect& r);
// Inline: every drawing operation clips with these.
inline bool IsRectEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
bool EqualRect(const Rect& a, const Rect& b);
// The common part of a and b; false (and an empty result) when they do not meet.
inline bool IntersectRect(Rect& result, const Rect& a, const Rect& b) {
  const Rect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                    std::min(a.Bottom, b.Bottom)};
  result = IsRectEmpty(common) ? Rect{} : common;
  return !IsRectEmpty(common);
}
// The smallest rectangle holding both; an empty input is ignored.
bool UnionRect(Rect& result, const Rect& a, const Rect& b);
bool PtInRect(const Rect& r, Point p);
// Moves each side outwards by dx and dy (inwards when negative).
void InflateRect(Rect& r, int dx, int dy);
void OffsetRect(Rect& r, int dx, int dy);
// The rectangle with Left <= Right and Top <= Bottom spanning the same corners.
Rect NormalizeRect(const Rect& r);

} // namespace ldr::gdi
