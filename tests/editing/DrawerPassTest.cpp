// The strip pass and the element pass: what lands in the persistent images,
// which elements are left out, the horizontal offset, comments and the area
// below the return strip.
#include "DrawerTestFixture.h"

#include "core/enMouseProcess.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using DrawerPass = DrawerTestFixture;

// Net at rows 0..5 (edit zone from x = 28): element at grid (x, y) paints the
// cell from pixel (28 + 14x, 14y).
TEST_F(DrawerPass, DrawAllPaintsStripsAndElementsIntoThePersistentImagesOnly) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  net->Add(Marker(10, 3, 2, kRed));
  mDrawer->DrawAll();

  EXPECT_EQ(Persistent(*mRight, 100, 10), kGreen);
  EXPECT_EQ(Persistent(*mLeft, 10, 10), kGreen);
  EXPECT_EQ(Persistent(*mRight, 28 + 42, 28), kRed);
  EXPECT_EQ(Persistent(*mRight, 28 + 42 + 13, 28 + 13), kRed);
  EXPECT_EQ(Persistent(*mRight, 28 + 42 + 14, 28), kGreen);
  // Nothing is shown until the flush.
  EXPECT_FALSE(mRight->VisibleImage().HasPixelOtherThan(kWhite));
  EXPECT_FALSE(mLeft->VisibleImage().HasPixelOtherThan(kWhite));
  // The element pass gives the board its origin back.
  EXPECT_EQ(mRight->hDC().ViewportOrg(), (gdi::Point{0, 0}));

  mDrawer->FlushBackGround();
  EXPECT_TRUE(mRight->VisibleImage().SamePixels(mRight->PersistentImage()));
  EXPECT_TRUE(mLeft->VisibleImage().SamePixels(mLeft->PersistentImage()));
}

TEST_F(DrawerPass, BoardsGoBackToTheirPersistenceModeAfterAPass) {
  AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mRight->SetAutoRedraw(false);
  mLeft->SetAutoRedraw(false);
  mDrawer->DrawAll();
  EXPECT_FALSE(mRight->AutoRedraw());
  EXPECT_FALSE(mLeft->AutoRedraw());

  mRight->SetAutoRedraw(true);
  mDrawer->DrawNoneSelectedAll();
  EXPECT_TRUE(mRight->AutoRedraw());
  // Both boards take the right board's remembered mode.
  EXPECT_TRUE(mLeft->AutoRedraw());
}

TEST_F(DrawerPass, ElementsOfLaterNetsAreDrawnAtTheirNetsTop) {
  AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  auto second = AddStrip(std::make_shared<FakeNet>(2, 5, 6, kGreen));
  second->Add(Marker(20, 0, 1, kRed));
  mDrawer->DrawAll();
  EXPECT_EQ(Persistent(*mRight, 28, 14 * 6), kRed);
  EXPECT_EQ(Persistent(*mRight, 28, 14 * 6 - 1), kGreen);
}

TEST_F(DrawerPass, ElementMoveLeavesSelectedElementsOutWhoeverDraws) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  net->Add(Marker(10, 0, 1, kRed, true));
  net->Add(Marker(11, 5, 1, kOrange, false));

  mCtx.State->SetMouseProcess(eMP_ElementMoveProc);
  mDrawer->DrawAll();
  EXPECT_EQ(Persistent(*mRight, 28, 14), kGreen);
  EXPECT_EQ(Persistent(*mRight, 28 + 70, 14), kOrange);

  mCtx.State->SetMouseProcess(eMP_QueryForProcess);
  mDrawer->DrawAll();
  EXPECT_EQ(Persistent(*mRight, 28, 14), kRed);
  EXPECT_EQ(Persistent(*mRight, 28 + 70, 14), kOrange);
}

TEST_F(DrawerPass, DrawNoneSelectedAllLeavesSelectedElementsOut) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  auto selected = Marker(10, 0, 1, kRed, true);
  net->Add(selected);
  net->Add(Marker(11, 5, 1, kOrange, false));
  mDrawer->DrawNoneSelectedAll();
  EXPECT_EQ(selected->Draws, 0);
  EXPECT_EQ(Persistent(*mRight, 28, 14), kGreen);
  EXPECT_EQ(Persistent(*mRight, 28 + 70, 14), kOrange);
}

TEST_F(DrawerPass, CollapsedNetDrawsItselfButNoElement) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 1, kGreen));
  auto element = Marker(10, 0, 0, kRed);
  net->Add(element);
  net->Collapsed = true;
  mDrawer->DrawAll();
  EXPECT_EQ(net->Draws, 1);
  EXPECT_EQ(element->Draws, 0);
  EXPECT_EQ(Persistent(*mRight, 30, 5), kGreen);
}

TEST_F(DrawerPass, HorizontalOffsetShiftsElementsButNotTheNet) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  net->Add(Marker(10, 0, 1, kRed));
  net->Add(Marker(11, 4, 2, kOrange));
  mDrawer->SetHorizontalOffset(3);
  mDrawer->DrawAll();
  // Column 0 of an edit zone at column 2 lands one column left of the board:
  // x -14 .. -1, out of sight; the net's own picture stays where it was.
  EXPECT_EQ(Persistent(*mRight, 0, 14), kWhite);
  EXPECT_EQ(Persistent(*mRight, 28, 14), kGreen);
  // Column 4 lands at x = 14 * (2 - 3 + 4) = 42.
  EXPECT_EQ(Persistent(*mRight, 42, 28), kOrange);
  EXPECT_EQ(Persistent(*mRight, 41, 28), kGreen);
  EXPECT_EQ(Persistent(*mRight, 56, 28), kGreen);
}

TEST_F(DrawerPass, CommentsAreDrawnOnceAtTheHorizontalOffset) {
  auto comment = AddStrip(std::make_shared<FakeComment>(1, 0, 3, kPurple));
  auto net = AddStrip(std::make_shared<FakeNet>(2, 3, 5, kGreen));
  mDrawer->SetHorizontalOffset(4);
  mDrawer->DrawAll();
  EXPECT_EQ(comment->LeftAtDraw, (std::vector<std::int32_t>{-4}));
  // Hit tests keep working in unscrolled columns.
  EXPECT_EQ(comment->Left(), 0);
  // Nets keep their place.
  EXPECT_EQ(net->LeftAtDraw, (std::vector<std::int32_t>{0}));

  mDrawer->SetHorizontalOffset(0);
  mDrawer->DrawAll();
  EXPECT_EQ(comment->LeftAtDraw.back(), 0);
}

TEST_F(DrawerPass, AreaBelowTheReturnStripIsClearedDownToTheViewHeight) {
  Paint(*mRight, kRed);
  Paint(*mLeft, kRed);
  AddStrip(std::make_shared<FakeNet>(1, 0, 3, kGreen));
  auto ret = AddStrip(std::make_shared<FakeNet>(2, 3, 5, kGreen));
  ret->ReturnStrip = true;
  mDrawer->SetViewHeight(12); // bottom = 8, rest = 4: rows 113 .. 167
  mDrawer->DrawAll();

  EXPECT_EQ(Persistent(*mRight, 100, 112), kGreen); // the return strip's bottom line
  for (int y : {113, 140, 167}) {
    EXPECT_EQ(Persistent(*mRight, 0, y), kWhite) << y;
    EXPECT_EQ(Persistent(*mRight, 769, y), kWhite) << y;
    EXPECT_EQ(Persistent(*mLeft, 0, y), kWhite) << y;
    EXPECT_EQ(Persistent(*mLeft, 27, y), kWhite) << y;
  }
  EXPECT_EQ(Persistent(*mRight, 100, 168), kRed);
  EXPECT_EQ(Persistent(*mLeft, 10, 168), kRed);
  // The white pen of the clearing does not stay selected.
  EXPECT_EQ(mRight->hDC().CurrentPen(), gdi::Pen::Solid(gdi::RGB(0, 0, 0)));
}

TEST_F(DrawerPass, NothingIsClearedWithoutAReturnStripOrRoomBelowIt) {
  Paint(*mRight, kRed);
  Paint(*mLeft, kRed);
  AddStrip(std::make_shared<FakeNet>(1, 0, 3, kGreen));
  mDrawer->SetViewHeight(12);
  mDrawer->DrawAll();
  EXPECT_EQ(Persistent(*mRight, 100, 60), kRed);

  auto ret = AddStrip(std::make_shared<FakeNet>(2, 3, 9, kGreen));
  ret->ReturnStrip = true; // bottom = 12 = view height
  mDrawer->DrawAll();
  EXPECT_EQ(Persistent(*mRight, 100, 14 * 12 + 1), kRed);
  EXPECT_EQ(Persistent(*mLeft, 10, 14 * 12 + 1), kRed);
}

TEST_F(DrawerPass, WithoutStripsNothingIsDrawnOrCleared) {
  Paint(*mRight, kRed);
  mDrawer->SetStrips(nullptr);
  mDrawer->RedrawAll();
  EXPECT_FALSE(mRight->PersistentImage().HasPixelOtherThan(kRed));
  mDrawer->SetStrips(mStrips.get());
  mDrawer->RedrawAll();
  EXPECT_FALSE(mRight->PersistentImage().HasPixelOtherThan(kRed));
}

TEST_F(DrawerPass, DrawElementPaintsOneElementIntoThePersistentImage) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 2, 5, kGreen));
  auto element = Marker(10, 1, 1, kRed);
  mDrawer->DrawElement(*net, *element);
  EXPECT_EQ(Persistent(*mRight, 28 + 14, 14 * 3), kRed);
  EXPECT_EQ(Visible(*mRight, 28 + 14, 14 * 3), kWhite);
  EXPECT_EQ(net->Draws, 0);
  EXPECT_FALSE(mRight->AutoRedraw());
}

} // namespace
} // namespace ldr::test
