#pragma once
// The shared value types of the host and its components: the published
// Boolean, the rectangle record and the work mode.

#include <cstdint>

namespace ldr {

// The published Boolean: -1 true, 0 false.
using UBool = std::int32_t;
inline constexpr UBool kUTrue = -1;
inline constexpr UBool kUFalse = 0;
inline constexpr UBool ToUBool(bool value) { return value ? kUTrue : kUFalse; }
inline constexpr bool FromUBool(UBool value) { return value != 0; }

// A rectangle in grid units.
struct Rect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool operator==(const Rect&) const = default;
};

enum WorkMode : std::int32_t { eWM_Select = 0, eWM_LineDrawing = 1 };

} // namespace ldr
