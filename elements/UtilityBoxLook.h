#pragma once
// What a utility box shows and holds per type: the title drawn in the box
// (and the one printed), the resource picture drawn inside it (its
// "_SELECTED" twin while the box is selected), the tool tip and the numbers
// of input and output operands.

#include <cstdint>
#include <string_view>

namespace ldr {

struct UtilityBoxLook {
  std::int32_t Type;
  std::string_view Title;
  std::string_view PrintTitle;
  std::string_view Picture; // empty: no picture
  std::string_view ToolTip;
  std::int32_t Inputs;
  std::int32_t Outputs;
};

} // namespace ldr
