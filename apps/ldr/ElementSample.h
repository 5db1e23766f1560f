#pragma once
// A picture of one element type as the editor draws it, in its four looks:
// plain, conducting, selected, and selected while conducting. For checking
// a family's figure by eye (`ldr render-element`).

#include "platform/drawing/Bitmap.h"

#include <cstdint>

namespace ldr {

class ElementSample {
public:
  // One cell per look, 8 x 8 grid units (boxes: as large as they need); the looks in a 2 x 2 grid: columns
  // not conducting / conducting, rows not selected / selected.
  static constexpr int kCellColumns = 8;
  static constexpr int kCellRows = 8;

  // Throws std::invalid_argument for a type whose family is not built.
  static gdi::Bitmap Render(std::int32_t elementType);
};

} // namespace ldr
