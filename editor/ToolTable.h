#pragma once
// The element tools of the toolbar: tool ID to element type, taken from the
// element type table and ordered by palette rank; IDs compare case-sensitively.
// Two tools give one type (1690).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ldr {

struct ElementTool {
  std::string_view ToolID;
  long ElementType;
};

class ToolTable {
public:
  // The 305 element tools in palette order.
  static const std::vector<ElementTool>& ElementTools();
  // The element type of an element tool; none for any other ID.
  static std::optional<long> ElementTypeOf(const std::string& toolID);
  // The tool ID that inserts `elementType` from the keyboard: only the
  // contact, coil, compare, two-input math, jump, store and counter types
  // have one; any other type gives an empty ID.
  static std::string KeyboardToolOf(long elementType);
};

} // namespace ldr
