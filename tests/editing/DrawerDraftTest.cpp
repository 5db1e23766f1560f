// Drafts on the visible surfaces, the flush that wipes them, and the moving
// picture of the element mover.
#include "DrawerTestFixture.h"

#include "interfaces/itfProcess.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using DrawerDraft = DrawerTestFixture;

// A process whose transient picture is a mark on each board.
class MarkingProcess : public itfProcess {
public:
  void Init(itfProcessControl&, itfDrawer&) override {}
  ProcessOutcome CreateNewElement(std::int32_t) override { return {}; }
  void SetFunctionID(std::int32_t) override {}
  void SetStripType(enStripType) override {}
  void SetCreationStyle(std::int32_t) override {}
  void SetCreationAmount(std::int32_t) override {}
  ProcessOutcome MouseDown(const std::shared_ptr<itfStrip>&) override { return {}; }
  ProcessOutcome MouseMove(const std::shared_ptr<itfStrip>&) override { return {}; }
  ProcessOutcome MouseUp(const std::shared_ptr<itfStrip>&) override { return {}; }
  void Draw(gdi::DeviceContext& left, gdi::DeviceContext& right) override {
    left.SetPixel(5, 5, kRed);
    right.SetPixel(300, 50, kRed);
  }
  void OnScroll(KeyedCollection<itfStrip>&) override {}
};

TEST_F(DrawerDraft, FlushWipesADraftedElement) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mDrawer->RedrawAll();
  auto draft = Marker(10, 2, 2, kRed);
  mDrawer->DraftElement(*net, *draft);
  EXPECT_EQ(Visible(*mRight, 28 + 28, 28), kRed);
  EXPECT_EQ(Persistent(*mRight, 28 + 28, 28), kGreen);
  EXPECT_FALSE(mRight->AutoRedraw());

  mDrawer->FlushBackGround();
  EXPECT_EQ(Visible(*mRight, 28 + 28, 28), kGreen);
  EXPECT_TRUE(mRight->VisibleImage().SamePixels(mRight->PersistentImage()));
}

TEST_F(DrawerDraft, DraftElementKeepsThePersistentModeOfTheBoard) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mRight->SetAutoRedraw(true);
  mDrawer->DraftElement(*net, *Marker(10, 2, 2, kRed));
  EXPECT_TRUE(mRight->AutoRedraw());
  EXPECT_EQ(Persistent(*mRight, 28 + 28, 28), kWhite);
}

TEST_F(DrawerDraft, ServiceDraftsOnBothVisibleSurfacesUntilTheFlush) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mDrawer->RedrawAll();
  mRight->SetAutoRedraw(true);
  MarkingProcess process;
  mDrawer->DraftService(process, *net);
  EXPECT_EQ(Visible(*mLeft, 5, 5), kRed);
  EXPECT_EQ(Visible(*mRight, 300, 50), kRed);
  EXPECT_EQ(Persistent(*mLeft, 5, 5), kGreen);
  EXPECT_EQ(Persistent(*mRight, 300, 50), kGreen);
  EXPECT_TRUE(mRight->AutoRedraw());
  EXPECT_TRUE(mLeft->AutoRedraw());

  mDrawer->FlushBackGround();
  EXPECT_EQ(Visible(*mLeft, 5, 5), kGreen);
  EXPECT_EQ(Visible(*mRight, 300, 50), kGreen);
}

TEST_F(DrawerDraft, MovingElementsAreDrawnOverTheBackgroundOfTheMoveStart) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  auto moving = Marker(10, 1, 1, kRed, true);
  net->Add(moving);
  net->Add(Marker(11, 8, 1, kOrange));
  mCtx.State->SetMouseProcess(eMP_ElementMoveProc);
  mDrawer->RedrawAll();
  mDrawer->PrepareForMove();
  ASSERT_TRUE(mDrawer->HasMoveBackground());

  // Two mouse moves: the element at column 3, then at column 5.
  moving->SetXs(3);
  mDrawer->DraftSelected(*net, {moving});
  EXPECT_EQ(Visible(*mRight, 28 + 42, 14), kRed);
  moving->SetXs(5);
  mDrawer->DraftSelected(*net, {moving});
  EXPECT_EQ(Visible(*mRight, 28 + 42, 14), kGreen); // the earlier draft is gone
  EXPECT_EQ(Visible(*mRight, 28 + 70, 14), kRed);
  EXPECT_EQ(Visible(*mRight, 28 + 14, 14), kGreen); // the start position was left out
  EXPECT_EQ(Visible(*mRight, 28 + 112, 14), kOrange);
  EXPECT_TRUE(mRight->VisibleImage().SamePixels(mRight->PersistentImage()));
  EXPECT_FALSE(mRight->AutoRedraw());

  mDrawer->ReleaseResourcesAfterMove();
  EXPECT_FALSE(mDrawer->HasMoveBackground());
}

// Once the move's first step has shown the whole board, a step presents
// only the old and the new place of what moves: a pixel elsewhere on the
// visible surface is not copied again (the host repaints little), while a
// flush after a draft copies only the draft's place.
TEST_F(DrawerDraft, MoveStepsAndFlushesPresentOnlyWhatChanged) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  auto moving = Marker(10, 1, 1, kRed, true);
  net->Add(moving);
  mCtx.State->SetMouseProcess(eMP_ElementMoveProc);
  mDrawer->RedrawAll();
  mDrawer->PrepareForMove();
  mDrawer->DraftSelected(*net, {moving});
  gdi::Bitmap visible = mRight->VisibleImage();
  visible.SetPixel(400, 100, kOrange); // stands for pixels the step must not touch
  moving->SetXs(3);
  mDrawer->DraftSelected(*net, {moving});
  EXPECT_EQ(Visible(*mRight, 28 + 42, 14), kRed);
  EXPECT_EQ(Visible(*mRight, 28 + 14, 14), kGreen);
  EXPECT_EQ(Visible(*mRight, 400, 100), kOrange);
  mDrawer->ReleaseResourcesAfterMove();

  mCtx.State->SetMouseProcess(eMP_QueryForProcess);
  mDrawer->RedrawAll();
  visible.SetPixel(400, 100, kOrange);
  mDrawer->DraftElement(*net, *Marker(11, 8, 1, kRed));
  mDrawer->FlushBackGround();
  EXPECT_EQ(Visible(*mRight, 28 + 112, 14), kGreen);
  EXPECT_EQ(Visible(*mRight, 400, 100), kOrange);
}

TEST_F(DrawerDraft, DraftSelectedWithoutPreparationDoesNotPileUpDrafts) {
  auto net = AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mDrawer->RedrawAll();
  auto moving = Marker(10, 1, 1, kRed, true);
  mDrawer->DraftSelected(*net, {moving});
  moving->SetXs(4);
  mDrawer->DraftSelected(*net, {moving});
  EXPECT_EQ(Visible(*mRight, 28 + 14, 14), kGreen);
  EXPECT_EQ(Visible(*mRight, 28 + 56, 14), kRed);
  mDrawer->ReleaseResourcesAfterMove();
  EXPECT_FALSE(mDrawer->HasMoveBackground());
}

TEST_F(DrawerDraft, RedrawAllReportsTheEditorStateToTheHost) {
  AddStrip(std::make_shared<FakeNet>(1, 0, 5, kGreen));
  mCtx.State->SetNeedToSave(true);
  ASSERT_FALSE(mHost.Gui->Modified());
  mDrawer->RedrawAll();
  EXPECT_TRUE(mHost.Gui->Modified());
  EXPECT_TRUE(mRight->VisibleImage().SamePixels(mRight->PersistentImage()));
}

} // namespace
} // namespace ldr::test
