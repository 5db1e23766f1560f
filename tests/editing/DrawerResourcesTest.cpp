// The drawing resources the drawer makes at Init, and the tool-tip rule.
#include "DrawerTestFixture.h"

#include "outside/operands/OperandPainter.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using DrawerResources = DrawerTestFixture;

TEST_F(DrawerResources, GridRowHas53BlueDotsEvery14PixelsOnWhite) {
  const gdi::DeviceContext& row = mDrawer->Resources().GridRowDC;
  ASSERT_EQ(row.Width(), 770);
  ASSERT_EQ(row.Height(), 1);
  int dots = 0;
  for (int x = 0; x < 770; ++x) {
    const gdi::COLORREF expected = (x % 14 == 0 && x <= 728) ? kBlue : kWhite;
    ASSERT_EQ(row.GetPixel(x, 0), expected) << "x = " << x;
    if (row.GetPixel(x, 0) == kBlue) ++dots;
  }
  EXPECT_EQ(dots, 53);
  // x = 742 and 756 would be grid columns too, but the pattern stops at 728.
  EXPECT_EQ(row.GetPixel(742, 0), kWhite);
  EXPECT_EQ(row.GetPixel(756, 0), kWhite);
  // Field 9 keeps the bitmap the grid row replaced, to be put back.
  const gdi::Bitmap& previous = mDrawer->Resources().GridRowPreviousBitmap;
  ASSERT_FALSE(previous.IsEmpty());
  EXPECT_FALSE(previous.IsSameAs(row.CurrentBitmap()));
}

TEST_F(DrawerResources, FieldsAreFilledAsListedAndFieldFourStaysEmpty) {
  const GdiResources& res = mDrawer->Resources();
  const gdi::LogFont font = res.LadderFont.Describe();
  EXPECT_EQ(font.FaceName, "Miriam Fixed");
  EXPECT_EQ(font.Height, -16);
  EXPECT_EQ(font.CharSet, 177);
  EXPECT_EQ(font.OutPrecision, 3);
  EXPECT_EQ(font.PitchAndFamily, 49);
  EXPECT_EQ(res.LadderFont.Family(), "DejaVu Sans Mono");
  // Field 2 belongs to the operand library: its description font.
  ASSERT_FALSE(res.AuxFont.IsEmpty());
  EXPECT_EQ(res.AuxFont.Describe(), OperandPainter::DescriptionFont().Describe());
  EXPECT_EQ(res.GreyPen.Describe(), (gdi::LogPen{gdi::PS_SOLID, 1, gdi::RGB(192, 192, 192)}));
  EXPECT_TRUE(res.AuxPen.IsEmpty());
  EXPECT_EQ(res.WhiteBrush.Describe(), (gdi::LogBrush{gdi::BS_SOLID, gdi::RGB(255, 255, 255), 0}));
  EXPECT_EQ(res.GreyBrush.Describe(), (gdi::LogBrush{gdi::BS_SOLID, gdi::RGB(192, 192, 192), 0}));
  EXPECT_EQ(res.LightYellowBrush.Describe(), (gdi::LogBrush{gdi::BS_SOLID, gdi::RGB(255, 255, 219), 0}));
}

TEST_F(DrawerResources, FontAndPenKeepTheRightBoardsOtherAttributes) {
  gdi::LogFont boardFont = mRight->hDC().CurrentFont().Describe();
  boardFont.Weight = gdi::FW_BOLD;
  boardFont.Italic = true;
  mRight->hDC().SelectObject(gdi::Font(boardFont));
  mRight->hDC().SelectObject(gdi::Pen(gdi::PS_DASH, 1, gdi::RGB(10, 20, 30)));
  srvDrawer drawer(mCtx);
  drawer.Init(mLeft, mRight);

  const gdi::LogFont font = drawer.Resources().LadderFont.Describe();
  EXPECT_EQ(font.Weight, gdi::FW_BOLD);
  EXPECT_TRUE(font.Italic);
  EXPECT_EQ(font.Height, -16);
  EXPECT_EQ(drawer.Resources().GreyPen.Describe(), (gdi::LogPen{gdi::PS_DASH, 1, gdi::RGB(192, 192, 192)}));
}

TEST_F(DrawerResources, ToolTipReachesBothBoardsOnlyWhenTheTextChanges) {
  mDrawer->SetToolTipText("I0.1 Start");
  EXPECT_EQ(mRight->ToolTipText(), "I0.1 Start");
  EXPECT_EQ(mLeft->ToolTipText(), "I0.1 Start");

  // The same text again touches neither board.
  mRight->SetToolTipText("set by the host");
  mLeft->SetToolTipText("set by the host");
  mDrawer->SetToolTipText("I0.1 Start");
  EXPECT_EQ(mRight->ToolTipText(), "set by the host");
  EXPECT_EQ(mLeft->ToolTipText(), "set by the host");

  mDrawer->SetToolTipText("");
  EXPECT_EQ(mRight->ToolTipText(), "");
  EXPECT_EQ(mLeft->ToolTipText(), "");
  EXPECT_EQ(mDrawer->ToolTipText(), "");
}

TEST_F(DrawerResources, DrawSelectedOnlyShowsItsMessage) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mDrawer->DrawSelected(*net);
  EXPECT_TRUE(mLog->Contains("msgbox \"do not used\""));
  EXPECT_EQ(net->Draws, 0);
  EXPECT_FALSE(mRight->PersistentImage().HasPixelOtherThan(kWhite));
}

TEST_F(DrawerResources, ReleasedDrawerDrawsNothing) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mDrawer->Release();
  mDrawer->RedrawAll();
  mDrawer->PrepareForMove();
  EXPECT_EQ(net->Draws, 0);
  EXPECT_FALSE(mDrawer->HasMoveBackground());
  EXPECT_FALSE(mRight->PersistentImage().HasPixelOtherThan(kWhite));
}

} // namespace
} // namespace ldr::test
