// Families of element types and the grid constants.
#include "elements/ElementFamilies.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/enElementType.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ldr {
namespace {

TEST(GetFamilyType, HundredsBlockWithItsExceptions) {
  const std::pair<int, int> cases[] = {
      {100, 100},   {102, 100},       {213, 200},       {536, 500},       {1268, 1600}, {1269, 1200},
      {1701, 1700}, {1801, 1600},     {1830, 1600},     {1901, 1900},     {1906, 1900}, {1500, 1500},
      {1501, 1500}, {100000, 100000}, {123456, 100000}, {999999, 100000}, {0, 0},       {99, 0},
      {2000, 0},    {99999, 0},       {1000000, 0},     {-100, 0},        {-1268, 0},
  };
  for (const auto& [type, family] : cases) EXPECT_EQ(GetFamilyType(type), family) << type;
}

TEST(GetFamilyType, EveryCatalogueMemberHasAFamilyWithAClassExceptUndefined) {
  for (const auto& member : kElementTypeMembers) {
    const enElementFamilyType family = GetFamilyType(member.Value);
    if (member.Value == eET_Undefined) {
      EXPECT_EQ(family, eEFT_Undefined);
      EXPECT_TRUE(FamilyClassName(family).empty());
    } else {
      EXPECT_FALSE(FamilyClassName(family).empty()) << member.Name;
    }
  }
  EXPECT_EQ(FamilyClassName(GetFamilyType(1266)), "clsUtilElement");
  EXPECT_EQ(FamilyClassName(GetFamilyType(eET_UtStartTrendToSD)), "clsUtilElementEx2");
  EXPECT_EQ(FamilyClassName(GetFamilyType(eET_FunctionBlockLast)), "clsFBElement");
}

TEST(GridConstants, ValuesAndPixelConversion) {
  EXPECT_EQ(PIXEL_PER_GRID, 14);
  EXPECT_EQ(STRIP_WIDTH, 53);
  EXPECT_EQ(LDR_EDIT_WIDTH, 52);
  EXPECT_EQ(LDR_STRIP_WIDTH, 54);
  EXPECT_EQ(EDITING_OFST_X, 2);
  EXPECT_EQ(MIN_NUM_OF_NETS, 16);
  EXPECT_EQ(MAX_NUM_OF_RISE_FALL_ELEMENTS_IN_LADDER, 256);
  EXPECT_EQ(GridToPixel(6), 84);
  EXPECT_EQ(GridToPixel(-3), -42);
  EXPECT_EQ(GridToPixel(153391689), 2147483646);
  EXPECT_THROW(GridToPixel(153391690), std::overflow_error);
  EXPECT_THROW(GridToPixel(-153391690), std::overflow_error);
}

} // namespace
} // namespace ldr
