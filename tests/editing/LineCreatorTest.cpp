// Drawing one line into a real net.

#include "EditingFixture.h"
#include "editing/srvLineCreator.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using ::testing::_;

class LineCreatorTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
    mCreator.Init(mControl, *mDrawer);
  }
  void Press(int x, int y) {
    PointAt(mNet, x, y);
    mCreator.MouseDown(mNet);
  }
  void Drag(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    PointAt(strip, x, y);
    mCreator.MouseMove(strip);
  }
  void Release(const std::shared_ptr<itfStrip>& strip, int x, int y) {
    if (strip) PointAt(strip, x, y);
    mCreator.MouseUp(strip);
  }
  std::string Lines() {
    return "LdrElements WHERE ElmntType IN (100, 101) AND StripID=" + std::to_string(mNet->StripID());
  }
  // Type, Xs, Ys, Dx, Dy of the one line stored.
  std::vector<long> StoredLine() {
    const std::string from = " FROM " + Lines();
    return {Scalar("SELECT ElmntType" + from), Scalar("SELECT Xs" + from), Scalar("SELECT Ys" + from),
            Scalar("SELECT Dx" + from), Scalar("SELECT Dy" + from)};
  }

  std::shared_ptr<itfStrip> mNet;
  srvLineCreator mCreator{mCtx};
};

TEST_F(LineCreatorTest, ADragAddsExactlyOneLine) {
  Press(4, 5);
  Drag(mNet, 8, 6);
  Drag(mNet, 12, 6);
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_CALL(*mDrawer, DrawElement(_, _));
  EXPECT_CALL(mControl, SetKillProcess(eMP_LineCreateProc));
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  Release(mNet, 12, 6);
  ASSERT_EQ(Count(Lines()), 1);
  EXPECT_EQ(StoredLine(), (std::vector<long>{100, 4, 5, 8, 0})); // the dominant direction wins
  EXPECT_TRUE(mCtx.State->NeedToCompile());
  EXPECT_EQ(Net(mNet).GetAllElements()->Count(), 1u);
}

TEST_F(LineCreatorTest, AVerticalDrag) {
  Press(4, 2);
  Drag(mNet, 5, 9);
  Release(mNet, 5, 9);
  EXPECT_EQ(StoredLine(), (std::vector<long>{101, 4, 2, 0, 7}));
}

TEST_F(LineCreatorTest, PressingAndReleasingOnOneCellAddsNothing) {
  Press(4, 5);
  EXPECT_CALL(*mDrawer, FlushBackGround());
  EXPECT_CALL(mControl, SetKillProcess(eMP_LineCreateProc));
  Release(mNet, 4, 5);
  EXPECT_EQ(Count(Lines()), 0);
}

TEST_F(LineCreatorTest, ALineStartingOnAnElementAddsNothingHoweverFarItGoes) {
  Store(mNet, eET_DirectContact, 10, 5); // (10, 2, 16, 6)
  Press(12, 4);
  Drag(mNet, 13, 4);
  Drag(mNet, 30, 4);
  Drag(mNet, 40, 4);
  Release(mNet, 40, 4);
  EXPECT_EQ(Count(Lines()), 0);
  EXPECT_EQ(Net(mNet).GetAllElements()->Count(), 1u);
}

TEST_F(LineCreatorTest, CrossingAnElementKeepsTheLastShapeThatDidNot) {
  Store(mNet, eET_DirectContact, 10, 5);
  Press(2, 4);
  Drag(mNet, 10, 4); // ends on the contact's left edge: legal
  EXPECT_FALSE(mCtx.State->NoDrop());
  Drag(mNet, 20, 4); // through the contact
  EXPECT_TRUE(mCtx.State->NoDrop());
  Release(mNet, 20, 4);
  EXPECT_EQ(StoredLine(), (std::vector<long>{100, 2, 4, 8, 0}));
}

TEST_F(LineCreatorTest, LeavingTheNetKeepsTheLastShapeInsideIt) {
  Press(4, 5);
  Drag(mNet, 4, 13);
  Drag(mNet, 4, 16); // below the last row
  EXPECT_TRUE(mCtx.State->NoDrop());
  Release(mNet, 4, 16);
  EXPECT_EQ(StoredLine(), (std::vector<long>{101, 4, 5, 0, 8}));
}

TEST_F(LineCreatorTest, ANetLowerInTheViewTakesLinesToo) {
  mNet = LoadNet(NetID(3), 28);
  Press(4, 5);
  Drag(mNet, 14, 5);
  Release(mNet, 14, 5);
  EXPECT_EQ(StoredLine(), (std::vector<long>{100, 4, 5, 10, 0}));
}

TEST_F(LineCreatorTest, ReleasingOverAnotherNetAddsTheLastLegalLineWhereTheDragBegan) {
  auto other = LoadNet(NetID(2), 14);
  Press(4, 5);
  Drag(mNet, 9, 5);
  Drag(other, 20, 3);
  EXPECT_TRUE(mCtx.State->NoDrop());
  Release(other, 20, 3);
  EXPECT_EQ(StoredLine(), (std::vector<long>{100, 4, 5, 5, 0}));
  EXPECT_EQ(Count("LdrElements WHERE StripID=" + std::to_string(other->StripID())), 0);
}

TEST_F(LineCreatorTest, ReleasingOverNoNetAddsNothing) {
  Press(4, 5);
  Drag(mNet, 9, 5);
  Release(std::make_shared<PlainStrip>(999, 14, 3), 9, 1);
  EXPECT_EQ(Count(Lines()), 0);
  mCreator.MouseUp(nullptr);
  EXPECT_EQ(Count(Lines()), 0);
}

TEST_F(LineCreatorTest, LinesMayCrossLines) {
  StoreLine(mNet, 10, 1, 0, 10);
  Press(4, 5);
  Drag(mNet, 20, 5);
  EXPECT_FALSE(mCtx.State->NoDrop());
  Release(mNet, 20, 5);
  EXPECT_EQ(Count(Lines()), 2);
}

TEST_F(LineCreatorTest, ThePressMustBeOnANet) {
  auto comment = std::make_shared<PlainStrip>(999, 14, 3);
  PointAt(comment, 4, 1);
  mCreator.MouseDown(comment);
  EXPECT_FALSE(mCreator.Line());
  EXPECT_CALL(mControl, SetKillProcess(eMP_LineCreateProc));
  Release(comment, 8, 1);
  EXPECT_EQ(Count("LdrElements WHERE ElmntType IN (100, 101)"), 0);
}

} // namespace
} // namespace ldr::test
