#pragma once
// The kinds of strip a subroutine is made of, as stored in LdrStrips.StrpType.

#include <cstdint>

namespace ldr {

enum enStripType : std::int32_t {
  eST_Undefined = 0,
  eST_LdrNet = 1,
  eST_LdrComment = 2,
  eST_LdrLabel = 3,
  // Statement-list strips are stored by the host but have no strip class.
  eST_LdrSTL = 4,
};

} // namespace ldr
