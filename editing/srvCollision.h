#pragma once
// The geometry every placing process uses: whether elements overlap, whether
// they lie wholly inside a rectangle and, if not, by how much that rectangle
// would have to grow. Hosts may create it too.
//
// Rectangles are grid units with Right and Bottom one past the covered area.
// A line element has an empty rectangle (zero width or height) and is tested
// as a segment: lines never collide with lines, and a line collides with an
// element only when it passes through the element's inside or an end lies
// strictly inside it; touching or ending on an edge is no collision.

#include "interfaces/itfLdrNet.h"
#include "outside/utilities/UtilityTypes.h"

#include <cstdint>

namespace ldr {

class srvCollision {
public:
  // The largest excess, with its sign, found by the last
  // AreElementsWhollyInRect (negative: beyond the left or top edge).
  std::int32_t ExtendVerticalValue() const { return mExtendVertical; }
  std::int32_t ExtendHorizontalValue() const { return mExtendHorizontal; }

  bool DoesElementsOverlap(const ElementCollection& staticElements, const ElementCollection& movingElements) const;
  // r2 may be a segment (zero width or height).
  bool DoesRectanglesIntersect(const Rect& rect1, const Rect& rect2) const;
  // Tests every element (no early exit) and sets both extension values.
  bool AreElementsWhollyInRect(const ElementCollection& elements, const Rect& rect);

  // The building blocks, for callers that hold rectangles only.
  static bool IsStrictlyInside(std::int32_t x, std::int32_t y, const Rect& rect);
  // The intersection, all zeros when empty.
  static Rect Intersect(const Rect& a, const Rect& b);
  // `lineType` 100 is horizontal, 101 vertical, anything else runs from
  // (Left, Top) to (Right, Bottom).
  static bool DoesLineCrossRect(std::int32_t lineType, const Rect& line, const Rect& element);
  static bool DoRectsOverlap(const Rect& a, const Rect& b);

private:
  bool IsLineInside(const Rect& line, const Rect& rect) const;
  void KeepLargerExcess(const Rect& bounds, const Rect& rect);

  std::int32_t mExtendVertical = 0;
  std::int32_t mExtendHorizontal = 0;
};

} // namespace ldr
