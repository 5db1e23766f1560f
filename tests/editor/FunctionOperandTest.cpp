// The function view's operand and net pass-throughs on real nets:
// highlighting and replacing an operand (shown or not), the on-line test
// values, the compile flags taken from the database, horizontal scrolling.

#include "FunctionTestFixture.h"

#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "outside/operands/Operand.h"
#include "outside/operands/VirtualController.h"

using namespace ldr;

namespace {

class FunctionOperands : public test::FunctionFixture {
protected:
  void SetUp() override {
    FunctionFixture::SetUp();
    mRealNets = true;
    mIDs = StripIDs();
  }
  // A contact at column 10, row 5 of the strip, reading input `address`.
  long AddContact(long stripID, long address) {
    const long element = static_cast<long>(Db().AddRow(
        "LdrElements", {{"StripID", stripID}, {"ElmntType", 200}, {"Xs", 10}, {"Ys", 5}, {"Dx", 0}, {"Dy", 0}}));
    Db().AddRow("LdrElmsOprs", {{"ElmntID", element},
                                {"OprndInIdx", 1},
                                {"OprndOutIdx", 0},
                                {"Elmnt_Oprnd_Type", 1},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", 0}});
    return element;
  }
  itfLdrNet* Net(clsLdrFunction& view, long stripID) {
    return StripSelection::AsNet(view.Strips()->Find(stripID).get());
  }
  std::vector<long> mIDs;
};

TEST_F(FunctionOperands, HighlightingAnOperandOutOfViewBringsItsNetIntoView) {
  const long element = AddContact(mIDs[9], 21);
  auto view = LoadedView();
  ASSERT_FALSE(view->Strips()->Exists(mIDs[9]));
  auto operand = view->HighLightOperand(mIDs[9], element, 1, 0);
  ASSERT_NE(operand, nullptr);
  EXPECT_TRUE(operand->IsHighlighted());
  EXPECT_EQ(operand->Address(), 21);
  EXPECT_EQ(view->CurrentStripID(), mIDs[9]);
  // The operand highlighted is the one the shown net draws.
  EXPECT_EQ(Net(*view, mIDs[9])->GetAllElements()->At(0)->InputOperands()->At(0), operand);
}

TEST_F(FunctionOperands, HighlightingSomethingThatIsNotThereGivesNothing) {
  auto view = LoadedView();
  EXPECT_EQ(view->HighLightOperand(mIDs[2], 999999, 1, 0), nullptr);
  EXPECT_EQ(view->HighLightOperand(StripIDs(1)[2], 1, 1, 0), nullptr); // another subroutine's strip
}

// The element takes the new operand; storing it is the caller's (the
// cross reference's) business.
TEST_F(FunctionOperands, ReplacingReachesNetsShownOrNot) {
  const long hidden = AddContact(mIDs[12], 21);
  const long shown = AddContact(mIDs[0], 22);
  auto view = LoadedView();
  EXPECT_TRUE(view->ReplaceOperand(mIDs[12], hidden, 1, 0, 0, 1, 40));
  EXPECT_FALSE(view->Strips()->Exists(mIDs[12])); // a transient object served it
  EXPECT_TRUE(view->ReplaceOperand(mIDs[0], shown, 1, 0, 0, 1, 41));
  EXPECT_EQ(Net(*view, mIDs[0])->GetAllElements()->At(0)->InputOperands()->At(0)->Address(), 41);
  // No such element, no such slot.
  EXPECT_FALSE(view->ReplaceOperand(mIDs[0], shown + 1000, 1, 0, 0, 1, 41));
  EXPECT_FALSE(view->ReplaceOperand(mIDs[0], shown, 0, 0, 0, 1, 41));
}

TEST_F(FunctionOperands, AViewThatWasNeverLoadedReplacesInTheSubroutineItIsGiven) {
  const long element = AddContact(mIDs[3], 21);
  auto view = std::make_shared<clsLdrFunction>(mCtx, Parts());
  EXPECT_FALSE(view->ReplaceOperand(mIDs[3], element, 1, 0, 0, 1, 50)); // no subroutine yet
  view->SetFunctionID(kFuncID);
  EXPECT_TRUE(view->ReplaceOperand(mIDs[3], element, 1, 0, 0, 1, 50));
  EXPECT_TRUE(view->Strips()->Empty());
  EXPECT_EQ(mMade, 1);
}

TEST_F(FunctionOperands, TestValuesReachEveryShownNet) {
  AddContact(mIDs[0], 31);
  AddContact(mIDs[1], 32);
  AddContact(mIDs[10], 33);
  auto view = LoadedView();
  VirtualController controller;
  view->AppendTestValue(controller);
  std::vector<long> addresses;
  for (const auto& key : controller.Monitored()) addresses.push_back(key.Address);
  EXPECT_EQ(addresses, (std::vector<long>{31, 32}));
}

TEST_F(FunctionOperands, CompileFlagsAreTakenFromTheDatabase) {
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  auto view = LoadedView();
  ASSERT_FALSE(Net(*view, mIDs[1])->CompileDirtyBit());
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID=" + std::to_string(mIDs[1]));
  view->SyncLoadedStripsWithCompileDirtyBitFromDB();
  EXPECT_TRUE(Net(*view, mIDs[1])->CompileDirtyBit());
  EXPECT_FALSE(Net(*view, mIDs[0])->CompileDirtyBit());
}

TEST_F(FunctionOperands, HorizontalScrollingMovesTheDrawing) {
  auto view = LoadedView();
  ::testing::InSequence order;
  EXPECT_CALL(*mDrawer, SetHorizontalOffset(3));
  EXPECT_CALL(*mDrawer, RedrawAll());
  view->SetHorizontalScrollLocation(3);
  EXPECT_EQ(view->HorizontalScrollLocation(), 3);
  EXPECT_EQ(view->HorizontalOffset(), 3);
}

} // namespace
