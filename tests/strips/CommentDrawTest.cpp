// Pixels of a comment strip: the white text area with its separator, the
// header on the left board with the power rail running through it and its
// icons, and word-broken text that stays inside the text area.
#include "CommentTestFixture.h"

#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

// Boards 28 and 770 wide; the comment stands at row 1, 3 rows high:
// y 14 .. 56, H = 42.
class CommentDraw : public CommentTestFixture {
protected:
  void DrawComment(clsLdrComment& comment) { comment.Draw(mLeft, mBoard, mRes); }
  // Whether the 16 x 16 picture `name` stands at (x, y) of `dc`.
  static bool PictureAt(const gdi::DeviceContext& dc, const std::string& name, int x, int y) {
    const gdi::Bitmap picture = gdi::ResourceLibrary::LoadBitmap(name);
    for (int py = 0; py < picture.Height(); ++py)
      for (int px = 0; px < picture.Width(); ++px)
        if (dc.GetPixel(x + px, y + py) != picture.GetPixel(px, py)) return false;
    return true;
  }

  gdi::DeviceContext mLeft = Surface(28, 120);
  gdi::DeviceContext mBoard = Surface(770, 120);
  GdiResources mRes = DrawerResources();
};

TEST_F(CommentDraw, TextAreaIsWhiteWithAGreySeparatorBelow) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow(""), 1);
  DrawComment(*comment);
  EXPECT_EQ(mBoard.GetPixel(28, 15), kWhite);
  EXPECT_EQ(mBoard.GetPixel(769, 55), kWhite);
  EXPECT_EQ(mBoard.GetPixel(400, 14), kBackground); // the row line above is the neighbour's
  EXPECT_EQ(mBoard.GetPixel(27, 30), kBackground);  // left of the text area
  EXPECT_EQ(mBoard.GetPixel(28, 56), kGrey);
  EXPECT_EQ(mBoard.GetPixel(769, 56), kGrey);
  EXPECT_EQ(mBoard.GetPixel(400, 57), kBackground);
  // The origins are given back.
  EXPECT_EQ(mBoard.ViewportOrg(), (gdi::Point{0, 0}));
  EXPECT_EQ(mLeft.ViewportOrg(), (gdi::Point{0, 0}));
}

TEST_F(CommentDraw, HeaderCarriesThePowerRailIconsAndSeparator) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow(""), 1);
  DrawComment(*comment);
  for (int y = 14; y < 56; ++y) ASSERT_EQ(mLeft.GetPixel(27, y), kBlack) << y;
  EXPECT_EQ(mLeft.GetPixel(1, 15), kWhite);
  EXPECT_EQ(mLeft.GetPixel(26, 55), kWhite);
  EXPECT_EQ(mLeft.GetPixel(10, 56), kGrey);
  EXPECT_EQ(mLeft.GetPixel(27, 56), kGrey);
  EXPECT_TRUE(PictureAt(mLeft, "COMMENT_NORMAL", 4, 15));
  EXPECT_TRUE(PictureAt(mLeft, "STRIP_RESIZER_NORMAL", 4, 56 - 16));
}

TEST_F(CommentDraw, SelectedHeaderIsGreyWithTheSelectedIcons) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow(""), 1);
  comment->SetIsSelected(true);
  DrawComment(*comment);
  EXPECT_EQ(mLeft.GetPixel(1, 15), kGrey);
  EXPECT_EQ(mLeft.GetPixel(26, 55), kGrey);
  EXPECT_EQ(mLeft.GetPixel(27, 30), kBlack);
  EXPECT_TRUE(PictureAt(mLeft, "COMMENT_SELECTED", 4, 15));
  EXPECT_TRUE(PictureAt(mLeft, "STRIP_RESIZER_SELECTED", 4, 56 - 16));
  // The text area does not show the selection.
  EXPECT_EQ(mBoard.GetPixel(100, 30), kWhite);
}

TEST_F(CommentDraw, LongTextIsWordBrokenInsideTheTextArea) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "conveyor" + std::to_string(i) + " ";
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow(text), 1);
  DrawComment(*comment);

  // Ink on the first line and on the lines the word breaking made.
  const int lineHeight = mBoard.GetTextMetrics().Height;
  ASSERT_GT(lineHeight, 0);
  EXPECT_GT(InkIn(mBoard, 28, 16, 770, 16 + lineHeight, kWhite, kGrey), 0);
  EXPECT_GT(InkIn(mBoard, 28, 16 + lineHeight, 770, 16 + 2 * lineHeight, kWhite, kGrey), 0);
  // Nothing beyond the text area: not above its top margin, not on the
  // separator, not below the strip.
  EXPECT_EQ(InkIn(mBoard, 28, 14, 770, 16, kWhite, kBackground), 0);
  EXPECT_EQ(InkIn(mBoard, 0, 56, 770, 120, kGrey, kBackground), 0);
  EXPECT_EQ(InkIn(mBoard, 0, 0, 28, 120, kGrey, kBackground), 0);
  EXPECT_EQ(InkIn(mLeft, 0, 0, 4, 56, kWhite, kBackground), 0);
}

TEST_F(CommentDraw, AWordLongerThanTheAreaIsBrokenToo) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow(std::string(300, 'M')), 1);
  DrawComment(*comment);
  const int lineHeight = mBoard.GetTextMetrics().Height;
  EXPECT_GT(InkIn(mBoard, 28, 16 + lineHeight, 770, 16 + 2 * lineHeight, kWhite, kGrey), 0);
  EXPECT_EQ(InkIn(mBoard, 0, 0, 28, 120, kGrey, kBackground), 0);
}

TEST_F(CommentDraw, LeftMovesTheTextButNotTheHeader) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("Wide text at the start"), 1);
  DrawComment(*comment);
  gdi::DeviceContext unscrolledBoard = Surface(770, 120);
  gdi::DeviceContext unscrolledLeft = Surface(28, 120);
  unscrolledBoard.BitBlt(0, 0, 770, 120, mBoard, 0, 0, gdi::SRCCOPY);
  unscrolledLeft.BitBlt(0, 0, 28, 120, mLeft, 0, 0, gdi::SRCCOPY);

  mBoard = Surface(770, 120);
  mLeft = Surface(28, 120);
  comment->SetLeft(-1);
  DrawComment(*comment);
  for (int y = 15; y < 56; ++y)
    for (int x = 14; x < 756; ++x)
      ASSERT_EQ(mBoard.GetPixel(x, y), unscrolledBoard.GetPixel(x + 14, y)) << x << "," << y;
  EXPECT_TRUE(mLeft.CurrentBitmap().SamePixels(unscrolledLeft.CurrentBitmap()));
}

TEST_F(CommentDraw, PrintingWritesTheTextWhereTheStripStands) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("Printed"), 2);
  gdi::DeviceContext page = Surface(770, 120);
  comment->PrintStrip(page);
  EXPECT_GT(InkIn(page, 28, 30, 200, 56, kBackground, kBackground), 0);
  EXPECT_EQ(InkIn(page, 0, 0, 770, 29, kBackground, kBackground), 0);
}

} // namespace
} // namespace ldr::test
