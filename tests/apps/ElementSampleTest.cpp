// The element sample picture behind `ldr render-element`.
#include "apps/ldr/ElementSample.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"
#include "interfaces/enElementType.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace ldr::test {
namespace {

TEST(ElementSample, FourLooksOfABuiltType) {
  const gdi::Bitmap picture = ElementSample::Render(eET_DirectContact);
  const int cell = 14 * ElementSample::kCellColumns;
  ASSERT_EQ(picture.Width(), 2 * cell);
  ASSERT_EQ(picture.Height(), 2 * cell);
  // Rung row of each look: grid row 5 of its cell; the inlet at column 1.
  const int rung = 14 * 5;
  EXPECT_EQ(picture.GetPixel(14 + 1, rung), gdi::RGB(0, 0, 0));
  EXPECT_EQ(picture.GetPixel(cell + 14 + 1, rung), gdi::RGB(255, 0, 0));
  EXPECT_EQ(picture.GetPixel(14 + 2, cell + rung - 5), gdi::RGB(192, 192, 192));
  EXPECT_EQ(picture.GetPixel(14 + 2, rung - 5), gdi::RGB(255, 255, 255));
  EXPECT_EQ(picture.GetPixel(cell + 14 + 1, cell + rung), gdi::RGB(255, 0, 0));
}

TEST(ElementSample, LinesAndJumpsToo) {
  EXPECT_NO_THROW(ElementSample::Render(eET_VertLine));
  EXPECT_NO_THROW(ElementSample::Render(eET_LdrLine));
  EXPECT_NO_THROW(ElementSample::Render(eET_FunctionReturn));
}

TEST(ElementSample, BoxesGetCellsThatHoldThem) {
  // An ADD 8x1 box: 30 rows below the rung of row 5, 19 columns and its
  // output operand.
  const gdi::Bitmap picture = ElementSample::Render(eET_Add8x1);
  const int cellWidth = picture.Width() / 2;
  const int cellHeight = picture.Height() / 2;
  EXPECT_GE(cellHeight, 14 * (5 + 30));
  EXPECT_GE(cellWidth, 14 * (1 + 19 + 6));
  // The bottom edge of the plain look's box lies inside its own cell.
  EXPECT_EQ(picture.GetPixel(14 + 100, 14 * 5 + 49 * 8 + 6), gdi::RGB(0, 0, 0));
}

TEST(ElementSample, RefusesTypesWithoutAClass) {
  // A family still to be built, while there is one: its first hundreds block.
  for (const auto family : FamiliesNotBuilt()) {
    const auto type = static_cast<std::int32_t>(family);
    try {
      ElementSample::Render(type);
      FAIL();
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(std::string(e.what()), "element type " + std::to_string(type) + " (" +
                                           std::string(FamilyClassName(family)) + ") is not built yet");
    }
  }
  try {
    ElementSample::Render(2000);
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "element type 2000 is not an element type");
  }
}

} // namespace
} // namespace ldr::test
