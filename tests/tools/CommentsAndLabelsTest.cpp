#include "core/ProjectData.h"
#include "tools/ToolsFixture.h"
#include "tools/srvGotoLabels.h"
#include "tools/srvHideComments.h"

namespace ldr::test {
namespace {

constexpr long kNet = 1, kComment = 2, kLabel = 3;

// Subroutine "A": net(5) comment(4) net(5) label(2) net(5); subroutine "B":
// label(2) net(5) label(0 rows) net(5).
class CommentsAndLabelsTest : public ToolsFixture {
protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    mA = AddFunction(1, "A");
    mB = AddFunction(1, "B");
    long seq = 0;
    for (auto [type, height] :
         std::vector<std::pair<long, long>>{{kNet, 5}, {kComment, 4}, {kNet, 5}, {kLabel, 2}, {kNet, 5}})
      mStripsA.push_back(AddStrip(mA, ++seq, type, height));
    seq = 0;
    for (auto [type, height] : std::vector<std::pair<long, long>>{{kLabel, 2}, {kNet, 5}, {kLabel, 0}, {kNet, 5}})
      mStripsB.push_back(AddStrip(mB, ++seq, type, height));
  }
  void SetScroll(long funcID, long rows) {
    Db().Execute("UPDATE LdrFunctions SET VscrlPos=? WHERE FuncID=?", {rows, funcID});
  }
  long Scroll(long funcID) {
    return Scalar("SELECT VscrlPos FROM LdrFunctions WHERE FuncID=" + std::to_string(funcID));
  }
  bool Hidden() { return Host().Settings->ProjectFlag(ePSK_CommentsHidden, false); }
  long Next(long from, const char* tool = srvGotoLabels::kNext) {
    auto place = srvGotoLabels(Host()).FindLabel(tool, from);
    return place ? place->StripID : -1;
  }

  long mA = 0, mB = 0;
  std::vector<long> mStripsA, mStripsB;
};

TEST_F(CommentsAndLabelsTest, HidingKeepsTheTopStripAndTogglingTwiceRestores) {
  SetScroll(mA, 9 + 2); // two rows into the second net
  SetScroll(mB, 0);
  srvHideComments(Host()).ToggleComments();
  EXPECT_TRUE(Hidden());
  EXPECT_EQ(Scroll(mA), 5 + 2) << "the comment above took its rows with it";
  EXPECT_EQ(Scroll(mB), 0) << "an unscrolled subroutine is left alone";
  srvHideComments(Host()).ToggleComments();
  EXPECT_FALSE(Hidden());
  EXPECT_EQ(Scroll(mA), 11);
}

TEST_F(CommentsAndLabelsTest, AHiddenTopCommentHandsTheTopToTheStripAfterIt) {
  SetScroll(mA, 6); // inside the comment
  srvHideComments(Host()).ToggleComments();
  EXPECT_EQ(Scroll(mA), 5) << "the net after the comment is at the top";
}

TEST_F(CommentsAndLabelsTest, NextAndPreviousWalkEveryLabelAndWrapRound) {
  const long labelA = mStripsA[3], labelB = mStripsB[0];
  EXPECT_EQ(Next(mStripsA[0]), labelA);
  EXPECT_EQ(Next(labelA), labelB);
  EXPECT_EQ(Next(mStripsB[3]), labelA) << "from the last strip back to the first label";
  EXPECT_EQ(Next(labelA, srvGotoLabels::kPrevious), labelB) << "backwards past the first label";
  EXPECT_EQ(Next(mStripsB[1], srvGotoLabels::kPrevious), labelB);
  const auto place = srvGotoLabels(Host()).PlaceOfLabel(labelB);
  ASSERT_TRUE(place);
  EXPECT_EQ(*place, (LabelPlace{1, mB, labelB}));
  EXPECT_EQ(srvGotoLabels(Host()).Labels().size(), 2u) << "a label of no height is not listed";
}

TEST_F(CommentsAndLabelsTest, OneLabelIsItsOwnNextAndNoLabelGoesNowhere) {
  Db().Execute("DELETE FROM LdrStrips WHERE StrpType=3 AND StripID<>?", {mStripsA[3]});
  EXPECT_EQ(Next(mStripsA[3]), mStripsA[3]);
  EXPECT_EQ(Next(mStripsA[3], srvGotoLabels::kPrevious), mStripsA[3]);
  Db().Execute("DELETE FROM LdrStrips WHERE StrpType=3");
  EXPECT_EQ(Next(mStripsA[0]), -1);
}

TEST_F(CommentsAndLabelsTest, ACustomLabelIsPickedAsALabelOperand) {
  Answers().QueueOperand({29, mStripsB[0], 0});
  EXPECT_EQ(Next(mStripsA[0], srvGotoLabels::kCustom), mStripsB[0]);
  Answers().QueueOperandCancel();
  EXPECT_EQ(Next(mStripsA[0], srvGotoLabels::kCustom), -1);
}

} // namespace
} // namespace ldr::test
