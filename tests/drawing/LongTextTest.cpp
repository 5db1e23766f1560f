// Texts far longer than anything shown: only what can be seen is laid out
// and drawn, and it looks exactly as the same text cut short.

#include "DrawingTestSupport.h"

#include "platform/drawing/TextBlock.h"
#include "platform/drawing/TextPainter.h"

#include <gtest/gtest.h>

#include <string>

namespace ldr::test {
namespace {

constexpr unsigned kCommentFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;

// Draws text with `draw` on a fresh canvas and hands the canvas back.
template <typename Draw> Bitmap Drawn(int width, int height, const std::string& text, Draw draw) {
  Bitmap canvas = Canvas(width, height);
  DeviceContext dc(canvas);
  dc.SetBkMode(TRANSPARENT);
  draw(dc, text);
  return canvas;
}

void ExpectSamePixels(const Bitmap& a, const Bitmap& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.GetPixel(x, y) != b.GetPixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST(LongText, ALineWiderThanAnySurfaceShowsAsItsVisibleBeginning) {
  // 4,000 capital W are far wider than the 32,767 pixels a surface may have.
  const std::string wide(4000, 'W');
  const std::string cut(80, 'W'); // still wider than the canvas
  auto textOut = [](DeviceContext& dc, const std::string& text) { dc.TextOut(5, 5, text); };
  auto singleLine = [](DeviceContext& dc, const std::string& text) {
    Rect box{-40, 20, 290, 40}; // starts left of the canvas too
    dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  };
  const Bitmap shown = Drawn(300, 44, wide, textOut);
  EXPECT_FALSE(PixelsNot(shown, kWhite).empty());
  ExpectSamePixels(shown, Drawn(300, 44, cut, textOut));
  ExpectSamePixels(Drawn(300, 44, wide, singleLine), Drawn(300, 44, cut, singleLine));
}

TEST(LongText, ACommentIsLaidOutOnlyAsFarDownAsItShows) {
  auto comment = [](DeviceContext& dc, const std::string& text) {
    Rect area{0, 2, 742, 42};
    dc.DrawText(text, area, kCommentFormat);
  };
  // One endless word (broken inside) and endless words (broken between).
  const std::string word(100000, 'x');
  std::string words;
  while (words.size() < 100000) words += "word ";
  for (const std::string& text : {word, words}) {
    const Bitmap shown = Drawn(742, 60, text, comment);
    EXPECT_FALSE(PixelsNot(shown, kWhite).empty());
    ExpectSamePixels(shown, Drawn(742, 60, text.substr(0, 2000), comment));
  }

  TextPainter painter;
  const auto block = painter.Block(word, 742, kCommentFormat, 3);
  EXPECT_EQ(block->Lines().size(), 3u);
  EXPECT_EQ(painter.Block(word.substr(0, 300), 742, kCommentFormat)->Lines()[0].Text, block->Lines()[0].Text);
  // Measuring still sees the whole text.
  const std::string twelveLines = words.substr(0, 1200);
  Rect calc{0, 0, 742, 0};
  DeviceContext dc;
  EXPECT_EQ(dc.DrawText(twelveLines, calc, kCommentFormat | DT_CALCRECT),
            dc.GetTextMetrics().Height *
                static_cast<int>(painter.Block(twelveLines, 742, kCommentFormat)->Lines().size()));
  EXPECT_GT(calc.Height(), 3 * dc.GetTextMetrics().Height);
}

} // namespace
} // namespace ldr::test
