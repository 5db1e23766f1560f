// Fitting stored nets to the rows their elements use.

#include "interfaces/enElementType.h"
#include "strips/srvStripResizerEx.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class StripResizerExTest : public ProjectFixture {
protected:
  long Net(int index) {
    return Longs("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 AND IsReturnStrip=0 "
                 "ORDER BY SeqNum")
        .at(static_cast<std::size_t>(index));
  }
  void SetHeight(long net, int height) {
    Db().Execute("UPDATE LdrStrips SET Height=" + std::to_string(height) + " WHERE StripID=" + std::to_string(net));
  }
  long Height(long net) { return Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(net)); }
  void Put(long net, int type, int x, int y, int dy = 0) {
    Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"Dy", dy}});
  }
  std::vector<long> Tops(long net) {
    return Longs("SELECT Ys FROM LdrElements WHERE StripID=" + std::to_string(net) + " ORDER BY ElmntID");
  }
  void Run(long funcID, long netID, bool moveUp, bool shrink, bool open) {
    srvStripResizerEx resizer(mDb);
    resizer.SetFuncID(static_cast<std::int32_t>(funcID));
    resizer.SetNetID(static_cast<std::int32_t>(netID));
    resizer.SetFlags(moveUp, shrink, open);
    resizer.ResizeNets();
  }
};

TEST_F(StripResizerExTest, OperandRowsTurnIntoElementRows) {
  const int expected[] = {5, 8, 12, 15, 19, 22, 26, 29};
  for (int r = 1; r <= 8; ++r) EXPECT_EQ(srvStripResizerEx::RowsForOperandRows(r), expected[r - 1]) << r;
  EXPECT_EQ(srvStripResizerEx::RowsForOperandRows(0), 5);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_DirectContact), 1);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_JumpToLabel), 1);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_GreaterThan), 2);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(1700), 3);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_Add2x1), 2);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_Mul8x1), 8);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(eET_Div5x1), 5);
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(507), 2); // no N-input member
  EXPECT_EQ(srvStripResizerEx::OperandRowCount(1900), 2);
}

TEST_F(StripResizerExTest, MoveUpTakesTheMinimumTopMinusOne) {
  const long compareNet = Net(0);
  Put(compareNet, eET_GreaterThan, 2, 4);
  Put(compareNet, eET_HorzLine, 0, 6);
  const long contactNet = Net(1);
  Put(contactNet, eET_DirectContact, 2, 4);
  Run(2, 0, true, false, false);
  EXPECT_EQ(Tops(compareNet), (std::vector<long>{1, 3}));
  EXPECT_EQ(Tops(contactNet), (std::vector<long>{4})); // its area starts at row 1
  srvStripResizerEx resizer(mDb);
  EXPECT_EQ(resizer.UsedRows(static_cast<std::int32_t>(contactNet)).FirstRow, 0);
  EXPECT_EQ(resizer.UsedRows(static_cast<std::int32_t>(contactNet)).Bottom, 5);
}

TEST_F(StripResizerExTest, ShrinkFitsTheLowestElementAndOpenSpaceAddsTheMargin) {
  const long net = Net(0);
  Put(net, eET_DirectContact, 2, 4); // rows 1..4, bottom 5
  Put(net, eET_VertLine, 10, 4, 5);  // rows 4..9, bottom 10
  Run(2, net, false, true, false);
  EXPECT_EQ(Height(net), 10);
  Run(2, net, false, false, true);
  EXPECT_EQ(Height(net), 15);
  // With enough margin nothing changes.
  Run(2, net, false, false, true);
  EXPECT_EQ(Height(net), 15);
}

TEST_F(StripResizerExTest, OpenSpaceStaysBelowForty) {
  const long net = Net(0);
  SetHeight(net, 37);
  Put(net, eET_GreaterThan, 2, 28); // rows 28..35, bottom 36
  Run(2, net, false, false, true);
  EXPECT_EQ(Height(net), 37); // 36 + 5 is not below 40
  Db().Execute("UPDATE LdrElements SET Ys=27 WHERE StripID=" + std::to_string(net));
  Run(2, net, false, false, true);
  EXPECT_EQ(Height(net), 37); // bottom 35: 40 is still not below 40
  Db().Execute("UPDATE LdrElements SET Ys=26 WHERE StripID=" + std::to_string(net));
  Run(2, net, false, false, true);
  EXPECT_EQ(Height(net), 39);
}

TEST_F(StripResizerExTest, NetsThatAreNotFittedStayAsTheyAre) {
  const long linesOnly = Net(0);
  Put(linesOnly, eET_HorzLine, 0, 2);
  const long empty = Net(1);
  const long collapsed = Net(2);
  Put(collapsed, eET_DirectContact, 2, 4);
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, Height=1 WHERE StripID=" + std::to_string(collapsed));
  const long unknownBlock = Net(3);
  Put(unknownBlock, eET_DirectContact, 2, 4);
  Put(unknownBlock, 100201, 10, 4);
  const long returnNet = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip<>0");
  const long returnHeight = Height(returnNet);
  Run(2, 0, true, true, true);
  EXPECT_EQ(Height(linesOnly), 14);
  EXPECT_EQ(Height(empty), 14);
  EXPECT_EQ(Height(collapsed), 1);
  EXPECT_EQ(Height(unknownBlock), 14);
  EXPECT_EQ(Height(returnNet), returnHeight);
  // Another net of the same run is fitted.
  const long other = Net(4);
  Put(other, eET_DirectContact, 2, 4);
  Run(2, 0, false, true, false);
  EXPECT_EQ(Height(other), 5);
}

TEST_F(StripResizerExTest, AKnownBlockCountsItsLargerSide) {
  const long net = Net(0);
  Put(net, 100201, 2, 1);
  srvStripResizerEx resizer(mDb, [](std::int32_t type) -> std::optional<BlockOperandCounts> {
    if (type == 100201) return BlockOperandCounts{3, 1};
    return std::nullopt;
  });
  resizer.SetNetID(static_cast<std::int32_t>(net));
  resizer.SetFlags(false, true, false);
  resizer.ResizeNets();
  EXPECT_EQ(Height(net), 13); // rows 1..12
}

TEST_F(StripResizerExTest, TheSubroutineFilterLeavesOtherSubroutinesAlone) {
  const long mine = Net(0);
  Put(mine, eET_DirectContact, 2, 4);
  const long elsewhere = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=1 AND StrpType=1 AND IsReturnStrip=0 "
                                "ORDER BY SeqNum LIMIT 1");
  Put(elsewhere, eET_DirectContact, 2, 4);
  Run(2, 0, false, true, false);
  EXPECT_EQ(Height(mine), 5);
  EXPECT_EQ(Height(elsewhere), 14);
}

} // namespace
} // namespace ldr::test
