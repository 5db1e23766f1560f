#pragma once
// Rectangle helpers with the Windows semantics: a rectangle holds the points
// Left <= x < Right and Top <= y < Bottom; one with no such point is empty.

#include "platform/drawing/GdiTypes.h"

namespace ldr::gdi {

void SetRect(Rect& r, int left, int top, int right, int bottom);
void SetRectEmpty(Rect& r);
bool IsRectEmpty(const Rect& r);
bool EqualRect(const Rect& a, const Rect& b);
// The common part of a and b; false (and an empty result) when they do not meet.
bool IntersectRect(Rect& result, const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty input is ignored.
bool UnionRect(Rect& result, const Rect& a, const Rect& b);
bool PtInRect(const Rect& r, Point p);
// Moves each side outwards by dx and dy (inwards when negative).
void InflateRect(Rect& r, int dx, int dy);
void OffsetRect(Rect& r, int dx, int dy);
// The rectangle with Left <= Right and Top <= Bottom spanning the same corners.
Rect NormalizeRect(const Rect& r);

} // namespace ldr::gdi
