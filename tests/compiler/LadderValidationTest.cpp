// The structural rules of the ladder, each on both sides of its boundary.
#include "CompileFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class LadderValidationTest : public CompileFixture {
protected:
  // Subroutines up to `total`, all in module 1.
  void FunctionsUpTo(long total) {
    Db().Execute("WITH RECURSIVE n(i) AS (SELECT COUNT(*) + 1 FROM LdrFunctions UNION ALL SELECT i + 1 FROM n WHERE "
                 "i < " +
                 std::to_string(total) + ") INSERT INTO LdrFunctions (MdlID, FuncName) SELECT 1, 'S' || i FROM n");
  }
  // Comment strips until subroutine 2 holds `total` strips.
  void StripsUpTo(long total) {
    Db().Execute("WITH RECURSIVE n(i) AS (SELECT MAX(SeqNum) + 1 FROM LdrStrips WHERE FuncID=2 UNION ALL SELECT "
                 "i + 1 FROM n WHERE i < " +
                 std::to_string(total) + ") INSERT INTO LdrStrips (FuncID, SeqNum, StrpType) SELECT 2, i, 2 FROM n");
  }
  long Net(long funcID, int n) {
    return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) +
                  " AND StrpType=1 AND IsReturnStrip=0 ORDER BY SeqNum LIMIT 1 OFFSET " + std::to_string(n - 1));
  }
  long ShowNum(long stripID) {
    return Scalar("SELECT ShowNum FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  }
  void SwitchOff(long stripID) {
    Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=" + std::to_string(stripID));
  }
  long Label(long funcID, long seqNum, const std::string& name) {
    return Strip(funcID, seqNum, 3, {{"LblName", name}});
  }
};

TEST_F(LadderValidationTest, SubroutineLimitDependsOnTheDownloadUnitSwitch) {
  FunctionsUpTo(254);
  EXPECT_EQ(mCompile->IsIllegalNumberOfSubroutinesInLadder(), 0);
  FunctionsUpTo(255);
  EXPECT_EQ(mCompile->IsIllegalNumberOfSubroutinesInLadder(), -1);
  SetDownloadUnits(true);
  FunctionsUpTo(1023);
  EXPECT_EQ(mCompile->IsIllegalNumberOfSubroutinesInLadder(), 0);
  FunctionsUpTo(1024);
  EXPECT_EQ(mCompile->IsIllegalNumberOfSubroutinesInLadder(), -1);
}

TEST_F(LadderValidationTest, StripLimitCountsEveryStripButSwitchedOffNets) {
  StripsUpTo(2047);
  EXPECT_EQ(mCompile->IsIllegalNumberOfStripsInSubroutine(2), 0);
  StripsUpTo(2048);
  EXPECT_EQ(mCompile->IsIllegalNumberOfStripsInSubroutine(2), -1);
  EXPECT_EQ(mCompile->IsIllegalNumberOfStripsInSubroutine(1), 0);
  SwitchOff(Net(2, 1));
  EXPECT_EQ(mCompile->IsIllegalNumberOfStripsInSubroutine(2), 0);
}

TEST_F(LadderValidationTest, SelfCallIsFoundInCompiledNetsOnly) {
  const long off = Net(2, 2), on = Net(2, 5);
  Operand(Element(off, 601), 31, 2);
  SwitchOff(off);
  Operand(Element(Net(2, 3), 601), 31, 1); // a call of another subroutine
  EXPECT_EQ(mCompile->IsIllegalCallSubInSubroutine(2), 0);
  EXPECT_EQ(mCompile->IsIllegalCallSubInLadder(), 0) << "the called subroutines exist";
  long stripID = -7, showNum = -7;
  mCompile->GetFirstIllegalNetWithCallSubInSubroutine(2, stripID, showNum);
  EXPECT_EQ(stripID, -7) << "nothing found leaves the outputs";

  Operand(Element(on, 601), 31, 2);
  EXPECT_EQ(mCompile->IsIllegalCallSubInSubroutine(2), -1);
  EXPECT_EQ(mCompile->IsIllegalCallSubInSubroutine(1), 0);
  mCompile->GetFirstIllegalNetWithCallSubInSubroutine(2, stripID, showNum);
  EXPECT_EQ(stripID, on);
  EXPECT_EQ(showNum, ShowNum(on));
}

TEST_F(LadderValidationTest, JumpNeedsALabelOfItsOwnSubroutine) {
  const long here = Label(2, 50, "Here");
  const long elsewhere = Label(1, 50, "There");
  const long net = Net(2, 4);
  Operand(Element(net, 600), 29, here);
  EXPECT_EQ(mCompile->IsIllegalJumpInSubroutine(2), 0);
  Operand(Element(net, 600), 29, elsewhere);
  EXPECT_EQ(mCompile->IsIllegalJumpInSubroutine(2), -1);
  long stripID = 0, showNum = 0;
  mCompile->GetFirstIllegalNetWithNoJumpDestination(2, stripID, showNum);
  EXPECT_EQ(stripID, net);
  EXPECT_EQ(showNum, 4);
}

TEST_F(LadderValidationTest, DuplicateLabelsIgnoreCaseAndGiveTheFirstPosition) {
  Label(2, 60, "Loop");
  Label(2, 40, "Other");
  EXPECT_EQ(mCompile->IsDuplicateLabelsInSubroutine(2), 0);
  Label(2, 30, "LOOP");
  Label(1, 10, "Other"); // another subroutine
  EXPECT_EQ(mCompile->IsDuplicateLabelsInSubroutine(2), -1);
  long seqNum = 0;
  std::string name = "unchanged";
  mCompile->GetFirstDuplicateLabelInSubroutine(2, seqNum, name);
  EXPECT_EQ(seqNum, 30);
  EXPECT_EQ(name.size(), 4u);
  mCompile->GetFirstDuplicateLabelInSubroutine(1, seqNum, name);
  EXPECT_EQ(seqNum, 30) << "no duplicate: outputs stay";
}

TEST_F(LadderValidationTest, NextNetSkipsOtherStripsAndSwitchedOffNets) {
  SwitchOff(Net(2, 3));
  long next = -1, shown = -1;
  mCompile->GetFirstNetAfterStrip(2, 2, next, shown);
  EXPECT_EQ(next, Net(2, 4));
  EXPECT_EQ(shown, 4);
  next = shown = -1;
  mCompile->GetFirstNetAfterStrip(2, 17, next, shown);
  EXPECT_EQ(next, -1);
  EXPECT_EQ(shown, -1);
}

TEST_F(LadderValidationTest, ReferencesToMissingSubroutinesAndPagesAnywhere) {
  const long off = Net(1, 1);
  SwitchOff(off);
  Operand(Element(off, 601), 31, 77);
  EXPECT_EQ(mCompile->IsIllegalCallSubInLadder(), -1) << "switched-off nets count";
  EXPECT_EQ(mCompile->IsIllegalLoadPageInLadder(), 0);
  Operand(Element(Net(2, 1), 603), 30, 4);
  EXPECT_EQ(mCompile->IsIllegalLoadPageInLadder(), -1);
  Db().Execute("INSERT INTO Pages (Id) VALUES (4)");
  EXPECT_EQ(mCompile->IsIllegalLoadPageInLadder(), 0);
  EXPECT_TRUE(mCompile->DoesPageIDValid(4));
  EXPECT_FALSE(mCompile->DoesPageIDValid(5));
  EXPECT_TRUE(mCompile->DoesFunctionIDValid(2));
  EXPECT_FALSE(mCompile->DoesFunctionIDValid(77));
}

TEST_F(LadderValidationTest, CommunicationInitialisationAnywhereAndTheBlocksThatNeedIt) {
  EXPECT_EQ(mCompile->IsMissingComInit(), -1);
  const long off = Net(2, 2);
  SwitchOff(off);
  Element(off, 1400);
  EXPECT_EQ(mCompile->IsMissingComInit(), 0) << "a switched-off net counts";
  EXPECT_EQ(mCompile->IsMissingETHComInit(), -1);
  Element(Net(2, 3), 160105);
  Element(Net(2, 3), 140101);
  Element(off, 170102);
  Element(Net(2, 5), 160301);
  auto rs = mCompile->GetMissingComInitFBsRecordSet();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::ForwardOnly);
  EXPECT_EQ(rs->Columns(), (std::vector<std::string>{"FuncID", "ShowNum"}));
  EXPECT_EQ(Column(*rs, "ShowNum"), (std::vector<long>{3, 3}));
  auto eth = mCompile->GetMissingETHComInitFBsRecordSet();
  EXPECT_EQ(Column(*eth, "ShowNum"), (std::vector<long>{5}));
}

TEST_F(LadderValidationTest, NewerBlockMethodsAndInstanceNumbers) {
  Db().Execute("INSERT INTO FB_Fathers (FatherID, HexFileVersion) VALUES (160100, 3)");
  Db().Execute("INSERT INTO FB_Methods (MethodID, HexFileVersion) VALUES (160101, 3), (160102, 4)");
  Element(Net(2, 2), 160101, 0, 0, {{"MoreParamsLng", 255}});
  EXPECT_EQ(mCompile->IsExistFbChildsWithNewerHexVer(), 0);
  EXPECT_EQ(mCompile->IsFBsRenumberingNeeded(), 0);
  Element(Net(2, 6), 160102, 0, 0, {{"MoreParamsLng", 256}});
  EXPECT_EQ(mCompile->IsExistFbChildsWithNewerHexVer(), -1);
  EXPECT_EQ(mCompile->IsFBsRenumberingNeeded(), -1);
  auto rs = mCompile->GetFbChildsWithNewerHexVerRecordSet();
  EXPECT_EQ(rs->Columns(), (std::vector<std::string>{"FuncID", "ShowNum"}));
  EXPECT_EQ(Column(*rs, "ShowNum"), (std::vector<long>{6}));
}

TEST_F(LadderValidationTest, NetCountLeavesOutSwitchedOffNets) {
  EXPECT_EQ(mCompile->GetNumberOfNetsInProject(), 34);
  SwitchOff(Net(2, 1));
  EXPECT_EQ(mCompile->GetNumberOfNetsInProject(), 33);
}

TEST_F(LadderValidationTest, UnknownSubroutinesAndAnEmptyProjectAreNoOffence) {
  ClearStrips();
  EXPECT_EQ(mCompile->IsIllegalCallSubInSubroutine(999), 0);
  EXPECT_EQ(mCompile->IsIllegalJumpInSubroutine(999), 0);
  EXPECT_EQ(mCompile->IsDuplicateLabelsInSubroutine(999), 0);
  EXPECT_EQ(mCompile->IsIllegalNumberOfStripsInSubroutine(999), 0);
  EXPECT_EQ(mCompile->GetNumberOfNetsInProject(), 0);
  EXPECT_TRUE(mCompile->GetRecordsetForCompile()->IsEOF());
}

} // namespace
} // namespace ldr::test
