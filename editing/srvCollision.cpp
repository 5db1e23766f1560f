#include "editing/srvCollision.h"

#include "interfaces/itfLdrElement.h"

#include <algorithm>
#include <cstdlib>

namespace ldr {
namespace {

bool IsEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// Keeps `d` in `stored` when it is larger in magnitude.
void KeepLarger(std::int32_t& stored, std::int32_t d) {
  if (std::abs(d) > std::abs(stored)) stored = d;
}

} // namespace

bool srvCollision::IsStrictlyInside(std::int32_t x, std::int32_t y, const Rect& rect) {
  return rect.Left < x && x < rect.Right && rect.Top < y && y < rect.Bottom;
}

Rect srvCollision::Intersect(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
  return IsEmpty(r) ? Rect{} : r;
}

bool srvCollision::DoRectsOverlap(const Rect& a, const Rect& b) {
  const Rect r = Intersect(a, b);
  return r.Left + r.Top + r.Right + r.Bottom != 0;
}

bool srvCollision::DoesLineCrossRect(std::int32_t lineType, const Rect& line, const Rect& element) {
  const bool horizontal = lineType == eET_HorzLine;
  const std::int32_t x1 = line.Left;
  const std::int32_t y1 = line.Top;
  const std::int32_t x2 = lineType == eET_VertLine ? line.Left : line.Right;
  const std::int32_t y2 = horizontal ? line.Top : line.Bottom;
  if (IsStrictlyInside(x1, y1, element) || IsStrictlyInside(x2, y2, element)) return true;
  if (horizontal) return x1 <= element.Left && x2 >= element.Right && element.Top < y1 && y1 < element.Bottom;
  return y1 <= element.Top && y2 >= element.Bottom && element.Left < x1 && x1 < element.Right;
}

bool srvCollision::DoesElementsOverlap(const ElementCollection& staticElements,
                                       const ElementCollection& movingElements) const {
  for (const auto& [movingKey, moving] : movingElements) {
    const bool movingIsLine = moving->IsLineElement();
    const Rect movingRect = moving->GetBoundingRect();
    for (const auto& [staticKey, fixed] : staticElements) {
      const bool fixedIsLine = fixed->IsLineElement();
      if (movingIsLine && fixedIsLine) continue;
      bool overlap = false;
      if (movingIsLine) {
        overlap = DoesLineCrossRect(moving->ClassType(), movingRect, fixed->GetBoundingRect());
      } else if (fixedIsLine) {
        overlap = DoesLineCrossRect(fixed->ClassType(), fixed->GetBoundingRect(), movingRect);
      } else {
        overlap = DoRectsOverlap(fixed->GetBoundingRect(), movingRect);
      }
      if (overlap) return true;
    }
  }
  return false;
}

bool srvCollision::DoesRectanglesIntersect(const Rect& rect1, const Rect& rect2) const {
  const Rect& r = rect1;
  const Rect& s = rect2;
  if (s.Right - s.Left == 0 || s.Bottom - s.Top == 0) {
    if (IsStrictlyInside(s.Left, s.Top, r) || IsStrictlyInside(s.Right, s.Bottom, r)) return true;
    if (s.Left == s.Right) return r.Left < s.Left && s.Left < r.Right && s.Top <= r.Top && s.Bottom >= r.Bottom;
    return r.Top < s.Top && s.Top < r.Bottom && s.Left <= r.Left && s.Right >= r.Right;
  }
  return !IsEmpty(Intersect(r, s));
}

bool srvCollision::IsLineInside(const Rect& line, const Rect& rect) const {
  // A line may lie on the rectangle's left and right edges: the test widens
  // the rectangle by one column on each side.
  const Rect widened{rect.Left - 1, rect.Top, rect.Right + 1, rect.Bottom};
  return IsStrictlyInside(line.Left, line.Top, widened) && IsStrictlyInside(line.Right, line.Bottom, widened);
}

void srvCollision::KeepLargerExcess(const Rect& b, const Rect& rect) {
  if (b.Right > rect.Right) {
    KeepLarger(mExtendHorizontal, b.Right - rect.Right);
  } else if (b.Left < rect.Left) {
    KeepLarger(mExtendHorizontal, b.Left - rect.Left);
  }
  // Every rectangle the editor passes starts at row 0 of its net.
  if (b.Top < 0) {
    KeepLarger(mExtendVertical, b.Top);
  } else if (b.Bottom > rect.Bottom) {
    KeepLarger(mExtendVertical, b.Bottom - rect.Bottom);
  }
}

bool srvCollision::AreElementsWhollyInRect(const ElementCollection& elements, const Rect& rect) {
  mExtendVertical = 0;
  mExtendHorizontal = 0;
  bool allInside = true;
  for (const auto& [key, element] : elements) {
    const Rect b = element->GetBoundingRect();
    bool inside = false;
    if (IsEmpty(b)) {
      inside = IsLineInside(b, rect);
    } else {
      inside = Intersect(b, rect) == b;
      if (inside) {
        mExtendVertical = 0;
        mExtendHorizontal = 0;
      } else {
        KeepLargerExcess(b, rect);
      }
    }
    if (!inside) allInside = false;
  }
  return allInside;
}

} // namespace ldr
