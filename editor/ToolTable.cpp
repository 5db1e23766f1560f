#include "editor/ToolTable.h"

#include "elements/ElementTypeTable.h"

#include <algorithm>

namespace ldr {
namespace {

struct RankedTool {
  ElementTool Tool;
  std::int32_t Rank;
};

// A second tool that inserts a type of the type list, with its place.
constexpr RankedTool kSecondTools[] = {
    {{"ID_J1939Help", eET_UtEx2_J1939TransPGN}, 303},
};

std::vector<ElementTool> ToolsInRankOrder() {
  std::vector<RankedTool> ranked(std::begin(kSecondTools), std::end(kSecondTools));
  for (const auto& row : ElementTypeTable::Rows()) {
    if (!row.Tool.empty()) ranked.push_back({{row.Tool, row.Type}, row.PaletteRank});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.Rank < b.Rank; });
  std::vector<ElementTool> tools;
  tools.reserve(ranked.size());
  for (const auto& entry : ranked) tools.push_back(entry.Tool);
  return tools;
}

} // namespace

const std::vector<ElementTool>& ToolTable::ElementTools() {
  static const std::vector<ElementTool> tools = ToolsInRankOrder();
  return tools;
}

std::optional<long> ToolTable::ElementTypeOf(const std::string& toolID) {
  for (const auto& tool : ElementTools())
    if (tool.ToolID == toolID) return tool.ElementType;
  return std::nullopt;
}

std::string ToolTable::KeyboardToolOf(long elementType) {
  if (elementType < eET_Undefined || elementType > eET_FunctionBlockLast) return {};
  const auto* row = ElementTypeTable::Find(static_cast<std::int32_t>(elementType));
  if (!row || !row->KeyboardTool) return {};
  return std::string(row->Tool);
}

} // namespace ldr
