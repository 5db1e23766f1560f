// A real comment strip through the drawer: its text follows the horizontal
// offset, its header stays beside the ladder, and it still answers hits in
// unscrolled columns afterwards.
#include "DrawerTestFixture.h"

#include "strips/clsLdrComment.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class DrawerComment : public DrawerTestFixture {
protected:
  std::shared_ptr<clsLdrComment> AddComment(const std::string& text, std::int32_t top) {
    const long id = static_cast<long>(
        Db().AddRow("LdrStrips", {{"FuncID", 2}, {"SeqNum", 50}, {"StrpType", 2}, {"Height", 3}, {"Comment", text}}));
    auto rs = Db().Query("SELECT * FROM LdrStrips WHERE StripID=" + std::to_string(id));
    auto comment = std::make_shared<clsLdrComment>(mCtx);
    comment->SetTop(top);
    comment->Load(rs);
    return AddStrip(comment);
  }
};

TEST_F(DrawerComment, TextFollowsTheHorizontalOffsetAndTheHeaderStays) {
  auto comment = AddComment("Filling station: valve V3 opens first", 1);
  mDrawer->DrawAll();
  const gdi::Bitmap rightAtZero = mRight->PersistentImage().Clone();
  const gdi::Bitmap leftAtZero = mLeft->PersistentImage().Clone();
  ASSERT_TRUE(rightAtZero.HasPixelOtherThan(kWhite));

  Paint(*mRight, kRed);
  mDrawer->SetHorizontalOffset(3);
  mDrawer->DrawAll();
  // Everything the comment drew moved 42 pixels to the left.
  for (int y = 15; y <= 56; ++y)
    for (int x = 0; x < 770 - 42; ++x)
      ASSERT_EQ(Persistent(*mRight, x, y), rightAtZero.GetPixel(x + 42, y)) << x << "," << y;
  EXPECT_TRUE(mLeft->PersistentImage().SamePixels(leftAtZero));

  // The header is hit in unscrolled columns, as the boards report them.
  HitRecord header;
  header.X = 1;
  header.Y = 1;
  header.HorzSide = HitRecord::kOnOrRightOfLine;
  header.VertSide = HitRecord::kOnOrBelowLine;
  comment->HitTestByPoint(header);
  EXPECT_EQ(header.HitKind, eHK_Header);
}

} // namespace
} // namespace ldr::test
