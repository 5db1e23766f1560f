// Dragging the bottom of a net between its minimum and maximum.

#include "EditingFixture.h"
#include "editing/srvStripResizer.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/DeviceContext.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using ::testing::_;

class StripResizerTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(2), 14); // rows 14 to 28 of the view
    mResizer.Init(mControl, *mDrawer);
  }
  // The pointer at view pixel row `pixelY`, over `strip`.
  static void PointerAt(const std::shared_ptr<itfStrip>& strip, double pixelY) {
    HitRecord hit = HitRecord::FromPixel(10, pixelY);
    strip->HitTestByPoint(hit);
  }
  long StoredHeight() {
    return Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mNet->StripID()));
  }

  std::shared_ptr<itfStrip> mNet;
  srvStripResizer mResizer{mCtx};
};

TEST_F(StripResizerTest, ThePointerRowRoundsTwiceAndAddsOne) {
  auto at = [](double pixelY) { return srvStripResizer::PointerRow(HitRecord::FromPixel(0, pixelY)); };
  EXPECT_EQ(at(0), 1);
  EXPECT_EQ(at(6.4), 1); // 6 / 14 rounds to 0
  EXPECT_EQ(at(7), 1);   // 0.5: ties to even
  EXPECT_EQ(at(7.6), 2); // 8 / 14
  EXPECT_EQ(at(21), 3);  // 1.5: ties to even
  EXPECT_EQ(at(35), 3);  // 2.5: ties to even
  EXPECT_EQ(at(378), 28);
}

TEST_F(StripResizerTest, ADragWithinTheBoundsSetsTheHeight) {
  PointerAt(mNet, 26 * 14);
  EXPECT_CALL(*mDrawer, DraftService(_, _)).Times(2);
  mResizer.MouseDown(mNet);
  EXPECT_EQ(mResizer.CurrentBottom(), 27);
  PointerAt(mNet, 33 * 14);
  mResizer.MouseMove(mNet);
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_EQ(mResizer.CurrentBottom(), 34);
  EXPECT_CALL(mControl, Relocate());
  EXPECT_CALL(mControl, SetKillProcess(eMP_StripResizeProc));
  mResizer.MouseUp(mNet);
  EXPECT_EQ(StoredHeight(), 20);
  EXPECT_EQ(mNet->Height(), 20);
  EXPECT_TRUE(mCtx.State->NeedToSave());
}

TEST_F(StripResizerTest, BeyondTheBoundsTheLastLegalBottomStays) {
  PointerAt(mNet, 26 * 14);
  mResizer.MouseDown(mNet);
  PointerAt(mNet, 22 * 14);
  mResizer.MouseMove(mNet);
  EXPECT_EQ(mResizer.CurrentBottom(), 23);
  EXPECT_CALL(*mDrawer, DraftService(_, _)).Times(0);
  PointerAt(mNet, 14 * 14); // above the minimum bottom
  mResizer.MouseMove(mNet);
  EXPECT_TRUE(mCtx.State->NoDrop());
  PointerAt(mNet, 60 * 14); // below the maximum
  mResizer.MouseMove(mNet);
  mResizer.MouseMove(nullptr);
  EXPECT_TRUE(mCtx.State->NoDrop());
  mResizer.MouseUp(nullptr);
  EXPECT_EQ(StoredHeight(), 9);
  EXPECT_TRUE(mCtx.State->NeedToSave()); // the height did change
}

TEST_F(StripResizerTest, AReleaseBeyondTheBoundsAtTheOldHeightIsNoChange) {
  PointerAt(mNet, 15 * 14); // out of bounds: the minimum bottom
  mResizer.MouseDown(mNet);
  PointerAt(mNet, 27 * 14);
  mResizer.MouseMove(mNet); // row 28: the height it has
  PointerAt(mNet, 60 * 14);
  mResizer.MouseUp(mNet);
  EXPECT_EQ(StoredHeight(), 14);
  EXPECT_FALSE(mCtx.State->NeedToSave());
}

TEST_F(StripResizerTest, ReleasingWhereThePressWasRewritesTheSameHeight) {
  PointerAt(mNet, 27 * 14);
  mResizer.MouseDown(mNet);
  mResizer.MouseUp(mNet);
  EXPECT_EQ(StoredHeight(), 14);
  EXPECT_TRUE(mCtx.State->NeedToSave());
}

TEST_F(StripResizerTest, APressOutsideTheBoundsStartsAtTheMinimum) {
  Store(mNet, eET_DirectContact, 4, 9); // the net needs rows 6 to 9: minimum 5
  PointerAt(mNet, 15 * 14);
  mResizer.MouseDown(mNet);
  EXPECT_EQ(mResizer.CurrentBottom(), 14 + mNet->MinHeight());
}

TEST_F(StripResizerTest, APressOverNoStripEndsAtOnce) {
  EXPECT_CALL(mControl, SetKillProcess(eMP_StripResizeProc));
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  EXPECT_CALL(*mDrawer, DraftService(_, _)).Times(0);
  mResizer.MouseDown(nullptr);
}

TEST_F(StripResizerTest, TheBandIsAHatchedBlueStripeOnBothBoards) {
  PointerAt(mNet, 20 * 14);
  mResizer.MouseDown(mNet);
  ASSERT_EQ(mResizer.CurrentBottom(), 21);
  const gdi::COLORREF white = gdi::RGB(255, 255, 255);
  gdi::DeviceContext left(gdi::Bitmap(28, 400));
  gdi::DeviceContext right(gdi::Bitmap(740, 400));
  left.FillRect({0, 0, 28, 400}, gdi::Brush::Solid(white));
  right.FillRect({0, 0, 740, 400}, gdi::Brush::Solid(white));
  mResizer.Draw(left, right);
  for (gdi::DeviceContext* dc : {&left, &right}) {
    const int width = dc == &left ? 28 : 740;
    int blue = 0;
    for (int y = 294; y < 301; ++y)
      for (int x = 0; x < width; ++x) blue += dc->GetPixel(x, y) == gdi::RGB(0, 0, 255);
    EXPECT_GT(blue, width / 2); // a hatch: some, not all
    EXPECT_LT(blue, width * 7);
    for (int x = 0; x < width; ++x) {
      EXPECT_EQ(dc->GetPixel(x, 293), white);
      EXPECT_EQ(dc->GetPixel(x, 301), white);
    }
    EXPECT_EQ(dc->ViewportOrg(), (gdi::Point{0, 0}));
  }
}

} // namespace
} // namespace ldr::test
