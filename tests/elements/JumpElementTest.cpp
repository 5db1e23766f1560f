// Jumps, calls, returns and display loads: target operand, read-only end,
// storing.
#include "ElementTestFixture.h"

#include "elements/clsJumpElement.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using JumpElement = ElementTestFixture;

TEST_F(JumpElement, TargetOperandPerType) {
  struct Case {
    std::int32_t Type;
    AcceptedType Accepted;
    long OperandType;
    const char* Prompt;
  };
  const Case cases[] = {{600, {4, 29}, 29, "Select Label"},
                        {601, {6, 31}, 31, "Select Subroutine"},
                        {602, {4, 29}, 29, nullptr},
                        {603, {5, 30}, 30, "Select Display"}};
  for (const auto& c : cases) {
    auto jump = Make<clsJumpElement>(c.Type, 40, 5);
    ASSERT_TRUE(jump->InitOperandsData(true));
    EXPECT_EQ(jump->InputOperands()->Count(), 0u);
    ASSERT_EQ(jump->OutputOperands()->Count(), 1u);
    const auto operand = jump->OutputOperands()->Find(1L);
    ASSERT_NE(operand, nullptr);
    EXPECT_EQ(operand->AcceptedTypes(), std::vector<AcceptedType>{c.Accepted}) << c.Type;
    EXPECT_EQ(operand->OprndType(), c.OperandType) << c.Type;
    EXPECT_EQ(operand->IsFixed(), c.Type == 602) << c.Type;
    if (c.Prompt) {
      EXPECT_EQ(operand->DefaultText(), c.Prompt);
    }
    EXPECT_EQ(jump->Height(), 1);
    EXPECT_EQ(jump->Outlet(), (tyLdrPoint{46, 5}));
  }
}

TEST_F(JumpElement, CallAsksForTheSubroutine) {
  auto call = Make<clsJumpElement>(eET_CallFunction, 40, 5);
  call->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_Subroutine, 1, 0, 0});
  ASSERT_TRUE(call->InitOperandsData(false));
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Type FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(call->ObjectID())),
            std::vector<long>{31});
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(call->ObjectID())),
            std::vector<long>{1});
}

TEST_F(JumpElement, JumpToALabelOfAnotherSubroutineIsRefused) {
  // A label strip in subroutine 1; the jump stands in subroutine 2.
  const long label = static_cast<long>(Db().AddRow(
      "LdrStrips", {{"FuncID", 1}, {"SeqNum", 99}, {"StrpType", 3}, {"Height", 2}, {"LblName", "Elsewhere"}}));
  auto jump = Make<clsJumpElement>(eET_JumpToLabel, 40, 5);
  jump->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_Label, label, 0, 0});
  mHost.Answers->QueueOperandCancel();
  EXPECT_FALSE(jump->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("msgbox"));
}

TEST_F(JumpElement, ReturnIsNeverAskedFor) {
  auto ret = Make<clsJumpElement>(eET_FunctionReturn, 0, 5);
  ret->AddToDB(NetID());
  EXPECT_TRUE(ret->InitOperandsData(false));
  EXPECT_EQ(mHost.Answers->PendingOperands(), 0u);
  auto rows = Db().Query("SELECT * FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(ret->ObjectID()));
  ASSERT_EQ(rows.RecordCount(), 1);
  EXPECT_EQ(rows.Field("OprndOutIdx").AsLong(), 1);
  EXPECT_EQ(rows.Field("Elmnt_Oprnd_Type").AsLong(), 29);
}

TEST_F(JumpElement, LoadedReturnKeepsItsFixedOperand) {
  auto ret = Make<clsJumpElement>(eET_FunctionReturn, 0, 5);
  ret->AddToDB(NetID());
  ret->InitOperandsData(false);
  auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(ret->ObjectID()));
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  auto loaded = std::dynamic_pointer_cast<clsJumpElement>(CreateNewElement(mCtx, eET_FunctionReturn));
  loaded->Load(row, operands);
  EXPECT_EQ(loaded->ClassType(), eET_FunctionReturn);
  EXPECT_EQ(loaded->Inlet(), (tyLdrPoint{0, 5}));
  ASSERT_EQ(loaded->OutputOperands()->Count(), 1u);
  EXPECT_TRUE(loaded->OutputOperands()->At(0)->IsFixed());
  EXPECT_EQ(loaded->OutputOperands()->At(0)->OprndType(), 29);
  auto replica = loaded->GetReplica();
  EXPECT_EQ(replica->ClassType(), eET_FunctionReturn);
  EXPECT_TRUE(replica->OutputOperands()->At(0)->IsFixed());
}

TEST_F(JumpElement, EndIsReadOnly) {
  auto jump = Make<clsJumpElement>(eET_JumpToLabel, 40, 5);
  jump->SetXe(50);
  jump->SetYe(9);
  EXPECT_TRUE(mLog->Contains("msgbox \"read only\""));
  EXPECT_EQ(jump->Inlet(), (tyLdrPoint{40, 5}));
  EXPECT_EQ(jump->Outlet(), (tyLdrPoint{46, 5}));
}

} // namespace
} // namespace ldr::test
