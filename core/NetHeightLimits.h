#pragma once
// How high a net may be, in grid rows. The resizer offers 5 to 40 rows;
// fitting a net to its elements may leave fewer, and a collapsed net is one
// row that keeps its expanded height in OrgHeight. Stored heights outside
// 1 to 40 rows (damaged or foreign files) are brought inside them wherever a
// net's height is read or restored.

#include <algorithm>
#include <cstdint>
#include <string>

namespace ldr {

inline constexpr std::int32_t kNetMinRows = 5;
inline constexpr std::int32_t kNetMaxRows = 40;
inline constexpr std::int32_t kNetFewestRows = 1;

inline std::int64_t ClampNetRows(std::int64_t rows) {
  return std::clamp<std::int64_t>(rows, kNetFewestRows, kNetMaxRows);
}

// The SQL expression of `column` brought inside the limits.
inline std::string ClampedNetRowsSql(const std::string& column) {
  return "MIN(MAX(" + column + "," + std::to_string(kNetFewestRows) + ")," + std::to_string(kNetMaxRows) + ")";
}

} // namespace ldr
