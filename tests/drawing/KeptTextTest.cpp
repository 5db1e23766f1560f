// Text drawn from kept glyph masks against text drawn through Pango, and the
// text painter's caches: keyed by font, text, width and format, bounded.

#include "DrawingTestSupport.h"

#include "platform/drawing/GlyphMask.h"
#include "platform/drawing/TextBlock.h"
#include "platform/drawing/TextPainter.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ldr::test {
namespace {

Font MakeFont(const std::string& face, int height, int weight = FW_NORMAL, bool italic = false,
              int quality = DEFAULT_QUALITY, bool underline = false) {
  LogFont log;
  log.FaceName = face;
  log.Height = height;
  log.Weight = weight;
  log.Italic = italic;
  log.Quality = quality;
  log.Underline = underline;
  log.PitchAndFamily = face == "Miriam Fixed" || face == "Small Fonts" ? (FIXED_PITCH | FF_MODERN) : 0;
  return Font(log);
}

std::vector<Font> Fonts() {
  return {
      MakeFont("Miriam Fixed", -16),          MakeFont("Small Fonts", -8),
      MakeFont("MS Sans Serif", -11),         MakeFont("Times New Roman", -20, FW_BOLD, true),
      MakeFont("Arial", 15, FW_NORMAL, true), MakeFont("Courier New", -13, FW_NORMAL, false, NONANTIALIASED_QUALITY)};
}

// Every pixel a different colour, the same for every call.
Bitmap Noise(int width, int height) {
  Bitmap bitmap(width, height);
  std::mt19937 random(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, random() & 0xFFFFFF);
  return bitmap;
}

// The text as Pango draws it on Cairo, clipped.
Bitmap ThroughPango(const Bitmap& ground, const Font& font, Point at, const std::string& text, COLORREF color,
                    const Rect& clip) {
  Bitmap out = ground.Clone();
  TextPainter painter;
  painter.SetFont(font);
  cairo_t* cr = cairo_create(out.Surface());
  cairo_rectangle(cr, clip.Left, clip.Top, clip.Width(), clip.Height());
  cairo_clip(cr);
  painter.Draw(cr, at.X, at.Y, text, color);
  cairo_destroy(cr);
  out.Flush();
  return out;
}

TEST(KeptText, DrawsThePixelsPangoDraws) {
  // Overlaid marks put two glyphs' ink on the same pixels.
  const std::vector<std::string> texts = {
      "MB 12", "Conveyor 12 running", "ffi fl WAVAW Ty.", "-| |-", "ÀÉÎ őű ŸÇ", "x", "tab\there",
      "  ",    "O\u0338 o\u0336"};
  const COLORREF colors[] = {kBlack, kRed, RGB(12, 200, 77)};
  const Bitmap ground = Noise(160, 40);
  int compared = 0;
  for (const Font& font : Fonts()) {
    TextPainter painter; // one painter: later draws come from the kept masks
    painter.SetFont(font);
    for (const std::string& text : texts) {
      for (COLORREF color : colors) {
        for (Point at : {Point{3, 4}, Point{-6, -5}, Point{120, 30}}) {
          const Rect clip = compared % 2 ? Rect{0, 0, 160, 40} : Rect{5, 6, 90, 31};
          Bitmap kept = ground.Clone();
          ASSERT_TRUE(painter.DrawKept(kept, at.X, at.Y, text, color, -1, clip)) << text;
          EXPECT_TRUE(kept.SamePixels(ThroughPango(ground, font, at, text, color, clip)))
              << font.CacheKey() << " \"" << text << "\" at " << at.X << "," << at.Y;
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 6 * 9 * 3 * 3);
}

TEST(KeptText, HebrewIsKeptOrDrawnThroughPango) {
  const Bitmap ground = Noise(120, 30);
  TextPainter painter;
  painter.SetFont(MakeFont("Miriam Fixed", -16));
  Bitmap kept = ground.Clone();
  const std::string text = "שלום 12";
  if (painter.DrawKept(kept, 4, 4, text, kBlack, -1, Rect{0, 0, 120, 30}))
    EXPECT_TRUE(kept.SamePixels(ThroughPango(ground, painter.CurrentFont(), {4, 4}, text, kBlack, {0, 0, 120, 30})));
  else
    EXPECT_TRUE(kept.SamePixels(ground)); // nothing drawn when not kept
}

TEST(KeptText, UnderlinesAndSymbolsGoThroughPango) {
  const Bitmap ground = Canvas(100, 30);
  TextPainter painter;
  Bitmap target = ground.Clone();
  EXPECT_FALSE(painter.DrawKept(target, 2, 2, "File", kBlack, 0, Rect{0, 0, 100, 30}));
  EXPECT_FALSE(painter.DrawKept(target, 2, 2, "a → b", kBlack, -1, Rect{0, 0, 100, 30}));
  EXPECT_FALSE(painter.DrawKept(target, 2, 2, "abc אבג", kBlack, -1, Rect{0, 0, 100, 30})); // two runs
  painter.SetFont(MakeFont("Arial", -12, FW_NORMAL, false, DEFAULT_QUALITY, true));
  EXPECT_FALSE(painter.DrawKept(target, 2, 2, "File", kBlack, -1, Rect{0, 0, 100, 30}));
  EXPECT_TRUE(target.SamePixels(ground));

  // The device context still draws them, underline included.
  DeviceContext dc(target);
  dc.SetBkMode(TRANSPARENT);
  Rect box{0, 0, 100, 30};
  dc.DrawText("&File → x", box, DT_SINGLELINE);
  const Rect ink = InkBounds(target, kWhite);
  EXPECT_GT(ink.Width(), 30);
  Bitmap plain = ground.Clone();
  DeviceContext plainDc(plain);
  plainDc.SetBkMode(TRANSPARENT);
  plainDc.DrawText("File → x", box, DT_SINGLELINE);
  EXPECT_FALSE(plain.SamePixels(target)); // the underline under F
}

TEST(KeptText, BlankTextDrawsNothingAndMasksEndInZeroPadding) {
  TextPainter painter;
  Bitmap target = Canvas(40, 20);
  EXPECT_TRUE(painter.DrawKept(target, 2, 2, "   ", kBlack, -1, Rect{0, 0, 40, 20}));
  EXPECT_TRUE(painter.DrawKept(target, 2, 2, "", kBlack, -1, Rect{0, 0, 40, 20}));
  EXPECT_FALSE(target.HasPixelOtherThan(kWhite));

  EXPECT_TRUE(GlyphMask::IsPlainText("Motor ÀÉ שלום"));
  EXPECT_FALSE(GlyphMask::IsPlainText("Motor \xE2\x86\x92")); // an arrow
}

TEST(TextCaches, FontsThatDrawAlikeShareAKey) {
  EXPECT_EQ(MakeFont("Miriam Fixed", -16).CacheKey(), MakeFont("Courier New", -16).CacheKey()); // both mono 16
  EXPECT_NE(MakeFont("Miriam Fixed", -16).CacheKey(), MakeFont("Miriam Fixed", -15).CacheKey());
  EXPECT_NE(MakeFont("Arial", -12).CacheKey(), MakeFont("Arial", -12, FW_BOLD).CacheKey());
  EXPECT_NE(MakeFont("Arial", -12).CacheKey(), MakeFont("Arial", -12, FW_NORMAL, true).CacheKey());
  EXPECT_NE(MakeFont("Arial", -12).CacheKey(),
            MakeFont("Arial", -12, FW_NORMAL, false, NONANTIALIASED_QUALITY).CacheKey());
  EXPECT_NE(MakeFont("Arial", -12).CacheKey(),
            MakeFont("Arial", -12, FW_NORMAL, false, DEFAULT_QUALITY, true).CacheKey());
  EXPECT_EQ(Font().CacheKey(), "");
}

TEST(TextCaches, MeasuresStayRightAcrossFontsAndEvictions) {
  const std::vector<Font> fonts = Fonts();
  std::vector<int> widths;
  std::vector<TextMetric> metrics;
  for (const Font& font : fonts) {
    TextPainter fresh;
    fresh.SetFont(font);
    widths.push_back(fresh.Width("Conveyor 12 running"));
    metrics.push_back(fresh.Metrics());
  }
  TextPainter painter;
  // More fonts than the painter keeps, and more texts per font than it keeps.
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < fonts.size(); ++i) {
      painter.SetFont(MakeFont(fonts[i].Describe().FaceName, fonts[i].Describe().Height, fonts[i].Describe().Weight,
                               fonts[i].Describe().Italic, fonts[i].Describe().Quality));
      EXPECT_EQ(painter.Width("Conveyor 12 running"), widths[i]) << i;
      EXPECT_EQ(painter.Metrics().Height, metrics[i].Height) << i;
      EXPECT_EQ(painter.Metrics().Ascent, metrics[i].Ascent) << i;
    }
  }
  painter.SetFont(fonts[0]);
  const int one = painter.Width("W");
  for (size_t i = 0; i < TextPainter::kKeptTexts + 10; ++i) painter.Width("n" + std::to_string(i));
  EXPECT_EQ(painter.Width("W"), one);
  EXPECT_EQ(painter.Width("WW"), 2 * one); // fixed pitch
  for (int i = 0; i < 12; ++i) painter.SetFont(MakeFont("Arial", -(8 + i)));
  painter.SetFont(fonts[0]);
  EXPECT_EQ(painter.Width("Conveyor 12 running"), widths[0]);
}

TEST(TextCaches, BlocksAreKeptPerTextWidthFormatAndFont) {
  TextPainter painter;
  painter.SetFont(MakeFont("Miriam Fixed", -16));
  const int both = painter.Width("aaa bbb");
  auto wide = painter.Block("aaa bbb", both, DT_WORDBREAK);
  auto narrow = painter.Block("aaa bbb", both - 1, DT_WORDBREAK);
  auto single = painter.Block("aaa bbb", both - 1, DT_SINGLELINE);
  EXPECT_EQ(wide->Lines().size(), 1u);
  EXPECT_EQ(narrow->Lines().size(), 2u);
  EXPECT_EQ(single->Lines().size(), 1u);
  EXPECT_EQ(painter.Block("aaa bbb", both, DT_WORDBREAK).get(), wide.get()); // kept
  // Placing flags and, without word breaks, the width do not make another block.
  EXPECT_EQ(painter.Block("aaa bbb", both, DT_WORDBREAK | DT_CENTER | DT_CALCRECT | DT_NOCLIP).get(), wide.get());
  EXPECT_EQ(painter.Block("aaa bbb", 3, DT_SINGLELINE | DT_VCENTER).get(), single.get());
  EXPECT_NE(painter.Block("aaa bbb", both, DT_WORDBREAK | DT_NOPREFIX).get(), wide.get());
  EXPECT_EQ(narrow->MaxWidth(), painter.Width("aaa"));

  painter.SetFont(MakeFont("Small Fonts", -8));
  auto small = painter.Block("aaa bbb", both, DT_WORDBREAK);
  EXPECT_NE(small.get(), wide.get());
  EXPECT_EQ(small->MaxWidth(), painter.Width("aaa bbb"));
  EXPECT_LT(small->LineHeight(), wide->LineHeight());
  // A kept block holds its lines after the font changed.
  EXPECT_EQ(wide->MaxWidth(), both);
}

TEST(TextCaches, TabbedBlocksKeepTheirSegments) {
  TextPainter painter;
  const int stop = 8 * painter.Metrics().AveCharWidth;
  auto block = painter.Block("ab\tc\td", 1000, DT_EXPANDTABS | DT_SINGLELINE);
  ASSERT_EQ(block->Lines().size(), 1u);
  const auto& segments = block->Segments(block->Lines()[0]);
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[1].X, stop);
  EXPECT_EQ(segments[1].Start, 3u);
  EXPECT_EQ(segments[2].X, 2 * stop);
  EXPECT_EQ(block->Lines()[0].Width, 2 * stop + painter.Width("d"));
}

} // namespace
} // namespace ldr::test
