#pragma once
// How high an expanded net may be, in grid rows; a collapsed net is one row
// and keeps its expanded height in OrgHeight. Stored heights outside these
// limits (damaged or foreign files) are brought inside them wherever a net's
// height is read or restored.

#include <algorithm>
#include <cstdint>
#include <string>

namespace ldr {

inline constexpr std::int32_t kNetMinRows = 5;
inline constexpr std::int32_t kNetMaxRows = 40;

inline std::int64_t ClampNetRows(std::int64_t rows) { return std::clamp<std::int64_t>(rows, kNetMinRows, kNetMaxRows); }

// The SQL expression of `column` brought inside the limits.
inline std::string ClampedNetRowsSql(const std::string& column) {
  return "MIN(MAX(" + column + "," + std::to_string(kNetMinRows) + ")," + std::to_string(kNetMaxRows) + ")";
}

} // namespace ldr
