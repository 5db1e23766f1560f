#include "platform/drawing/RectHelpers.h"

#include <algorithm>

namespace ldr::gdi {

void SetRect(Rect& r, int left, int top, int right, int bottom) { r = Rect{left, top, right, bottom}; }

void SetRectEmpty(Rect& r) { r = Rect{}; }

bool EqualRect(const Rect& a, const Rect& b) { return a == b; }

bool UnionRect(Rect& result, const Rect& a, const Rect& b) {
  if (IsRectEmpty(a) && IsRectEmpty(b)) {
    SetRectEmpty(result);
    return false;
  }
  if (IsRectEmpty(a)) {
    result = b;
  } else if (IsRectEmpty(b)) {
    result = a;
  } else {
    result = Rect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                  std::max(a.Bottom, b.Bottom)};
  }
  return true;
}

bool PtInRect(const Rect& r, Point p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

void InflateRect(Rect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}

void OffsetRect(Rect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

Rect NormalizeRect(const Rect& r) {
  return Rect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
              std::max(r.Top, r.Bottom)};
}

} // namespace ldr::gdi
