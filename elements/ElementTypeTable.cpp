#include "elements/ElementTypeTable.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ldr {
namespace {

constexpr ElementTypeRow kRows[] = {
#define LDR_ELEMENT_TYPE_ROW(name, value, family, title, tool, rank, keyboard, rows, picture, button, convert,         \
                             switchTool)                                                                               \
  {name, #name, family, title, tool, rank, keyboard, rows, picture, button, convert, switchTool},
    LDR_ELEMENT_TYPES(LDR_ELEMENT_TYPE_ROW)
#undef LDR_ELEMENT_TYPE_ROW
};

constexpr std::size_t kRowCount = std::size(kRows);

// Row indices sorted by type, for the binary search in Find.
constexpr auto kByType = [] {
  std::array<std::size_t, kRowCount> order{};
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) { return kRows[a].Type < kRows[b].Type; });
  return order;
}();

constexpr bool TypesAreUnique() {
  for (std::size_t i = 1; i < kRowCount; ++i)
    if (kRows[kByType[i - 1]].Type == kRows[kByType[i]].Type) return false;
  return true;
}
static_assert(TypesAreUnique(), "two lines of the type list share a value");

} // namespace

std::span<const ElementTypeRow> ElementTypeTable::Rows() { return kRows; }

const ElementTypeRow* ElementTypeTable::Find(std::int32_t elementType) {
  const auto found = std::lower_bound(kByType.begin(), kByType.end(), elementType,
                                      [](std::size_t index, std::int32_t type) { return kRows[index].Type < type; });
  if (found == kByType.end() || kRows[*found].Type != elementType) return nullptr;
  return &kRows[*found];
}

const ElementTypeRow* ElementTypeTable::FindConvertTool(std::string_view toolID) {
  if (toolID.empty()) return nullptr;
  for (const auto& row : kRows)
    if (row.ConvertTool == toolID) return &row;
  return nullptr;
}

const ElementTypeRow* ElementTypeTable::FindSwitchTool(std::string_view toolID, enElementFamilyType family) {
  if (toolID.empty()) return nullptr;
  for (const auto& row : kRows)
    if (row.Family == family && row.SwitchTool == toolID) return &row;
  return nullptr;
}

} // namespace ldr
