// Text output and DrawText: alignment, measuring, word breaking.

#include "DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

Font LadderFont() {
  LogFont log;
  log.FaceName = "Miriam Fixed";
  log.Height = -16;
  log.PitchAndFamily = FIXED_PITCH | FF_MODERN;
  return Font(log);
}

TEST(Text, CalculatedRectangleHoldsWhatIsDrawn) {
  Bitmap canvas = Canvas(200, 60);
  DeviceContext dc(canvas);
  dc.SelectObject(LadderFont());
  Rect calc{10, 10, 10, 10};
  int height = dc.DrawText("EN  ENO", calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(height, dc.GetTextMetrics().Height);
  EXPECT_EQ(calc.Width(), dc.GetTextExtent("EN  ENO").Width);
  EXPECT_EQ(calc.Height(), height);

  dc.SetBkMode(TRANSPARENT);
  Rect draw = calc;
  dc.DrawText("EN  ENO", draw, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  Rect ink = InkBounds(canvas, kWhite);
  EXPECT_GE(ink.Left, calc.Left);
  EXPECT_GE(ink.Top, calc.Top);
  EXPECT_LE(ink.Right, calc.Right);
  EXPECT_LE(ink.Bottom, calc.Bottom);
  EXPECT_GT(ink.Width(), calc.Width() / 2); // something was drawn over most of it
}

TEST(Text, WordBreakBreaksAtBlanks) {
  DeviceContext dc;
  dc.SelectObject(LadderFont());
  int lineHeight = dc.GetTextMetrics().Height;
  int wordsWidth = dc.GetTextExtent("aaa bbb").Width;

  Rect fits{0, 0, wordsWidth, 0};
  EXPECT_EQ(dc.DrawText("aaa bbb", fits, DT_CALCRECT | DT_WORDBREAK), lineHeight);

  Rect narrow{0, 0, wordsWidth - 1, 0};
  EXPECT_EQ(dc.DrawText("aaa bbb", narrow, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
  EXPECT_EQ(narrow.Width(), dc.GetTextExtent("aaa").Width); // the blank is not part of a line

  Rect three{0, 0, dc.GetTextExtent("aaa bbb ccc").Width - 1, 0};
  EXPECT_EQ(dc.DrawText("aaa bbb ccc", three, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
  EXPECT_EQ(three.Width(), wordsWidth);

  // Line ends always start a new line.
  Rect wide{0, 0, 500, 0};
  EXPECT_EQ(dc.DrawText("one\r\ntwo\nthree", wide, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);
  EXPECT_EQ(dc.DrawText("one\r\ntwo\nthree", wide, DT_CALCRECT | DT_SINGLELINE), lineHeight);
}

TEST(Text, LongWordsWidenTheRectangleUnlessBrokenAsInAnEditBox) {
  DeviceContext dc;
  dc.SelectObject(LadderFont());
  int lineHeight = dc.GetTextMetrics().Height;
  int charWidth = dc.GetTextExtent("x").Width;
  Rect r{0, 0, 4 * charWidth, 0};
  EXPECT_EQ(dc.DrawText("xxxxxxxxxx yy", r, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
  EXPECT_EQ(r.Width(), 10 * charWidth);

  Rect edit{0, 0, 4 * charWidth, 0};
  // "xxxx", "xxxx", "xx", "yy"
  EXPECT_EQ(dc.DrawText("xxxxxxxxxx yy", edit, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), 4 * lineHeight);
  EXPECT_EQ(edit.Width(), 4 * charWidth);
}

TEST(Text, TabsExpandToStopsOfEightCharacters) {
  DeviceContext dc;
  dc.SelectObject(LadderFont());
  int stop = 8 * dc.GetTextMetrics().AveCharWidth;
  Rect r{0, 0, 1000, 0};
  dc.DrawText("ab\tc", r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), stop + dc.GetTextExtent("c").Width);
}

TEST(Text, PrefixMarksAreTakenOutUnlessSwitchedOff) {
  DeviceContext dc;
  Rect plain{0, 0, 1000, 0};
  dc.DrawText("Save && Exit", plain, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(plain.Width(), dc.GetTextExtent("Save & Exit").Width);
  Rect raw{0, 0, 1000, 0};
  dc.DrawText("Save && Exit", raw, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(raw.Width(), dc.GetTextExtent("Save && Exit").Width);
}

TEST(Text, CentredInBothDirections) {
  Bitmap canvas = Canvas(100, 60);
  DeviceContext dc(canvas);
  dc.SelectObject(LadderFont());
  dc.SetBkColor(kRed); // opaque background shows the text cell
  Rect box{10, 10, 90, 50};
  int bottom = dc.DrawText("12", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  Size cell = dc.GetTextExtent("12");
  int left = 10 + (80 - cell.Width) / 2;
  int top = 10 + (40 - cell.Height) / 2;
  EXPECT_EQ(canvas.GetPixel(left, top), kRed);
  EXPECT_EQ(canvas.GetPixel(left - 1, top), kWhite);
  EXPECT_EQ(canvas.GetPixel(left + cell.Width - 1, top + cell.Height - 1), kRed);
  EXPECT_EQ(canvas.GetPixel(left + cell.Width, top), kWhite);
  EXPECT_EQ(canvas.GetPixel(left, top + cell.Height), kWhite);
  EXPECT_EQ(bottom, top - 10 + cell.Height);
}

TEST(Text, DrawTextClipsToItsRectangle) {
  Bitmap canvas = Canvas(100, 40);
  DeviceContext dc(canvas);
  dc.SelectObject(LadderFont());
  dc.SetBkMode(TRANSPARENT);
  Rect box{0, 0, 20, 40};
  dc.DrawText("WWWWWWWWWW", box, DT_SINGLELINE);
  EXPECT_LE(InkBounds(canvas, kWhite).Right, 20);
}

TEST(Text, TextOutAlignments) {
  Bitmap canvas = Canvas(200, 60);
  DeviceContext dc(canvas);
  dc.SelectObject(LadderFont());
  dc.SetBkColor(kRed);
  Size cell = dc.GetTextExtent("ENO");
  dc.SetTextAlign(TA_CENTER | TA_TOP);
  dc.TextOut(100, 5, "ENO");
  EXPECT_EQ(InkBounds(canvas, kWhite),
            (Rect{100 - cell.Width / 2, 5, 100 - cell.Width / 2 + cell.Width, 5 + cell.Height}));

  canvas.Fill(kWhite);
  dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
  dc.TextOut(150, 50, "ENO");
  EXPECT_EQ(InkBounds(canvas, kWhite), (Rect{150 - cell.Width, 50 - cell.Height, 150, 50}));

  canvas.Fill(kWhite);
  dc.SetTextAlign(TA_LEFT | TA_TOP | TA_UPDATECP);
  dc.MoveTo(10, 10);
  dc.TextOut(0, 0, "ENO");
  EXPECT_EQ(dc.CurrentPosition(), (Point{10 + cell.Width, 10}));
  EXPECT_EQ(InkBounds(canvas, kWhite).Left, 10);
}

TEST(Text, TextColourAndTransparentBackground) {
  Bitmap canvas = Canvas(100, 30, kGreen);
  DeviceContext dc(canvas);
  dc.SelectObject(LadderFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kBlack);
  dc.TextOut(2, 2, "H");
  bool sawBlack = false;
  for (auto [x, y] : PixelsNot(canvas, kGreen)) {
    COLORREF c = canvas.GetPixel(x, y);
    EXPECT_EQ(GetBValue(c), 0); // only blends of green and black, no background fill
    sawBlack = sawBlack || c == kBlack;
  }
  EXPECT_TRUE(sawBlack); // hinted stems are solid
}

} // namespace
} // namespace ldr::test
