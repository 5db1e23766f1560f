// The fast paths of the pixel work against the plain per-pixel rules and
// against Cairo: colour mixed through coverage masks, pattern transfers with
// solid brushes, solid one-pixel lines; the bounded cache; shared pictures.

#include "DrawingTestSupport.h"

#include "platform/drawing/LruCache.h"
#include "platform/drawing/PixelRaster.h"
#include "platform/drawing/ResourceLibrary.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace ldr::test {
namespace {

Bitmap Noise(int width, int height, unsigned seed) {
  Bitmap bitmap(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, random() & 0xFFFFFF);
  return bitmap;
}

TEST(Blend, EveryCoverageOverEveryChannelValueAsCairoMixes) {
  // Row y has coverage y; column x has channel values x, 255 - x and 7x.
  Bitmap ground(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) ground.SetPixel(x, y, RGB(x, 255 - x, (7 * x) & 0xFF));
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, 256, 256);
  cairo_surface_flush(mask);
  unsigned char* maskData = cairo_image_surface_get_data(mask);
  const int maskStride = cairo_image_surface_get_stride(mask);
  std::vector<std::uint8_t> coverage(256 * 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) coverage[y * 256 + x] = maskData[y * maskStride + x] = static_cast<std::uint8_t>(y);
  cairo_surface_mark_dirty(mask);

  for (COLORREF color : {kBlack, kWhite, RGB(200, 30, 91), RGB(1, 254, 128)}) {
    Bitmap cairo = ground.Clone();
    cairo_t* cr = cairo_create(cairo.Surface());
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
    cairo_mask_surface(cr, mask, 0, 0);
    cairo_destroy(cr);
    cairo.Flush();

    Bitmap ours = ground.Clone();
    PixelRaster(ours, Rect{0, 0, 256, 256}).BlendMask(Rect{0, 0, 256, 256}, coverage.data(), 256, color);
    EXPECT_TRUE(ours.SamePixels(cairo)) << std::hex << color;
  }
  cairo_surface_destroy(mask);
}

TEST(Blend, OverPremultipliedAlphaAsCairoMixes) {
  // Icons and cursors have alpha: row y has coverage y, column x alpha x.
  Bitmap ground(256, 256, Bitmap::Format::Argb);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, 256, 256);
  cairo_surface_flush(mask);
  std::vector<std::uint8_t> coverage(256 * 256);
  ground.Flush();
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const std::uint32_t a = static_cast<std::uint32_t>(x);
      ground.Row(y)[x] = a << 24 | (a * 3 / 4) << 16 | (a / 2) << 8 | ((a * 7) & 0xFF) % (a + 1);
      coverage[y * 256 + x] = cairo_image_surface_get_data(mask)[y * cairo_image_surface_get_stride(mask) + x] =
          static_cast<std::uint8_t>(y);
    }
  ground.MarkDirty();
  cairo_surface_mark_dirty(mask);
  Bitmap cairo = ground.Clone();
  cairo_t* cr = cairo_create(cairo.Surface());
  cairo_set_source_rgb(cr, 200 / 255.0, 30 / 255.0, 91 / 255.0);
  cairo_mask_surface(cr, mask, 0, 0);
  cairo_destroy(cr);
  cairo.Flush();
  Bitmap ours = ground.Clone();
  PixelRaster(ours, Rect{0, 0, 256, 256}).BlendMask(Rect{0, 0, 256, 256}, coverage.data(), 256, RGB(200, 30, 91));
  ours.Flush();
  int differing = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) differing += ours.Row(y)[x] != cairo.Row(y)[x] ? 1 : 0;
  EXPECT_EQ(differing, 0); // alpha included
  cairo_surface_destroy(mask);
}

TEST(Blend, RowsOfAnyLengthMatchThePixelRule) {
  std::mt19937 random(3);
  for (int count = 0; count < 21; ++count) {
    std::vector<std::uint32_t> row(static_cast<size_t>(count) + 1);
    std::vector<std::uint8_t> shares(static_cast<size_t>(count) + 1);
    for (auto& p : row) p = random() | 0xFF000000u;
    for (auto& s : shares) s = static_cast<std::uint8_t>(random() % 4 == 0 ? 0 : random());
    if (count > 2) shares[1] = 255;
    std::vector<std::uint32_t> expected = row;
    const std::uint32_t color = Bitmap::ToPixel(RGB(90, 180, 20));
    for (int x = 0; x < count; ++x) expected[x] = PixelRaster::BlendPixel(color, shares[x], row[x]);
    PixelRaster::BlendRow(row.data(), shares.data(), count, color);
    EXPECT_EQ(row, expected) << count; // the pixel after the row untouched too
  }
  EXPECT_EQ(PixelRaster::BlendPixel(0xFF102030u, 0, 0xFFABCDEFu), 0xFFABCDEFu);
  EXPECT_EQ(PixelRaster::BlendPixel(0xFF102030u, 255, 0xFFABCDEFu), 0xFF102030u);
}

TEST(Blend, MasksStayInsideTheClipAndTheirBox) {
  // A 13 x 7 mask of full coverage in rows padded to 16, cut by the clip.
  std::vector<std::uint8_t> coverage(16 * 7, 0);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x) coverage[y * 16 + x] = static_cast<std::uint8_t>(x == 6 ? 128 : 255);
  const Bitmap ground = Noise(30, 20, 5);
  for (Rect clip : {Rect{0, 0, 30, 20}, Rect{5, 7, 10, 11}, Rect{0, 0, 16, 20}, Rect{9, 0, 30, 20}}) {
    Bitmap ours = ground.Clone();
    const Rect box{3, 5, 16, 12};
    PixelRaster(ours, clip).BlendMask(box, coverage.data(), 16, kRed);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) {
        const bool inside = x >= std::max(box.Left, clip.Left) && x < std::min(box.Right, clip.Right) &&
                            y >= std::max(box.Top, clip.Top) && y < std::min(box.Bottom, clip.Bottom);
        COLORREF expected = ground.GetPixel(x, y);
        if (inside)
          expected = Bitmap::ToColor(PixelRaster::BlendPixel(
              Bitmap::ToPixel(kRed), coverage[(y - box.Top) * 16 + (x - box.Left)], Bitmap::ToPixel(expected)));
        ASSERT_EQ(ours.GetPixel(x, y), expected) << x << "," << y << " clip " << clip.Left << "," << clip.Top;
      }
  }
}

TEST(SolidPaths, PatternTransfersWithASolidBrushFollowTheirRasterCode) {
  const Bitmap ground = Noise(23, 9, 11);
  const COLORREF pattern = RGB(0xF0, 0x35, 0x9A);
  for (int code : {0x00, 0xFF, 0xF0, 0x0F, 0x55, 0x5A, 0xA0, 0xFA, 0x50, 0xAF, 0x05}) {
    Bitmap canvas = ground.Clone();
    DeviceContext dc(canvas);
    dc.SelectObject(Brush::Solid(pattern));
    dc.IntersectClipRect(1, 1, 21, 8);
    dc.PatBlt(-2, 0, 20, 7, static_cast<DWORD>(code) << 16);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 23; ++x) {
        COLORREF expected = ground.GetPixel(x, y);
        if (x >= 1 && x < 18 && y >= 1 && y < 7)
          expected = Bitmap::ToColor(PixelRaster::ApplyRop3(static_cast<std::uint8_t>(code), Bitmap::ToPixel(pattern),
                                                            0, Bitmap::ToPixel(expected)));
        ASSERT_EQ(canvas.GetPixel(x, y), expected) << std::hex << code << std::dec << " at " << x << "," << y;
      }
  }
}

TEST(SolidPaths, PatternTransfersWithAHatchOrNoBrushStayPerPixel) {
  Bitmap canvas = Canvas(16, 8, kGreen);
  DeviceContext dc(canvas);
  dc.SetBkMode(TRANSPARENT);
  dc.SelectObject(Brush::Hatch(HS_VERTICAL, kBlack));
  dc.PatBlt(0, 0, 16, 8, PATCOPY);
  EXPECT_EQ(canvas.GetPixel(4, 3), kBlack);
  EXPECT_EQ(canvas.GetPixel(5, 3), kGreen); // a gap of the hatch, transparent
  EXPECT_EQ(canvas.GetPixel(12, 7), kBlack);
}

TEST(SolidPaths, SolidLinesCoverTheirLinePixels) {
  const std::vector<std::pair<Point, Point>> lines = {{{2, 3}, {15, 3}}, {{15, 4}, {2, 4}}, {{5, 1}, {5, 12}},
                                                      {{6, 12}, {6, 1}}, {{1, 1}, {14, 9}}, {{14, 1}, {3, 11}},
                                                      {{7, 7}, {7, 7}},  {{-4, 5}, {30, 5}}};
  const Rect clip{1, 2, 13, 10};
  for (const auto& [a, b] : lines) {
    Bitmap fast = Canvas(20, 14);
    PixelRaster(fast, clip).CopyLine(a, b, kBlue);
    Bitmap plain = Canvas(20, 14);
    {
      PixelRaster raster(plain, clip);
      for (Point p : PixelRaster::LinePixels(a, b)) raster.Set(p.X, p.Y, kBlue);
    }
    EXPECT_TRUE(fast.SamePixels(plain)) << a.X << "," << a.Y << " to " << b.X << "," << b.Y;
  }
  // Through the device context: a closed solid outline and a dotted one.
  Bitmap solid = Canvas(20, 14);
  DeviceContext dc(solid);
  dc.Polygon({{2, 2}, {12, 2}, {12, 9}, {2, 9}});
  EXPECT_EQ(PixelsNot(solid, kWhite).size(), 2u * 10 + 2u * 7);
  Bitmap dotted = Canvas(20, 14);
  DeviceContext dotDc(dotted);
  dotDc.SelectObject(Pen(PS_DOT, 1, kBlack));
  dotDc.SetBkMode(TRANSPARENT);
  dotDc.MoveTo(0, 5);
  dotDc.LineTo(12, 5);
  EXPECT_EQ(PixelsNot(dotted, kWhite).size(), 6u); // on 3, off 3
}

TEST(LruCacheTest, ForgetsTheEntryUsedLongestAgo) {
  LruCache<std::string, int> cache(3);
  cache.Insert("a", 1);
  cache.Insert("b", 2);
  cache.Insert("c", 3);
  ASSERT_NE(cache.Find("a"), nullptr); // "b" is now the oldest
  cache.Insert("d", 4);
  EXPECT_EQ(cache.Size(), 3u);
  EXPECT_EQ(cache.Find("b"), nullptr);
  EXPECT_EQ(*cache.Find("a"), 1);
  EXPECT_EQ(*cache.Find("d"), 4);
  cache.Insert("c", 30); // replaces, does not grow
  EXPECT_EQ(cache.Size(), 3u);
  EXPECT_EQ(*cache.Find("c"), 30);
  cache.Insert("e", 5); // "a" was used before "d" and "c"
  EXPECT_EQ(cache.Find("a"), nullptr);
  cache.Clear();
  EXPECT_EQ(cache.Size(), 0u);
  EXPECT_EQ(cache.Find("e"), nullptr);
  EXPECT_THROW((LruCache<int, int>(0)), std::invalid_argument);
}

TEST(SharedPictures, TheLibrarysOwnBitmapWithoutACopy) {
  const Bitmap& shared = ResourceLibrary::SharedBitmap("COLLAPSE");
  EXPECT_TRUE(shared.IsSameAs(ResourceLibrary::SharedBitmap("COLLAPSE")));
  const Bitmap copy = ResourceLibrary::LoadBitmap("COLLAPSE");
  EXPECT_FALSE(copy.IsSameAs(shared));
  EXPECT_TRUE(copy.SamePixels(shared));
  EXPECT_THROW(ResourceLibrary::SharedBitmap("NO_SUCH_PICTURE"), std::out_of_range);
}

} // namespace
} // namespace ldr::test
