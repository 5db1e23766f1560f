// Placing a new element with the mouse into real nets.

#include "EditingFixture.h"
#include "editing/srvElementCreator.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using ::testing::_;
using ::testing::InSequence;

class ElementCreatorTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
    mCreator.Init(mControl, *mDrawer);
  }
  long ElementsIn(long stripID) { return Count("LdrElements WHERE StripID=" + std::to_string(stripID)); }
  long HeightOf(long stripID) {
    return Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  }
  void MoveTo(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    PointAt(strip, x, y);
    mCreator.MouseMove(strip);
  }
  void DropAt(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    PointAt(strip, x, y);
    mCreator.MouseDown(strip);
  }

  std::shared_ptr<itfStrip> mNet;
  srvElementCreator mCreator{mCtx};
};

TEST_F(ElementCreatorTest, TheNewElementFollowsThePointerLegalOrNot) {
  EXPECT_CALL(mControl, SetNewProcess(eMP_ElmntCreateProc));
  mCreator.CreateNewElement(eET_DirectContact);
  ASSERT_TRUE(mCreator.Element());
  EXPECT_CALL(*mDrawer, DraftElement(_, _)).Times(2);
  MoveTo(mNet, 10, 5);
  EXPECT_EQ(mCreator.Element()->GetBoundingRect(), (Rect{10, 2, 16, 6}));
  EXPECT_FALSE(mCtx.State->NoDrop());
  MoveTo(mNet, 10, 45); // beyond the largest height a net may have
  EXPECT_TRUE(mCtx.State->NoDrop());
  EXPECT_EQ(mCreator.Element()->GetBoundingRect().Top, 42);
}

TEST_F(ElementCreatorTest, ALegalDropStoresTheElementWithItsOperand) {
  mCreator.CreateNewElement(eET_DirectContact);
  AnswerOperand(1, 7);
  {
    InSequence order;
    EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
    EXPECT_CALL(mControl, SetKillProcess(eMP_ElmntCreateProc));
  }
  EXPECT_CALL(mControl, Relocate()).Times(0);
  EXPECT_CALL(*mDrawer, RedrawAll());
  DropAt(mNet, 10, 5);
  EXPECT_EQ(ElementsIn(mNet->StripID()), 1);
  EXPECT_EQ(Scalar("SELECT Xs FROM LdrElements WHERE StripID=" + std::to_string(mNet->StripID())), 10);
  EXPECT_EQ(Scalar("SELECT Ys FROM LdrElements WHERE StripID=" + std::to_string(mNet->StripID())), 5);
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs JOIN LdrElements USING (ElmntID) WHERE StripID=" +
                   std::to_string(mNet->StripID())),
            7);
  EXPECT_EQ(Net(mNet).GetAllElements()->Count(), 1u);
  EXPECT_TRUE(mCreator.Element()->IsSelected());
  EXPECT_TRUE(mCtx.State->NeedToSave());
  EXPECT_TRUE(mCtx.State->NeedToCompile());
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_EQ(HeightOf(mNet->StripID()), 14);
}

TEST_F(ElementCreatorTest, ADropBelowTheLastRowGrowsTheNetAndRelocates) {
  mCreator.CreateNewElement(eET_DirectCoil);
  AnswerOperand(1, 8);
  EXPECT_CALL(mControl, Relocate());
  DropAt(mNet, 20, 15); // rows 12 to 15: two rows below the last
  EXPECT_EQ(HeightOf(mNet->StripID()), 16);
  EXPECT_EQ(mNet->Height(), 16);
  EXPECT_EQ(ElementsIn(mNet->StripID()), 1);
}

TEST_F(ElementCreatorTest, RefusedDropsChangeNothingAndKeepTheCreatorRunning) {
  Store(mNet, eET_DirectContact, 10, 5);
  mCreator.CreateNewElement(eET_DirectContact);
  EXPECT_CALL(mControl, SetKillProcess(_)).Times(0);
  EXPECT_CALL(mControl, Relocate()).Times(0);
  DropAt(mNet, 14, 6); // overlaps the stored contact
  EXPECT_TRUE(mCtx.State->NoDrop());
  DropAt(mNet, 10, 41); // beyond the maximal rectangle
  EXPECT_TRUE(mCtx.State->NoDrop());
  DropAt(mNet, 48, 5); // sticks out on the right
  auto comment = std::make_shared<PlainStrip>(999, 14, 3);
  DropAt(comment, 10, 2);
  EXPECT_TRUE(mCtx.State->NoDrop());
  mCreator.MouseDown(nullptr);
  EXPECT_TRUE(mCtx.State->NoDrop());
  auto collapsed = LoadNet(NetID(2), 14);
  Net(collapsed).SetIsCollapsed(true);
  DropAt(collapsed, 10, 5);
  EXPECT_TRUE(mCtx.State->NoDrop());
  EXPECT_EQ(ElementsIn(mNet->StripID()), 1);
  EXPECT_EQ(ElementsIn(collapsed->StripID()), 0);
  EXPECT_EQ(HeightOf(mNet->StripID()), 14);
  EXPECT_TRUE(mCreator.Element());
  // ...and a legal place still works afterwards.
  ::testing::Mock::VerifyAndClearExpectations(&mControl);
  AnswerOperand(1, 3);
  DropAt(mNet, 30, 5);
  EXPECT_EQ(ElementsIn(mNet->StripID()), 2);
}

TEST_F(ElementCreatorTest, ACollapsedNetIsRefusedWhileHovering) {
  auto collapsed = LoadNet(NetID(2), 14);
  Net(collapsed).SetIsCollapsed(true);
  mCreator.CreateNewElement(eET_DirectContact);
  MoveTo(collapsed, 10, 4);
  EXPECT_TRUE(mCtx.State->NoDrop());
  MoveTo(mNet, 10, 4);
  EXPECT_FALSE(mCtx.State->NoDrop());
  MoveTo(std::make_shared<PlainStrip>(999, 14, 3), 10, 2);
  EXPECT_TRUE(mCtx.State->NoDrop());
}

TEST_F(ElementCreatorTest, CancellingTheOperandDialogRemovesTheDroppedElementOnly) {
  auto kept = Store(mNet, eET_DirectContact, 30, 5);
  kept->SetIsSelected(true); // selected while the creator ran
  const long operandRows = Count("LdrElmsOprs");
  mCreator.CreateNewElement(eET_DirectContact);
  CancelOperand();
  EXPECT_CALL(mControl, SetKillProcess(eMP_ElmntCreateProc));
  DropAt(mNet, 10, 5);
  EXPECT_EQ(ElementsIn(mNet->StripID()), 1);
  EXPECT_EQ(Count("LdrElmsOprs"), operandRows);
  EXPECT_EQ(Scalar("SELECT ElmntID FROM LdrElements WHERE StripID=" + std::to_string(mNet->StripID())),
            kept->ObjectID());
  EXPECT_FALSE(mCreator.Element());
  EXPECT_TRUE(kept->IsSelected());
  EXPECT_EQ(Net(mNet).GetAllElements()->Count(), 1u);
}

TEST_F(ElementCreatorTest, ATypeWithoutAClassStartsNoProcess) {
  EXPECT_CALL(mControl, SetNewProcess(_)).Times(0);
  mCreator.CreateNewElement(2000);
  EXPECT_FALSE(mCreator.Element());
  ASSERT_FALSE(Errors().empty());
  EXPECT_EQ(Errors().back().Title, "UnhandledElement");
  mCreator.CreateNewElement(eET_HorzLine); // lines are drawn, not placed
  EXPECT_FALSE(mCreator.Element());
}

TEST_F(ElementCreatorTest, OnlyTheFinishingDropRunsTheMouseUp) {
  mCreator.CreateNewElement(eET_DirectContact);
  EXPECT_CALL(mControl, SetKillProcess(_)).Times(0);
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(0);
  PointAt(mNet, 10, 5);
  mCreator.MouseUp(mNet);
  EXPECT_EQ(ElementsIn(mNet->StripID()), 0);
}

TEST_F(ElementCreatorTest, UnsupportedMembersReport217) {
  mCreator.SetCreationAmount(2);
  mCreator.OnScroll(*std::make_shared<KeyedCollection<itfStrip>>());
  ASSERT_EQ(Errors().size(), 2u);
  EXPECT_EQ(Errors()[0].ClassName, "srvElementCreator");
  EXPECT_EQ(Errors()[0].Procedure, "itfProcess_CreationAmount");
  EXPECT_EQ(Errors()[1].Procedure, "itfProcess_OnScroll");
}

} // namespace
} // namespace ldr::test
