// The element type table: lookups, and the columns a new line of the type
// list could get wrong.
#include "elements/ElementTypeTable.h"
#include "elements/ElementFamilies.h"
#include "elements/clsJumpElement.h"
#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ldr {
namespace {

TEST(ElementTypeTable, FindGivesTheRowOfEveryListedTypeAndNothingElse) {
  ASSERT_EQ(ElementTypeTable::Rows().size(), kElementTypeMembers.size());
  for (const auto& row : ElementTypeTable::Rows()) {
    const auto* found = ElementTypeTable::Find(row.Type);
    ASSERT_NE(found, nullptr) << row.Name;
    EXPECT_EQ(found, &row) << row.Name;
  }
  for (int type : {-1, 1, 99, 214, 1619, 1700, 2000, 99999, 1000000}) {
    EXPECT_EQ(ElementTypeTable::Find(type), nullptr) << type;
  }
}

TEST(ElementTypeTable, FamiliesFollowTheHundredsBlockSaveTheSecondUtilitySet) {
  for (const auto& row : ElementTypeTable::Rows()) {
    if (row.Type == eET_Undefined || ElementTypeTable::IsFunctionBlock(row.Type)) continue;
    const int block = row.Type / 100;
    if (row.Type == eET_UtStartTrendToSD || block == 18) {
      EXPECT_EQ(row.Family, eEFT_UtilEx2Elements) << row.Name;
    } else {
      EXPECT_EQ(row.Family / 100, block) << row.Name;
    }
  }
  EXPECT_EQ(ElementTypeTable::Find(eET_Undefined)->Family, eEFT_Undefined);
  EXPECT_EQ(ElementTypeTable::Find(eET_FunctionBlockLast)->Family, eEFT_FunctionBlockElements);
}

TEST(ElementTypeTable, ToolColumnsAreUniqueAndKeyboardToolsExist) {
  std::set<std::string_view> tools;
  std::set<int> ranks;
  for (const auto& row : ElementTypeTable::Rows()) {
    if (row.KeyboardTool) {
      EXPECT_FALSE(row.Tool.empty()) << row.Name;
    }
    if (row.Tool.empty()) continue;
    EXPECT_TRUE(tools.insert(row.Tool).second) << row.Tool;
    EXPECT_TRUE(ranks.insert(row.PaletteRank).second) << row.Name << " rank " << row.PaletteRank;
    EXPECT_GT(row.PaletteRank, 0) << row.Name;
  }
}

TEST(ElementTypeTable, ConvertToolsOnlyTurnContactsAndCoils) {
  int convertible = 0;
  for (const auto& row : ElementTypeTable::Rows()) {
    if (row.ConvertTool.empty()) continue;
    ++convertible;
    EXPECT_EQ(row.Family, eEFT_SimpleElements) << row.Name;
    EXPECT_EQ(ElementTypeTable::FindConvertTool(row.ConvertTool), &row) << row.ConvertTool;
  }
  EXPECT_EQ(convertible, 9);
  EXPECT_EQ(ElementTypeTable::FindConvertTool(""), nullptr);
  EXPECT_EQ(ElementTypeTable::FindConvertTool("ID_LDirectCoil"), nullptr);
}

TEST(ElementTypeTable, EveryJumpPictureIsAResourceBitmap) {
  for (const auto& row : ElementTypeTable::Rows()) {
    if (row.Family != eEFT_JumpElements) continue;
    ASSERT_FALSE(row.Picture.empty()) << row.Name;
    const gdi::Bitmap picture = gdi::ResourceLibrary::LoadBitmap(std::string(clsJumpElement::BitmapName(row.Type)));
    EXPECT_GT(picture.Width(), 0) << row.Picture;
  }
  EXPECT_EQ(clsJumpElement::BitmapName(699), "RETURN_FROM_JUMP");
}

TEST(ElementFamilies, EveryFamilyOnceWithItsClassAndTheOperandRowsOfUnlistedTypes) {
  std::set<enElementFamilyType> seen;
  for (const auto& row : ElementFamilies()) {
    EXPECT_TRUE(seen.insert(row.Family).second) << row.ClassName;
    EXPECT_EQ(FindFamily(row.Family), &row);
    EXPECT_GE(row.OperandRows, 1) << row.ClassName;
  }
  EXPECT_EQ(seen.size(), 19u);
  EXPECT_EQ(FindFamily(eEFT_Undefined), nullptr);
  EXPECT_EQ(FindFamily(static_cast<enElementFamilyType>(1800)), nullptr);
}

} // namespace
} // namespace ldr
