// Dragging selected elements of real nets, within a net and into another.

#include "EditingFixture.h"
#include "editing/srvElementMover.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

namespace ldr::test {
namespace {

using ::testing::_;

class ElementMoverTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mSource = LoadNet(NetID(1), 0);
    mTarget = LoadNet(NetID(2), 14);
    mMover.Init(mControl, *mDrawer);
  }
  void TearDown() override {
    sqlite3_trace_v2(mDb->Handle(), 0, nullptr, nullptr);
    EditingFixture::TearDown();
  }

  std::shared_ptr<itfLdrElement> Selected(const std::shared_ptr<itfStrip>& net, std::int32_t type, int x, int y) {
    auto element = Store(net, type, x, y);
    element->SetIsSelected(true);
    return element;
  }
  void Press(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    PointAt(strip, x, y);
    mMover.MouseDown(strip);
  }
  void Drag(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    PointAt(strip, x, y);
    mMover.MouseMove(strip);
  }
  void Release(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    if (strip) PointAt(strip, x, y);
    mMover.MouseUp(strip);
  }
  tyLdrPoint Stored(const std::shared_ptr<itfLdrElement>& element) {
    const std::string where = " FROM LdrElements WHERE ElmntID=" + std::to_string(element->ObjectID());
    return {static_cast<std::int32_t>(Scalar("SELECT Xs" + where)),
            static_cast<std::int32_t>(Scalar("SELECT Ys" + where))};
  }
  long StripOf(const std::shared_ptr<itfLdrElement>& element) {
    return Scalar("SELECT StripID FROM LdrElements WHERE ElmntID=" + std::to_string(element->ObjectID()));
  }
  long HeightOf(const std::shared_ptr<itfStrip>& net) {
    return Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(net->StripID()));
  }
  // Records every statement run from now on.
  void TraceStatements() {
    sqlite3_trace_v2(
        mDb->Handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* log, void* statement, void*) -> int {
          if (char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement))) {
            static_cast<std::vector<std::string>*>(log)->push_back(sql);
            sqlite3_free(sql);
          }
          return 0;
        },
        &mStatements);
  }
  long StatementsStartingWith(const std::string& prefix) {
    return std::count_if(mStatements.begin(), mStatements.end(),
                         [&](const std::string& sql) { return sql.rfind(prefix, 0) == 0; });
  }

  std::shared_ptr<itfStrip> mSource;
  std::shared_ptr<itfStrip> mTarget;
  srvElementMover mMover{mCtx};
  std::vector<std::string> mStatements;
};

TEST_F(ElementMoverTest, PressShowsTheGroupOverTheBackgroundWithoutIt) {
  Selected(mSource, eET_DirectContact, 5, 5);
  ::testing::InSequence order;
  EXPECT_CALL(*mDrawer, DrawNoneSelectedAll());
  EXPECT_CALL(*mDrawer, PrepareForMove());
  EXPECT_CALL(*mDrawer, DraftSelected(_, ::testing::SizeIs(1)));
  EXPECT_CALL(*mDrawer, FlushBackGround());
  Press(mSource, 6, 5);
}

TEST_F(ElementMoverTest, AGroupMovesWithinItsNet) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  auto b = Selected(mSource, eET_DirectCoil, 15, 5);
  Store(mSource, eET_DirectContact, 30, 5);
  Press(mSource, 6, 5);
  Drag(mSource, 8, 10);
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  EXPECT_CALL(mControl, SetKillProcess(eMP_ElementMoveProc));
  EXPECT_CALL(mControl, Relocate()).Times(0);
  EXPECT_CALL(*mDrawer, RedrawAll());
  EXPECT_CALL(*mDrawer, ReleaseResourcesAfterMove());
  Release(mSource, 8, 10);
  EXPECT_EQ(Stored(a), (tyLdrPoint{7, 10}));
  EXPECT_EQ(Stored(b), (tyLdrPoint{17, 10}));
  EXPECT_EQ(a->Inlet(), (tyLdrPoint{7, 10}));
  EXPECT_TRUE(mCtx.State->NeedToCompile());
  EXPECT_TRUE(Net(mSource).CompileDirtyBit());
}

TEST_F(ElementMoverTest, IllegalPlacesShowTheGroupButReleaseAtTheLastLegalOne) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Store(mSource, eET_DirectContact, 30, 5);
  Press(mSource, 5, 5);
  Drag(mSource, 10, 6); // legal
  EXPECT_CALL(*mDrawer, DraftSelected(_, _));
  Drag(mSource, 28, 6); // overlaps the unselected contact
  EXPECT_TRUE(mCtx.State->NoDrop());
  EXPECT_EQ(a->GetBoundingRect().Left, 28); // shown under the pointer
  Release(mSource, 28, 6);
  EXPECT_EQ(Stored(a), (tyLdrPoint{10, 6}));
}

TEST_F(ElementMoverTest, CollapsedNetsAndOtherStripsSendTheGroupBack) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Net(mTarget).SetIsCollapsed(true);
  Press(mSource, 5, 5);
  Drag(mTarget, 5, 0);
  EXPECT_TRUE(mCtx.State->NoDrop());
  auto comment = std::make_shared<PlainStrip>(999, 28, 3);
  Drag(comment, 5, 4);
  EXPECT_TRUE(mCtx.State->NoDrop());
  Release(comment, 5, 4);
  EXPECT_EQ(Stored(a), (tyLdrPoint{5, 5}));
  EXPECT_EQ(StripOf(a), mSource->StripID());
}

TEST_F(ElementMoverTest, MovingIntoAnotherNetRehomesTheRowsWithOneStatement) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  auto b = Selected(mSource, eET_DirectCoil, 15, 5);
  auto stay = Store(mSource, eET_DirectContact, 30, 5);
  Press(mSource, 5, 5);
  Drag(mTarget, 8, 6);
  TraceStatements();
  Release(mTarget, 8, 6);
  EXPECT_EQ(StripOf(a), mTarget->StripID());
  EXPECT_EQ(StripOf(b), mTarget->StripID());
  EXPECT_EQ(StripOf(stay), mSource->StripID());
  EXPECT_EQ(Stored(a), (tyLdrPoint{8, 6}));
  EXPECT_EQ(StatementsStartingWith("UPDATE LdrElements SET StripID=" + std::to_string(mTarget->StripID()) +
                                   " WHERE ElmntID IN(" + mMover.GroupIDs() + ")"),
            1);
  EXPECT_EQ(StatementsStartingWith("UPDATE LdrElements SET StripID"), 1);
  EXPECT_EQ(Net(mSource).GetAllElements()->Count(), 1u);
  EXPECT_EQ(Net(mTarget).GetAllElements()->Count(), 2u);
  EXPECT_TRUE(Net(mSource).CompileDirtyBit());
  EXPECT_TRUE(Net(mTarget).CompileDirtyBit());
}

TEST_F(ElementMoverTest, ASingleElementBelowTheBottomGrowsTheNet) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Press(mSource, 5, 5);
  Drag(mSource, 5, 15); // two rows below the last
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_CALL(mControl, Relocate());
  Release(mSource, 5, 15);
  EXPECT_EQ(Stored(a), (tyLdrPoint{5, 15}));
  EXPECT_EQ(HeightOf(mSource), 16);
}

TEST_F(ElementMoverTest, TwoElementsBelowTheBottomAreRefused) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Selected(mSource, eET_DirectContact, 15, 5);
  Press(mSource, 5, 5);
  Drag(mSource, 5, 15);
  EXPECT_TRUE(mCtx.State->NoDrop());
  EXPECT_CALL(mControl, Relocate()).Times(0);
  Release(mSource, 5, 15);
  EXPECT_EQ(Stored(a), (tyLdrPoint{5, 5}));
  EXPECT_EQ(HeightOf(mSource), 14);
}

TEST_F(ElementMoverTest, ALineStaysInsideTheCurrentHeight) {
  auto line = StoreLine(mSource, 2, 5, 10, 0);
  line->SetIsSelected(true);
  Press(mSource, 4, 5);
  Drag(mSource, 4, 13);
  EXPECT_FALSE(mCtx.State->NoDrop());
  Drag(mSource, 4, 15);
  EXPECT_TRUE(mCtx.State->NoDrop());
  Release(mSource, 4, 15);
  EXPECT_EQ(Stored(line), (tyLdrPoint{2, 13}));
  EXPECT_EQ(HeightOf(mSource), 14);
}

TEST_F(ElementMoverTest, LinesCrossLinesAndMayEndOnAnElementsEdge) {
  auto line = StoreLine(mSource, 0, 5, 10, 0);
  line->SetIsSelected(true);
  StoreLine(mSource, 12, 1, 0, 10);
  Store(mSource, eET_DirectContact, 20, 5);
  Press(mSource, 0, 5);
  Drag(mSource, 10, 5); // now from 10 to 20: crosses the vertical line, ends on the contact's edge
  EXPECT_FALSE(mCtx.State->NoDrop());
  Drag(mSource, 11, 5);
  EXPECT_TRUE(mCtx.State->NoDrop());
}

TEST_F(ElementMoverTest, ReleasingWithoutMovingRewritesNothingAndCopiesNothing) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  mCtx.ElementCopy = true;
  Press(mSource, 5, 5);
  Release(mSource, 5, 5);
  EXPECT_EQ(Stored(a), (tyLdrPoint{5, 5}));
  EXPECT_EQ(Count("LdrElements WHERE StripID=" + std::to_string(mSource->StripID())), 1);
}

TEST_F(ElementMoverTest, TheCopyModifierLeavesReplicasWithNewKeys) {
  AnswerOperand(1, 12);
  auto a = Make(eET_DirectContact, 5, 5);
  a->InitOperandsData(true);
  Net(mSource).AddLadderElement(a, 0);
  ASSERT_TRUE(a->InitOperandsData(false));
  a->SetIsSelected(true);
  mCtx.ElementCopy = true;
  Press(mSource, 5, 5);
  Drag(mTarget, 20, 6);
  Release(mTarget, 20, 6);
  EXPECT_EQ(StripOf(a), mTarget->StripID());
  EXPECT_EQ(Stored(a), (tyLdrPoint{20, 6}));
  const std::string inSource = "LdrElements WHERE StripID=" + std::to_string(mSource->StripID());
  ASSERT_EQ(Count(inSource), 1);
  const long replicaID = Scalar("SELECT ElmntID FROM " + inSource);
  EXPECT_NE(replicaID, a->ObjectID());
  EXPECT_EQ(Scalar("SELECT Xs FROM " + inSource), 5);
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(replicaID)), 12);
  // The replica is shown unselected in the source net; the moved one keeps the selection.
  ASSERT_EQ(Net(mSource).GetAllElements()->Count(), 1u);
  EXPECT_FALSE(Net(mSource).GetAllElements()->At(0)->IsSelected());
  EXPECT_TRUE(a->IsSelected());
}

TEST_F(ElementMoverTest, ACopyOverlappingTheMovedGroupIsRefusedWithMessage322) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  mCtx.ElementCopy = true;
  Press(mSource, 5, 5);
  Drag(mSource, 8, 5);
  Release(mSource, 8, 5);
  EXPECT_TRUE(mLog->Contains("message 322"));
  EXPECT_EQ(Stored(a), (tyLdrPoint{8, 5})); // the move stands
  EXPECT_EQ(Count("LdrElements WHERE StripID=" + std::to_string(mSource->StripID())), 1);
}

TEST_F(ElementMoverTest, NothingHappensWhileTheBoardScrollsItself) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Press(mSource, 5, 5);
  mCtx.AutoScrollDirection = 1;
  EXPECT_CALL(*mDrawer, DraftSelected(_, _)).Times(0);
  Drag(mSource, 20, 5);
  EXPECT_EQ(a->GetBoundingRect().Left, 5);
  Release(mSource, 20, 5);
  EXPECT_EQ(mCtx.AutoScrollDirection, 0);
  EXPECT_EQ(Stored(a), (tyLdrPoint{5, 5}));
}

TEST_F(ElementMoverTest, AfterAScrollTheGroupIsTakenFromTheNewNetObject) {
  auto a = Selected(mSource, eET_DirectContact, 5, 5);
  Store(mSource, eET_DirectContact, 30, 5);
  Press(mSource, 5, 5);
  // The view scrolled by 3 rows and made new strip objects.
  KeyedCollection<itfStrip> strips;
  auto scrolled = LoadNet(mSource->StripID(), -3);
  strips.Add(static_cast<long>(scrolled->StripID()), scrolled);
  {
    ::testing::InSequence order;
    EXPECT_CALL(*mDrawer, ReleaseResourcesAfterMove());
    EXPECT_CALL(*mDrawer, DrawNoneSelectedAll());
    EXPECT_CALL(*mDrawer, PrepareForMove());
    mMover.OnScroll(strips);
    ::testing::Mock::VerifyAndClearExpectations(mDrawer.get());
  }
  auto fresh = Net(scrolled).GetAllElements()->Find(static_cast<long>(a->ObjectID()));
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(fresh->IsSelected());
  EXPECT_EQ(Net(scrolled).GetSelectedElements()->Count(), 1u);
  Drag(scrolled, 10, 6);
  Release(scrolled, 10, 6);
  EXPECT_EQ(Stored(a), (tyLdrPoint{10, 6}));
}

} // namespace
} // namespace ldr::test
