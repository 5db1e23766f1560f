#pragma once
// The border and zone tests every strip kind shares. Coordinates are grid
// points relative to the strip's top-left corner; the hit record's side
// flags tell on which side of a grid line the pixel lay.

#include "interfaces/ElementDefs.h"
#include "outside/operands/HitRecord.h"

#include <cstdint>

namespace ldr::StripGeometry {

// Inside the strip: 0 <= x <= 54 and 0 <= y <= height, except that a point
// on a border line whose pixel lay on the neighbour's side is outside.
inline bool HitInside(const HitRecord& hit, std::int32_t x, std::int32_t y, std::int32_t height) {
  if (x < 0 || x > LDR_STRIP_WIDTH || y < 0 || y > height) return false;
  if (x == 0 && hit.HorzSide == HitRecord::kLeftOfLine) return false;
  if (x == LDR_STRIP_WIDTH && hit.HorzSide == HitRecord::kOnOrRightOfLine) return false;
  if (y == 0 && hit.VertSide == HitRecord::kAboveLine) return false;
  if (y == height && hit.VertSide == HitRecord::kOnOrBelowLine) return false;
  return true;
}

// In the left zone: left of the edit zone, or on its first line from the left.
inline bool InLeftZone(const HitRecord& hit, std::int32_t x) {
  return x < EDITING_OFST_X || (x == EDITING_OFST_X && hit.HorzSide == HitRecord::kLeftOfLine);
}

} // namespace ldr::StripGeometry
