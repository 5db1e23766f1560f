// The GDI resources record, filled the way the drawer fills it, and the grid
// rows a net copies from it.

#include "DrawingTestSupport.h"

#include "outside/operands/GdiResources.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

GdiResources FillLikeTheDrawer(DeviceContext& board) {
  GdiResources res;
  LogFont log = board.CurrentFont().Describe();
  log.FaceName = "Miriam Fixed";
  log.Height = -16;
  log.CharSet = HEBREW_CHARSET;
  log.OutPrecision = OUT_STROKE_PRECIS;
  log.PitchAndFamily = 49;
  res.LadderFont = Font(log);
  res.GridRowPreviousBitmap = res.GridRowDC.SelectObject(board.CreateCompatibleBitmap(770, 1));
  Brush old = res.GridRowDC.SelectObject(Brush::Solid(kWhite));
  res.GridRowDC.PatBlt(0, 0, 770, 1, PATCOPY);
  res.GridRowDC.SelectObject(old);
  for (int i = 0; i <= 52; ++i) res.GridRowDC.SetPixel(14 * i, 0, kBlue);
  res.GreyPen = board.CurrentPen().WithColor(RGB(192, 192, 192));
  res.GreyBrush = Brush::Solid(RGB(192, 192, 192));
  res.WhiteBrush = Brush::Solid(kWhite);
  res.LightYellowBrush = Brush::Solid(RGB(255, 255, 219));
  return res;
}

TEST(GdiResources, FilledRecordDrawsGridRowsAndLeavesFieldsTwoAndFourEmpty) {
  Bitmap canvas = Canvas(770, 60, kRed);
  DeviceContext board(canvas);
  GdiResources res = FillLikeTheDrawer(board);
  EXPECT_TRUE(res.AuxFont.IsEmpty());
  EXPECT_TRUE(res.AuxPen.IsEmpty());
  EXPECT_EQ(res.LadderFont.Family(), "DejaVu Sans Mono");
  EXPECT_EQ(res.GreyPen.Describe(), (LogPen{PS_SOLID, 1, RGB(192, 192, 192)}));

  // A net copies the row under each of its grid lines, from x = 28, 742 wide.
  board.BitBlt(28, 14, 742, 1, res.GridRowDC, 0, 0, SRCCOPY);
  EXPECT_EQ(board.GetPixel(28, 14), kBlue);
  EXPECT_EQ(board.GetPixel(42, 14), kBlue);
  EXPECT_EQ(board.GetPixel(756, 14), kBlue);
  EXPECT_EQ(board.GetPixel(757, 14), kWhite);
  EXPECT_EQ(board.GetPixel(27, 14), kRed);
  EXPECT_EQ(board.GetPixel(28, 13), kRed);
}

} // namespace
} // namespace ldr::test
