// The element tools taken from the type table: palette order, lookups both
// ways, and the keyboard tools.
#include "editor/ToolTable.h"
#include "elements/ElementTypeTable.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace ldr {
namespace {

TEST(ToolTable, ToolsInPaletteOrderEachLeadingBackToItsType) {
  const auto& tools = ToolTable::ElementTools();
  ASSERT_EQ(tools.size(), 305u);
  EXPECT_EQ(tools.front().ToolID, "ID_LDirectContact");
  EXPECT_EQ(tools[8].ToolID, "ID_LToggleCoil");
  EXPECT_EQ(tools[9].ToolID, "ID_DirectSoftKey");
  EXPECT_EQ(tools[19].ToolID, "ID_LInRange");
  EXPECT_EQ(tools[251].ToolID, "ID_ResetNumeric");
  // The second tool of 1690 sits just before its own.
  EXPECT_EQ(tools[302].ToolID, "ID_J1939Help");
  EXPECT_EQ(tools[303].ToolID, "ID_J1939TransPGN");
  EXPECT_EQ(tools.back().ToolID, "ID_ReadPTO");
  std::set<std::string_view> ids;
  for (const auto& tool : tools) {
    EXPECT_TRUE(ids.insert(tool.ToolID).second) << tool.ToolID;
    EXPECT_EQ(ToolTable::ElementTypeOf(std::string(tool.ToolID)), tool.ElementType) << tool.ToolID;
  }
  EXPECT_EQ(ToolTable::ElementTypeOf("ID_J1939Help"), eET_UtEx2_J1939TransPGN);
  EXPECT_EQ(ToolTable::ElementTypeOf("id_ldirectcontact"), std::nullopt);
  EXPECT_EQ(ToolTable::ElementTypeOf("ID_DirectContact"), std::nullopt); // a convert tool
}

TEST(ToolTable, KeyboardToolsOnlyForTheirTypes) {
  int keyboard = 0;
  for (const auto& row : ElementTypeTable::Rows()) {
    const std::string tool = ToolTable::KeyboardToolOf(row.Type);
    if (row.KeyboardTool) {
      ++keyboard;
      EXPECT_EQ(tool, row.Tool) << row.Name;
    } else {
      EXPECT_EQ(tool, "") << row.Name;
    }
  }
  EXPECT_EQ(keyboard, 28);
  EXPECT_EQ(ToolTable::KeyboardToolOf(eET_Add), "ID_LADD");
  EXPECT_EQ(ToolTable::KeyboardToolOf(eET_BitWiseAND), "");
  EXPECT_EQ(ToolTable::KeyboardToolOf(4294967496L), ""); // 200 beyond 32 bits
  EXPECT_EQ(ToolTable::KeyboardToolOf(std::numeric_limits<long>::min()), "");
}

} // namespace
} // namespace ldr
