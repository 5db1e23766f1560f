// The function view's layout: which strips exist as objects, where they
// stand, IsLoaded, hidden comments, the scroll range, rounding and jumping.

#include "FunctionTestFixture.h"

#include "core/ProjectData.h"
#include "core/StripStack.h"

using namespace ldr;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class FunctionLayout : public test::FunctionFixture {};

TEST(StripVisibility, EdgesOfTheView) {
  constexpr long kView = 30;
  // Bottom on the top edge: nothing of the strip shows.
  EXPECT_FALSE(StripStack::IsVisible(-14, 0, kView));
  EXPECT_TRUE(StripStack::IsVisible(-13, 1, kView));
  // Bottom on the bottom edge.
  EXPECT_TRUE(StripStack::IsVisible(16, 30, kView));
  // Top on the top edge; top on the bottom edge is already below the view.
  EXPECT_TRUE(StripStack::IsVisible(0, 14, kView));
  EXPECT_TRUE(StripStack::IsVisible(29, 43, kView));
  EXPECT_FALSE(StripStack::IsVisible(30, 44, kView));
  // Taller than the view, spanning it.
  EXPECT_TRUE(StripStack::IsVisible(-5, 40, kView));
  EXPECT_TRUE(StripStack::IsVisible(0, 31, kView));
  EXPECT_FALSE(StripStack::IsVisible(-40, -1, kView));
}

TEST_F(FunctionLayout, LoadMakesOnlyTheVisibleStripsAndMarksExactlyThem) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  // Tops 0, 14 and 28 lie in a view 30 rows high.
  EXPECT_EQ(mMade, 3);
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 0, 3));
  EXPECT_THAT(ViewTops(*view), ElementsAre(0, 14, 28));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 0, 3));
}

TEST_F(FunctionLayout, LoadingAnotherSubroutineForgetsTheStripsOfTheFirst) {
  auto first = LoadedView(1);
  Db().Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=1");
  auto view = LoadedView(2);
  EXPECT_EQ(LoadedIDs(), Slice(StripIDs(2), 0, 3));
  EXPECT_TRUE(SelectedIDs(1).empty());
  EXPECT_EQ(mHost.Gui->Title(), GetFullFunctionName(Db(), 2));
}

TEST_F(FunctionLayout, ScrollingOneStripDownMakesOneAndDropsOne) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  std::weak_ptr<itfStrip> top = view->Strips()->Find(ids[0]);
  std::weak_ptr<itfStrip> second = view->Strips()->Find(ids[1]);
  mMade = 0;
  view->SetVerticalScrollLocation(kNetHeight);
  EXPECT_EQ(mMade, 1);
  EXPECT_TRUE(top.expired());
  EXPECT_EQ(view->Strips()->Find(ids[1]), second.lock()); // kept, not made again
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 1, 3));
  EXPECT_THAT(ViewTops(*view), ElementsAre(0, 14, 28));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 1, 3));
  EXPECT_EQ(Scalar("SELECT VscrlPos FROM LdrFunctions WHERE FuncID=2"), kNetHeight);
}

TEST_F(FunctionLayout, ScrollingBackUpKeepsTheCollectionInTopToBottomOrder) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  view->SetVerticalScrollLocation(3 * kNetHeight);
  view->SetVerticalScrollLocation(kNetHeight + 7);
  // Strip 2 shows its lower half at the top.
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 1, 3));
  EXPECT_THAT(ViewTops(*view), ElementsAre(-7, 7, 21));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 1, 3));
}

TEST_F(FunctionLayout, AStripTallerThanTheViewIsShownWhileItSpansIt) {
  const auto ids = StripIDs();
  SetHeight(ids[1], 40);
  mViewHeight = 20;
  auto view = LoadedView();
  view->SetVerticalScrollLocation(16); // strip 2 from -2 to 38
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 1, 1));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 1, 1));
}

TEST_F(FunctionLayout, HiddenCommentsTakeNoSpaceAndAreNotMade) {
  const long comment = InsertComment(kFuncID, 2, 5);
  auto ids = StripIDs(); // net 1, comment, net 2, ...
  mHost.Settings->SetProjectSetting(ePSK_CommentsHidden, "1");
  auto view = LoadedView();
  EXPECT_EQ(ViewIDs(*view), (std::vector<long>{ids[0], ids[2], ids[3]}));
  EXPECT_THAT(ViewTops(*view), ElementsAre(0, 14, 28));
  EXPECT_EQ(Scalar("SELECT IsLoaded FROM LdrStrips WHERE StripID=" + std::to_string(comment)), 0);
  EXPECT_EQ(Bar().Max(), 17 * kNetHeight - mViewHeight);
}

TEST_F(FunctionLayout, ShownCommentsTakeTheirRows) {
  InsertComment(kFuncID, 2, 5);
  auto ids = StripIDs();
  auto view = LoadedView();
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 0, 3));
  EXPECT_THAT(ViewTops(*view), ElementsAre(0, 14, 19));
  EXPECT_EQ(Bar().Max(), 17 * kNetHeight + 5 - mViewHeight);
}

TEST_F(FunctionLayout, HidingCommentsOnAReloadDropsTheShownComment) {
  const long comment = InsertComment(kFuncID, 2, 5);
  auto view = LoadedView();
  ASSERT_TRUE(view->Strips()->Exists(comment));
  mHost.Settings->SetProjectSetting(ePSK_CommentsHidden, "1");
  view->Relocate();
  EXPECT_FALSE(view->Strips()->Exists(comment));
  EXPECT_EQ(Scalar("SELECT IsLoaded FROM LdrStrips WHERE StripID=" + std::to_string(comment)), 0);
}

TEST_F(FunctionLayout, TheScrollRangeAndPositionGoToTheHostsBar) {
  Db().Execute("UPDATE LdrFunctions SET VscrlPos=20 WHERE FuncID=2");
  auto view = LoadedView();
  EXPECT_EQ(Bar().Min(), 0);
  EXPECT_EQ(Bar().Max(), 17 * kNetHeight - mViewHeight);
  EXPECT_EQ(Bar().Value(), 20);
  EXPECT_EQ(view->VerticalScrollLocation(), 20);
  EXPECT_THAT(ViewTops(*view), ElementsAre(-6, 8, 22));
}

TEST_F(FunctionLayout, AStoredPositionBeyondTheRangeIsBroughtBack) {
  Db().Execute("UPDATE LdrFunctions SET VscrlPos=5000 WHERE FuncID=2");
  auto view = LoadedView();
  const long range = 17 * kNetHeight - mViewHeight;
  EXPECT_EQ(view->VerticalScrollLocation(), range);
  EXPECT_EQ(Bar().Value(), range);
  // The return strip ends on the bottom edge of the view.
  EXPECT_EQ(ViewIDs(*view).back(), StripIDs().back());
  EXPECT_EQ(ViewTops(*view).back(), mViewHeight - kNetHeight);
}

TEST_F(FunctionLayout, ASubroutineShorterThanTheViewHasNoScrollRange) {
  mViewHeight = 500;
  auto view = LoadedView();
  EXPECT_EQ(Bar().Max(), 0);
  EXPECT_EQ(view->VerticalScrollLocation(), 0);
  EXPECT_EQ(ViewIDs(*view), StripIDs());
}

TEST_F(FunctionLayout, RoundScrollPositionPutsTheFirstVisibleStripAtTheTop) {
  auto view = LoadedView();
  EXPECT_EQ(view->RoundScrollPosition(0), 0);
  EXPECT_EQ(view->RoundScrollPosition(14), 14);
  // Strip 2 (rows 14 to 28) is the first visible at 20 (its bottom is on view row 8).
  EXPECT_EQ(view->RoundScrollPosition(20), 14);
  EXPECT_EQ(view->RoundScrollPosition(27), 14);
  // At 28 strip 2 ends on the top edge: strip 3 is the first visible.
  EXPECT_EQ(view->RoundScrollPosition(28), 28);
  // Past every strip nothing is visible.
  EXPECT_EQ(view->RoundScrollPosition(10000), 10000);
}

TEST_F(FunctionLayout, RoundScrollPositionSkipsHiddenComments) {
  InsertComment(kFuncID, 2, 5);
  mHost.Settings->SetProjectSetting(ePSK_CommentsHidden, "1");
  auto view = LoadedView();
  // Positions count no comment rows: net 2 starts at row 14.
  EXPECT_EQ(view->RoundScrollPosition(20), 14);
  EXPECT_EQ(view->RoundScrollPosition(30), 28);
}

TEST_F(FunctionLayout, JumpToStripPutsItsTopAtTheTopOfTheView) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  view->JumpToStrip(ids[4]);
  EXPECT_EQ(view->VerticalScrollLocation(), 4 * kNetHeight);
  EXPECT_EQ(Bar().Value(), 4 * kNetHeight);
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 4, 3));
  EXPECT_EQ(view->CurrentStripID(), ids[4]);
  EXPECT_EQ(LoadedIDs(), Slice(ids, 4, 3));
}

TEST_F(FunctionLayout, JumpToTheLastStripStopsAtTheEndOfTheRange) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  view->JumpToStrip(ids.back());
  EXPECT_EQ(view->VerticalScrollLocation(), 17 * kNetHeight - mViewHeight);
  EXPECT_EQ(ViewIDs(*view).back(), ids.back());
}

TEST_F(FunctionLayout, JumpToACollapsedNetExpandsIt) {
  const auto ids = StripIDs();
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=Height, Height=1 WHERE StripID=" +
               std::to_string(ids[1]));
  auto view = LoadedView();
  ASSERT_THAT(ViewTops(*view), ElementsAre(0, 14, 15, 29));
  view->JumpToStrip(ids[1]);
  EXPECT_EQ(Scalar("SELECT IsCollapsed FROM LdrStrips WHERE StripID=" + std::to_string(ids[1])), 0);
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(ids[1])), kNetHeight);
  EXPECT_EQ(view->VerticalScrollLocation(), kNetHeight);
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 1, 3));
  EXPECT_EQ(view->Strips()->Find(ids[1])->Height(), kNetHeight); // made again from its row
}

TEST_F(FunctionLayout, JumpToAStripOfAnotherSubroutineDoesNothing) {
  auto view = LoadedView();
  view->JumpToStrip(StripIDs(1)[5]);
  EXPECT_EQ(view->VerticalScrollLocation(), 0);
  EXPECT_EQ(ViewIDs(*view), Slice(StripIDs(), 0, 3));
}

TEST_F(FunctionLayout, RelocateFollowsAChangedHeight) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  SetHeight(ids[0], 30);
  view->Relocate();
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 0, 1));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 0, 1));
  EXPECT_EQ(Bar().Max(), 16 * kNetHeight + 30 - mViewHeight);
}

TEST_F(FunctionLayout, AStripDeletedBehindTheViewsBackIsDropped) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(ids[1]));
  view->Relocate();
  EXPECT_EQ(ViewIDs(*view), (std::vector<long>{ids[0], ids[2], ids[3]}));
  EXPECT_EQ(LoadedIDs(), ViewIDs(*view));
}

TEST_F(FunctionLayout, AStripTypeWithoutAClassIsAskedForOnce) {
  const auto ids = StripIDs();
  Db().Execute("UPDATE LdrStrips SET StrpType=4 WHERE StripID=" + std::to_string(ids[0]));
  auto view = LoadedView();
  EXPECT_EQ(ViewIDs(*view), Slice(ids, 1, 2));
  EXPECT_EQ(LoadedIDs(), Slice(ids, 1, 2));
  const int made = mMade;
  view->SetVerticalScrollLocation(1);
  EXPECT_EQ(mMade, made);
}

TEST_F(FunctionLayout, EveryLayoutDrawsAndShowsThePicture) {
  auto view = NewView();
  ::testing::InSequence order;
  EXPECT_CALL(*mDrawer, DrawAll());
  EXPECT_CALL(*mDrawer, FlushBackGround());
  view->Load(kFuncID);
}

TEST_F(FunctionLayout, InitHandsTheCollectionToTheDrawerAndRegistersTheView) {
  KeyedCollection<itfStrip>* given = nullptr;
  EXPECT_CALL(*mDrawer, SetStrips(::testing::_)).WillOnce(::testing::SaveArg<0>(&given));
  auto view = NewView();
  EXPECT_EQ(given, view->Strips());
  EXPECT_EQ(mCtx.State->View(), view.get());
  view.reset();
  EXPECT_EQ(mCtx.State->View(), nullptr);
}

} // namespace

namespace {

TEST_F(FunctionLayout, NumbersOutOfStepAreSetRightBeforeTheyAreShown) {
  const auto ids = StripIDs();
  // An inserted net not yet numbered, and two nets' numbers swapped.
  Db().Execute("UPDATE LdrStrips SET ShowNum=0 WHERE StripID=" + std::to_string(ids[1]));
  Db().Execute("UPDATE LdrStrips SET ShowNum=12 WHERE StripID=" + std::to_string(ids[10]));
  Db().Execute("UPDATE LdrStrips SET ShowNum=11 WHERE StripID=" + std::to_string(ids[11]));
  auto view = LoadedView();
  EXPECT_EQ(Scalar("SELECT ShowNum FROM LdrStrips WHERE StripID=" + std::to_string(ids[1])), 2);
  view->JumpToStrip(ids[10]);
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum"),
            (std::vector<long>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
}

TEST_F(FunctionLayout, AGapLeftByADeletionIsClosed) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(ids[1]));
  view->Relocate();
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum").back(), 16);
  EXPECT_EQ(Scalar("SELECT ShowNum FROM LdrStrips WHERE StripID=" + std::to_string(ids[2])), 2);
}

// Changes far below the view: the numbers are right in the database at
// once, out of view and on the return net too.
TEST_F(FunctionLayout, EveryNetIsNumberedAfterAChangeOutOfView) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  view->AppendNewStrip(1, 3);
  std::vector<long> expected(20);
  for (long i = 0; i < 20; ++i) expected[static_cast<size_t>(i)] = i + 1;
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum"), expected);
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(ids[14]));
  view->Relocate();
  expected.pop_back();
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum"), expected);
  EXPECT_EQ(Scalar("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip<>0"), 19);
}

TEST_F(FunctionLayout, HiddenCommentsKeepTheirPlaceInTheNumbering) {
  const long comment = InsertComment(kFuncID, 2, 5);
  mHost.Settings->SetProjectSetting(ePSK_CommentsHidden, "1");
  auto view = LoadedView();
  EXPECT_EQ(Scalar("SELECT SeqNum FROM LdrStrips WHERE StripID=" + std::to_string(comment)), 2);
  EXPECT_EQ(view->Strips()->At(1)->SeqNum(), 3);
  EXPECT_EQ(StripStack(Db(), kFuncID, false).TotalHeight(), 17 * kNetHeight + 5);
  EXPECT_EQ(StripStack(Db(), kFuncID, true).TotalHeight(), 17 * kNetHeight);
}

} // namespace
