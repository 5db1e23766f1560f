// The arrow keys and Enter on the operands of a real net.

#include "EditingFixture.h"
#include "core/KeyCodes.h"
#include "editing/srvOperandsSelection.h"
#include "outside/operands/Operand.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class OperandsSelectionTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
    // Operand points (inlet X, inlet Y - 3): A (5, 2), B (15, 2), C (5, 9), D (30, 6).
    mA = StoreWithOperand(eET_DirectContact, 5, 5, 1);
    mB = StoreWithOperand(eET_DirectContact, 15, 5, 2);
    mC = StoreWithOperand(eET_DirectContact, 5, 12, 3);
    mD = StoreWithOperand(eET_DirectCoil, 30, 9, 4);
    Net(mNet).SetCompileDirtyBit(false);
    mCtx.State->SetNeedToCompile(false);
    mCtx.State->SetNeedToSave(false);
  }
  std::shared_ptr<itfLdrElement> StoreWithOperand(std::int32_t type, int x, int y, long address) {
    auto element = Store(mNet, type, x, y);
    AnswerOperand(1, address);
    EXPECT_TRUE(element->InitOperandsData(false));
    return element;
  }
  static std::shared_ptr<Operand> OperandOf(const std::shared_ptr<itfLdrElement>& element) {
    auto slots = element->InputOperands() && element->InputOperands()->Count() ? element->InputOperands()
                                                                               : element->OutputOperands();
    return slots->At(0);
  }
  void Select(const std::shared_ptr<itfLdrElement>& element) { OperandOf(element)->SetSelected(true); }
  // The element whose operand is selected, or nothing; fails on more than one.
  std::shared_ptr<itfLdrElement> SelectedOne() {
    std::shared_ptr<itfLdrElement> found;
    for (const auto& element : {mA, mB, mC, mD}) {
      if (!OperandOf(element)->IsSelected()) continue;
      EXPECT_FALSE(found) << "two operands selected";
      found = element;
    }
    return found;
  }
  void Key(std::int32_t code) { mService.KeyPress(code, *Net(mNet).GetAllElements(), *mNet); }

  std::shared_ptr<itfStrip> mNet;
  std::shared_ptr<itfLdrElement> mA, mB, mC, mD;
  srvOperandsSelection mService{mCtx};
};

TEST_F(OperandsSelectionTest, ArrowsGoToTheNearestOperandThatWay) {
  Select(mA);
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(5);
  Key(eKey_Right);
  EXPECT_EQ(SelectedOne(), mB);
  Key(eKey_Right); // D lies right, off the row
  EXPECT_EQ(SelectedOne(), mD);
  Key(eKey_Left); // B scores 15 + 2 * 4, C 25 + 2 * 3, A 25 + 2 * 4
  EXPECT_EQ(SelectedOne(), mB);
  Key(eKey_Down); // C scores 7 + 2 * 10, D 4 + 2 * 15
  EXPECT_EQ(SelectedOne(), mC);
  Key(eKey_Up); // straight up beats the nearer D off the column
  EXPECT_EQ(SelectedOne(), mA);
}

TEST_F(OperandsSelectionTest, NothingThatWayLeavesTheSelection) {
  Select(mA);
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(0);
  Key(eKey_Left);
  Key(eKey_Up);
  EXPECT_EQ(SelectedOne(), mA);
}

TEST_F(OperandsSelectionTest, WithoutASelectedOperandKeysDoNothing) {
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(0);
  Key(eKey_Right);
  Key(eKey_Enter);
  EXPECT_FALSE(SelectedOne());
  Select(mA);
  Key(9); // other keys
  Key(65);
  EXPECT_EQ(SelectedOne(), mA);
}

TEST_F(OperandsSelectionTest, EnterOpensTheOperandAndStoresItsSlot) {
  Select(mB);
  AnswerOperand(1, 99);
  EXPECT_CALL(*mDrawer, RedrawAll());
  Key(eKey_Enter);
  EXPECT_EQ(OperandOf(mB)->Address(), 99);
  EXPECT_TRUE(OperandOf(mB)->IsSelected());
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mB->ObjectID())), 99);
  EXPECT_EQ(Count("LdrOperands WHERE OprndType=1 AND OprndAddress=99"), 1);
  EXPECT_TRUE(Net(mNet).CompileDirtyBit());
  EXPECT_TRUE(mCtx.State->NeedToCompile());
}

TEST_F(OperandsSelectionTest, ACancelledDialogChangesNothing) {
  Select(mB);
  CancelOperand();
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(0);
  Key(eKey_Enter);
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mB->ObjectID())), 2);
  EXPECT_FALSE(Net(mNet).CompileDirtyBit());
  EXPECT_FALSE(mCtx.State->NeedToCompile());
}

TEST_F(OperandsSelectionTest, TheNetHandsItsKeysToTheService) {
  Select(mA);
  Net(mNet).KeyPress(eKey_Down, mService);
  EXPECT_EQ(SelectedOne(), mC);
}

} // namespace
} // namespace ldr::test
