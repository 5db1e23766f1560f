// The pixel conventions every drawing relies on: exclusive right and bottom
// edges, lines without their last pixel, whole pixels only.

#include "DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

std::set<std::pair<int, int>> Span(int x0, int x1, int y0, int y1) {
  std::set<std::pair<int, int>> s;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) s.insert({x, y});
  return s;
}

TEST(ShapeConvention, RectangleCoversLeftTopToRightBottomExclusive) {
  Bitmap canvas = Canvas(10, 10, kRed);
  DeviceContext dc(canvas);
  dc.SelectObject(Brush::Solid(kGreen));
  dc.Rectangle(2, 2, 6, 5);
  EXPECT_EQ(PixelsNot(canvas, kRed), Span(2, 5, 2, 4));
  // Border in the pen's colour, inside in the brush's.
  for (int x = 2; x <= 5; ++x) {
    EXPECT_EQ(canvas.GetPixel(x, 2), kBlack);
    EXPECT_EQ(canvas.GetPixel(x, 4), kBlack);
  }
  EXPECT_EQ(canvas.GetPixel(2, 3), kBlack);
  EXPECT_EQ(canvas.GetPixel(5, 3), kBlack);
  EXPECT_EQ(canvas.GetPixel(3, 3), kGreen);
  EXPECT_EQ(canvas.GetPixel(4, 3), kGreen);
}

TEST(ShapeConvention, RectangleWithNullPenFillsOnePixelLess) {
  Bitmap canvas = Canvas(10, 10, kRed);
  DeviceContext dc(canvas);
  dc.SelectObject(Pen::Null());
  dc.SelectObject(Brush::Solid(kBlue));
  dc.Rectangle(2, 2, 6, 5);
  EXPECT_EQ(PixelsNot(canvas, kRed), Span(2, 4, 2, 3));
}

TEST(ShapeConvention, LinesLeaveOutTheirLastPixel) {
  Bitmap canvas = Canvas(12, 12);
  DeviceContext dc(canvas);
  dc.MoveTo(1, 1);
  dc.LineTo(5, 1);
  EXPECT_EQ(PixelsNot(canvas, kWhite), Span(1, 4, 1, 1));
  EXPECT_EQ(dc.CurrentPosition(), (Point{5, 1}));

  canvas.Fill(kWhite);
  dc.MoveTo(3, 9);
  dc.LineTo(3, 6); // upwards: 9, 8, 7
  EXPECT_EQ(PixelsNot(canvas, kWhite), Span(3, 3, 7, 9));

  canvas.Fill(kWhite);
  dc.MoveTo(0, 0);
  dc.LineTo(4, 4);
  EXPECT_EQ(PixelsNot(canvas, kWhite), (std::set<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(ShapeConvention, PolylineDrawsEveryInnerVertexOnce) {
  Bitmap canvas = Canvas(10, 10);
  DeviceContext dc(canvas);
  dc.SetROP2(R2_XORPEN);
  dc.SelectObject(Pen::Solid(kWhite));
  dc.Polyline({{1, 1}, {5, 1}, {5, 4}});
  // XOR would turn a twice-drawn corner white again.
  EXPECT_EQ(canvas.GetPixel(5, 1), kBlack);
  EXPECT_EQ(PixelsNot(canvas, kWhite).size(), 7u);
}

TEST(ShapeConvention, FillRectLeavesOutRightAndBottomEdges) {
  Bitmap canvas = Canvas(8, 8);
  DeviceContext dc(canvas);
  dc.FillRect(Rect{1, 1, 4, 3}, Brush::Solid(kBlue));
  EXPECT_EQ(PixelsNot(canvas, kWhite), Span(1, 3, 1, 2));
  dc.FillRect(Rect{5, 5, 5, 7}, Brush::Solid(kBlue)); // empty: nothing
  EXPECT_EQ(PixelsNot(canvas, kWhite).size(), 6u);
}

TEST(ShapeConvention, ShapesAndLinesHaveNoAntialiasedPixels) {
  Bitmap canvas = Canvas(60, 60);
  DeviceContext dc(canvas);
  dc.SelectObject(Brush::Solid(kBlue));
  dc.Ellipse(3, 3, 40, 27);
  dc.Polygon({{5, 50}, {30, 30}, {55, 58}});
  dc.MoveTo(0, 59);
  dc.LineTo(59, 17);
  dc.SelectObject(Pen::Solid(kBlack, 3));
  dc.MoveTo(45, 2);
  dc.LineTo(20, 40);
  dc.Ellipse(40, 30, 58, 44);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      COLORREF c = canvas.GetPixel(x, y);
      EXPECT_TRUE(c == kWhite || c == kBlack || c == kBlue) << x << "," << y << " = " << std::hex << c;
    }
}

TEST(ShapeConvention, EllipseStaysInsideItsBoxAndTouchesEachSide) {
  Bitmap canvas = Canvas(30, 30, kRed);
  DeviceContext dc(canvas);
  dc.Ellipse(4, 6, 20, 16);
  EXPECT_EQ(InkBounds(canvas, kRed), (Rect{4, 6, 20, 16}));
  EXPECT_EQ(canvas.GetPixel(12, 11), kWhite); // the brush inside
  EXPECT_EQ(canvas.GetPixel(4, 11), kBlack);  // the pen on the left side
}

TEST(ShapeConvention, PolygonOutlineRunsThroughEveryVertex) {
  Bitmap canvas = Canvas(20, 20);
  DeviceContext dc(canvas);
  dc.SelectObject(Brush::Solid(kGreen));
  dc.Polygon({{2, 2}, {12, 2}, {12, 9}, {2, 9}});
  EXPECT_EQ(InkBounds(canvas, kWhite), (Rect{2, 2, 13, 10}));
  EXPECT_EQ(canvas.GetPixel(12, 9), kBlack);
  EXPECT_EQ(canvas.GetPixel(7, 5), kGreen);
}

TEST(ShapeConvention, DottedPenAlternatesThreeOnThreeOff) {
  Bitmap canvas = Canvas(20, 3);
  DeviceContext dc(canvas);
  dc.SetBkMode(TRANSPARENT);
  dc.SelectObject(Pen(PS_DOT, 1, kBlack));
  dc.MoveTo(0, 1);
  dc.LineTo(12, 1);
  std::string row;
  for (int x = 0; x < 13; ++x) row += canvas.GetPixel(x, 1) == kBlack ? '#' : '.';
  EXPECT_EQ(row, "###...###....");
  // In opaque mode the gaps take the background colour.
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kRed);
  dc.MoveTo(0, 2);
  dc.LineTo(6, 2);
  EXPECT_EQ(canvas.GetPixel(4, 2), kRed);
}

TEST(ShapeConvention, NullPenDrawsNothing) {
  Bitmap canvas = Canvas(10, 10);
  DeviceContext dc(canvas);
  dc.SelectObject(Pen::Null());
  dc.MoveTo(0, 0);
  dc.LineTo(9, 9);
  EXPECT_TRUE(PixelsNot(canvas, kWhite).empty());
}

TEST(ShapeConvention, XorPenDrawnTwiceRestoresThePicture) {
  Bitmap canvas = Canvas(20, 20);
  DeviceContext dc(canvas);
  dc.FillRect(Rect{0, 0, 10, 20}, Brush::Solid(kBlue));
  Bitmap before = canvas.Clone();
  dc.SetROP2(R2_NOT);
  dc.SelectObject(Brush::Null());
  dc.Rectangle(3, 3, 17, 15);
  EXPECT_EQ(canvas.GetPixel(3, 3), RGB(255, 255, 0));
  dc.Rectangle(3, 3, 17, 15);
  EXPECT_TRUE(canvas.SamePixels(before));
}

TEST(ShapeConvention, DrawingIsClippedToTheClipRectangle) {
  Bitmap canvas = Canvas(10, 10);
  DeviceContext dc(canvas);
  dc.IntersectClipRect(2, 2, 5, 5);
  dc.FillRect(Rect{0, 0, 10, 10}, Brush::Solid(kBlack));
  EXPECT_EQ(PixelsNot(canvas, kWhite), Span(2, 4, 2, 4));
  EXPECT_EQ(dc.ClipBox(), (Rect{2, 2, 5, 5}));
  dc.RemoveClip();
  EXPECT_EQ(dc.SetPixel(9, 9, kRed), kRed);
  EXPECT_EQ(dc.SetPixel(10, 9, kRed), CLR_INVALID);
  EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
}

TEST(ShapeConvention, FocusRectIsDottedAndRemovedByDrawingItAgain) {
  Bitmap canvas = Canvas(12, 12);
  DeviceContext dc(canvas);
  dc.DrawFocusRect(Rect{1, 1, 9, 7});
  EXPECT_EQ(canvas.GetPixel(1, 1), kBlack);
  EXPECT_EQ(canvas.GetPixel(2, 1), kWhite);
  EXPECT_EQ(canvas.GetPixel(3, 1), kBlack);
  EXPECT_EQ(InkBounds(canvas, kWhite), (Rect{1, 1, 9, 7}));
  dc.DrawFocusRect(Rect{1, 1, 9, 7});
  EXPECT_TRUE(PixelsNot(canvas, kWhite).empty());
}

} // namespace
} // namespace ldr::test
