// Origins, object selection and saved states of a device context.

#include "DrawingTestSupport.h"

#include "platform/drawing/RectHelpers.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

TEST(DeviceState, ViewportOriginMovesEveryDrawing) {
  Bitmap canvas = Canvas(40, 40);
  DeviceContext dc(canvas);
  Point previous = dc.OffsetViewportOrg(10, 5);
  EXPECT_EQ(previous, (Point{0, 0}));
  dc.Rectangle(0, 0, 3, 3);
  EXPECT_EQ(InkBounds(canvas, kWhite), (Rect{10, 5, 13, 8}));

  // Offsets add up, and putting the remembered origin back undoes them.
  Point inner = dc.OffsetViewportOrg(14, 14);
  EXPECT_EQ(inner, (Point{10, 5}));
  dc.SetPixel(0, 0, kRed);
  EXPECT_EQ(canvas.GetPixel(24, 19), kRed);
  EXPECT_EQ(dc.GetPixel(0, 0), kRed);
  dc.SetViewportOrg(inner.X, inner.Y);
  dc.SetViewportOrg(previous.X, previous.Y);
  dc.SetPixel(0, 0, kBlue);
  EXPECT_EQ(canvas.GetPixel(0, 0), kBlue);
}

TEST(DeviceState, WindowOriginMovesTheOtherWay) {
  Bitmap canvas = Canvas(20, 20);
  DeviceContext dc(canvas);
  dc.SetWindowOrg(-3, 2);
  dc.SetPixel(0, 2, kRed);
  EXPECT_EQ(canvas.GetPixel(3, 0), kRed);
  EXPECT_EQ(dc.LPtoDP({0, 2}), (Point{3, 0}));
  EXPECT_EQ(dc.DPtoLP({3, 0}), (Point{0, 2}));
}

TEST(DeviceState, SelectingReturnsThePreviousObject) {
  DeviceContext dc;
  Pen grey = Pen::Solid(RGB(192, 192, 192));
  Pen first = dc.SelectObject(grey);
  EXPECT_EQ(first.Describe(), (LogPen{PS_SOLID, 1, kBlack}));
  EXPECT_EQ(dc.SelectObject(first), grey);
  EXPECT_EQ(dc.CurrentPen(), first);

  Brush hatch = Brush::Hatch(HS_CROSS, kGreen);
  Brush firstBrush = dc.SelectObject(hatch);
  EXPECT_EQ(firstBrush.Color(), kWhite);
  EXPECT_EQ(dc.SelectObject(firstBrush), hatch);

  LogFont log = dc.CurrentFont().Describe();
  log.FaceName = "Miriam Fixed";
  log.Height = -16;
  Font ladder(log);
  Font firstFont = dc.SelectObject(ladder);
  EXPECT_EQ(dc.CurrentFont().Family(), "DejaVu Sans Mono");
  EXPECT_EQ(dc.SelectObject(firstFont), ladder);

  Bitmap row(770, 1);
  Bitmap firstBitmap = dc.SelectObject(row);
  EXPECT_EQ(firstBitmap.Width(), 1);
  EXPECT_EQ(dc.Width(), 770);
  EXPECT_TRUE(dc.SelectObject(firstBitmap).IsSameAs(row));
}

TEST(DeviceState, SelectingNoObjectIsAnError) {
  DeviceContext dc;
  EXPECT_THROW(dc.SelectObject(Pen()), std::invalid_argument);
  EXPECT_THROW(dc.SelectObject(Brush()), std::invalid_argument);
  EXPECT_THROW(dc.SelectObject(Font()), std::invalid_argument);
  EXPECT_THROW(dc.SelectObject(Bitmap()), std::invalid_argument);
}

TEST(DeviceState, RestoreDCBringsBackObjectsAndOrigins) {
  DeviceContext dc;
  int saved = dc.SaveDC();
  dc.SelectObject(Pen::Solid(kRed));
  dc.OffsetViewportOrg(5, 5);
  dc.SetTextColor(kBlue);
  EXPECT_TRUE(dc.RestoreDC(saved));
  EXPECT_EQ(dc.CurrentPen().Color(), kBlack);
  EXPECT_EQ(dc.ViewportOrg(), (Point{0, 0}));
  EXPECT_EQ(dc.TextColor(), kBlack);
  EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DeviceState, FontHeightsFollowTheDescription) {
  DeviceContext dc;
  LogFont log;
  log.FaceName = "Miriam Fixed";
  log.Height = -16;
  log.CharSet = HEBREW_CHARSET;
  log.OutPrecision = OUT_STROKE_PRECIS;
  log.PitchAndFamily = FIXED_PITCH | FF_MODERN;
  Font font(log);
  EXPECT_EQ(font.Describe(), log);
  EXPECT_DOUBLE_EQ(font.EmPixels(), 16.0);
  dc.SelectObject(font);
  TextMetric m = dc.GetTextMetrics();
  EXPECT_GE(m.Height, 16);
  EXPECT_LE(m.Height, 21);
  // Fixed pitch: every character is as wide as any other.
  EXPECT_EQ(dc.GetTextExtent("iiii").Width, dc.GetTextExtent("WWWW").Width);

  log.Height = 20; // a cell height
  dc.SelectObject(Font(log));
  EXPECT_NEAR(dc.GetTextMetrics().Height, 20, 1);
}

TEST(DeviceState, FacesMapToTheInstalledFamilies) {
  LogFont log;
  log.FaceName = "Small Fonts";
  EXPECT_EQ(Font::FamilyFor(log), "DejaVu Sans Mono");
  log.FaceName = "MS Sans Serif";
  EXPECT_EQ(Font::FamilyFor(log), "DejaVu Sans");
  log.PitchAndFamily = FIXED_PITCH;
  EXPECT_EQ(Font::FamilyFor(log), "DejaVu Sans Mono");
  log.FaceName = "Times New Roman";
  EXPECT_EQ(Font::FamilyFor(log), "DejaVu Serif");
}

TEST(RectHelpers, WindowsSemantics) {
  Rect r{2, 3, 6, 8};
  EXPECT_TRUE(PtInRect(r, {2, 3}));
  EXPECT_FALSE(PtInRect(r, {6, 3}));
  EXPECT_FALSE(PtInRect(r, {2, 8}));
  Rect common;
  EXPECT_TRUE(IntersectRect(common, r, Rect{5, 0, 10, 4}));
  EXPECT_EQ(common, (Rect{5, 3, 6, 4}));
  EXPECT_FALSE(IntersectRect(common, r, Rect{6, 3, 9, 9})); // touching is not meeting
  EXPECT_TRUE(IsRectEmpty(common));
  InflateRect(r, 1, -1);
  EXPECT_EQ(r, (Rect{1, 4, 7, 7}));
  EXPECT_TRUE(EqualRect(r, Rect{1, 4, 7, 7}));
  EXPECT_TRUE(IsRectEmpty(Rect{5, 5, 5, 9}));
  EXPECT_TRUE(IsRectEmpty(Rect{5, 5, 4, 9}));
  Rect both;
  EXPECT_TRUE(UnionRect(both, Rect{0, 0, 2, 2}, Rect{5, 5, 6, 9}));
  EXPECT_EQ(both, (Rect{0, 0, 6, 9}));
}

} // namespace
} // namespace ldr::test
