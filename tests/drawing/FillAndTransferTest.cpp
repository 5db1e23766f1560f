// Brushes, pattern fills and bit-block transfers with their raster operations.

#include "DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

std::string HatchRows(int style) {
  Bitmap canvas = Canvas(8, 8);
  DeviceContext dc(canvas);
  dc.FillRect(Rect{0, 0, 8, 8}, Brush::Hatch(style, kBlack));
  std::string rows;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) rows += canvas.GetPixel(x, y) == kBlack ? '#' : '.';
    rows += '|';
  }
  return rows;
}

TEST(Fill, TheSixHatchPatterns) {
  EXPECT_EQ(HatchRows(HS_HORIZONTAL), "........|........|........|########|........|........|........|........|");
  EXPECT_EQ(HatchRows(HS_VERTICAL), "....#...|....#...|....#...|....#...|....#...|....#...|....#...|....#...|");
  EXPECT_EQ(HatchRows(HS_FDIAGONAL), "#.......|.#......|..#.....|...#....|....#...|.....#..|......#.|.......#|");
  EXPECT_EQ(HatchRows(HS_BDIAGONAL), ".......#|......#.|.....#..|....#...|...#....|..#.....|.#......|#.......|");
  EXPECT_EQ(HatchRows(HS_CROSS), "....#...|....#...|....#...|########|....#...|....#...|....#...|....#...|");
  EXPECT_EQ(HatchRows(HS_DIAGCROSS), "#......#|.#....#.|..#..#..|...##...|...##...|..#..#..|.#....#.|#......#|");
}

TEST(Fill, HatchFollowsThePixelGridAndTheBackgroundMode) {
  Bitmap canvas = Canvas(28, 16, kRed);
  DeviceContext dc(canvas);
  dc.OffsetViewportOrg(3, 0); // the pattern stays on the surface's grid
  dc.SetBkColor(kWhite);
  dc.FillRect(Rect{0, 0, 10, 16}, Brush::Hatch(HS_BDIAGONAL, kGreen));
  EXPECT_EQ(canvas.GetPixel(7, 0), kGreen);
  EXPECT_EQ(canvas.GetPixel(3, 4), kGreen);
  EXPECT_EQ(canvas.GetPixel(4, 4), kWhite);
  dc.SetBkMode(TRANSPARENT);
  dc.SelectObject(Brush::Hatch(HS_BDIAGONAL, kGreen));
  dc.SelectObject(Pen::Null());
  dc.Rectangle(14, 0, 24, 16);
  EXPECT_EQ(canvas.GetPixel(17 + 7, 0), kRed); // right edge left out
  EXPECT_EQ(canvas.GetPixel(23, 0), kGreen);   // (23 + 0) % 8 == 7
  EXPECT_EQ(canvas.GetPixel(20, 0), kRed);     // a gap stays as it was
}

TEST(Fill, PatBltOperations) {
  Bitmap canvas = Canvas(4, 1, RGB(0x12, 0x34, 0x56));
  DeviceContext dc(canvas);
  dc.SelectObject(Brush::Solid(RGB(0xF0, 0x0F, 0xFF)));
  dc.PatBlt(0, 0, 1, 1, PATCOPY);
  dc.PatBlt(1, 0, 1, 1, BLACKNESS);
  dc.PatBlt(2, 0, 1, 1, WHITENESS);
  dc.PatBlt(3, 0, 1, 1, DSTINVERT);
  EXPECT_EQ(canvas.GetPixel(0, 0), RGB(0xF0, 0x0F, 0xFF));
  EXPECT_EQ(canvas.GetPixel(1, 0), kBlack);
  EXPECT_EQ(canvas.GetPixel(2, 0), kWhite);
  EXPECT_EQ(canvas.GetPixel(3, 0), RGB(0xED, 0xCB, 0xA9));
  dc.PatBlt(0, 0, 1, 1, PATINVERT); // pattern XOR itself
  EXPECT_EQ(canvas.GetPixel(0, 0), kBlack);
  // Negative sizes span to the left and upwards, as on Windows.
  dc.PatBlt(4, 1, -2, -1, BLACKNESS);
  EXPECT_EQ(canvas.GetPixel(3, 0), kBlack);
}

TEST(Fill, PatBltOfAWhiteRowThenGridDots) {
  // How the grid-row pattern is made: a white row with a blue dot every 14 pixels.
  DeviceContext memory;
  Bitmap row(770, 1);
  Bitmap previous = memory.SelectObject(row);
  Brush old = memory.SelectObject(Brush::Solid(kWhite));
  memory.PatBlt(0, 0, 770, 1, PATCOPY);
  memory.SelectObject(old);
  for (int i = 0; i <= 52; ++i) memory.SetPixel(14 * i, 0, kBlue);
  int dots = 0;
  for (int x = 0; x < 770; ++x) dots += row.GetPixel(x, 0) == kBlue ? 1 : 0;
  EXPECT_EQ(dots, 53);
  EXPECT_EQ(row.GetPixel(728, 0), kBlue);
  EXPECT_EQ(row.GetPixel(742, 0), kWhite);
  EXPECT_EQ(memory.SelectObject(previous).Width(), 770);
}

TEST(Transfer, BitBltRasterOperations) {
  COLORREF src = RGB(0x0F, 0xF0, 0x55);
  COLORREF dst = RGB(0x33, 0x33, 0xFF);
  struct Case {
    DWORD Rop;
    COLORREF Expected;
  } cases[] = {
      {SRCCOPY, src},
      {SRCAND, RGB(0x03, 0x30, 0x55)},
      {SRCPAINT, RGB(0x3F, 0xF3, 0xFF)},
      {SRCINVERT, RGB(0x3C, 0xC3, 0xAA)},
      {NOTSRCCOPY, RGB(0xF0, 0x0F, 0xAA)},
      {SRCERASE, RGB(0x0C, 0xC0, 0x00)},
  };
  Bitmap sourceBitmap = Canvas(2, 2, src);
  DeviceContext source(sourceBitmap);
  for (const Case& c : cases) {
    Bitmap canvas = Canvas(4, 4, dst);
    DeviceContext dc(canvas);
    dc.BitBlt(1, 1, 2, 2, source, 0, 0, c.Rop);
    EXPECT_EQ(canvas.GetPixel(1, 1), c.Expected) << std::hex << c.Rop;
    EXPECT_EQ(canvas.GetPixel(2, 2), c.Expected) << std::hex << c.Rop;
    EXPECT_EQ(canvas.GetPixel(3, 3), dst) << std::hex << c.Rop;
    EXPECT_EQ(canvas.GetPixel(0, 0), dst) << std::hex << c.Rop;
  }
}

TEST(Transfer, BitBltUsesBothOriginsAndStaysInsideTheSource) {
  Bitmap sourceBitmap = Canvas(6, 6);
  sourceBitmap.SetPixel(2, 3, kRed);
  DeviceContext source(sourceBitmap);
  source.SetViewportOrg(2, 3); // logical (0,0) of the source is pixel (2,3)
  Bitmap canvas = Canvas(10, 10, kGreen);
  DeviceContext dc(canvas);
  dc.OffsetViewportOrg(4, 4);
  dc.BitBlt(1, 1, 20, 20, source, 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.GetPixel(5, 5), kRed);
  EXPECT_EQ(canvas.GetPixel(8, 7), kWhite); // source pixel (5,5)
  EXPECT_EQ(canvas.GetPixel(9, 8), kGreen); // beyond the source's right edge
}

TEST(Transfer, BitBltWithinOneSurfaceHandlesOverlap) {
  Bitmap canvas = Canvas(10, 1);
  for (int x = 0; x < 5; ++x) canvas.SetPixel(x, 0, RGB(x * 10, 0, 0));
  DeviceContext dc(canvas);
  dc.BitBlt(2, 0, 5, 1, dc, 0, 0, SRCCOPY);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(canvas.GetPixel(x + 2, 0), RGB(x * 10, 0, 0));
}

TEST(Transfer, MemoryContextRoundTrip) {
  // Copy a board picture aside and back, as a move background does.
  Bitmap board = Canvas(30, 20);
  DeviceContext boardDc(board);
  boardDc.Rectangle(3, 3, 20, 15);
  DeviceContext memory = boardDc.CreateCompatibleDC();
  Bitmap previous = memory.SelectObject(boardDc.CreateCompatibleBitmap(30, 20));
  memory.BitBlt(0, 0, 30, 20, boardDc, 0, 0, SRCCOPY);
  Bitmap original = board.Clone();
  boardDc.FillRect(Rect{0, 0, 30, 20}, Brush::Solid(kRed));
  boardDc.BitBlt(0, 0, 30, 20, memory, 0, 0, SRCCOPY);
  EXPECT_TRUE(board.SamePixels(original));
  memory.SelectObject(previous);
}

} // namespace
} // namespace ldr::test
