#include "core/ProjectData.h"
#include "core/clsLdrState.h"
#include "outside/HostServices.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/Operand.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace ldr;

namespace {

class OperandSlot : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, std::make_shared<MemoryLog>(), mDir.File("settings.ini"));
    mContext.Connection = mDb;
    mContext.SetHost(mHost.Services);
    mContext.State = std::make_unique<clsLdrState>(mContext);
    long strip = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1");
    mElement = Db().AddRow("LdrElements", {{"StripID", strip}, {"ElmntType", 300}, {"Xs", 2}, {"Ys", 1}});
    // Two inputs of the same old identity: the slot index tells them apart.
    for (long in : {1L, 2L})
      Db().AddRow("LdrElmsOprs", {{"ElmntID", mElement},
                                  {"OprndInIdx", in},
                                  {"OprndOutIdx", 0},
                                  {"Elmnt_Oprnd_Type", 3},
                                  {"Elmnt_Oprnd_Adrs", 7},
                                  {"Elmnt_Oprnd_NetworkID", 0}});
    for (int i = 0; i < 2; ++i) {
      auto operand = mHost.Services->Operands->NewOperand();
      operand->SetKey({3, 7, 0});
      mInputs.Add(i + 1, operand);
    }
  }

  LdrContext mContext;
  HeadlessHost mHost;
  long mElement = 0;
  KeyedCollection<Operand> mInputs, mOutputs;
};

} // namespace

TEST_F(OperandSlot, ChangesExactlyTheSlotOfTheOperand) {
  auto& second = *mInputs.At(1);
  second.SetKey({3, 9, 0});
  EXPECT_TRUE(UpdateElementOperandSlot(mContext, mElement, mInputs, mOutputs, second, 3, 7, 0));
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mElement) +
                  " ORDER BY OprndInIdx"),
            (std::vector<long>{7, 9}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=3 AND OprndAddress=9"), 1);
  EXPECT_TRUE(mContext.State->NeedToCompile());
  EXPECT_TRUE(mContext.State->NeedToSave());
}

TEST_F(OperandSlot, AStaleOldIdentityChangesNothing) {
  auto& first = *mInputs.At(0);
  first.SetKey({3, 11, 0});
  EXPECT_FALSE(UpdateElementOperandSlot(mContext, mElement, mInputs, mOutputs, first, 3, 8, 0));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Adrs=11"), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrOperands"), 0);
  EXPECT_FALSE(mContext.State->NeedToCompile());
}

TEST_F(OperandSlot, DefaultNameCountersKeepCounting) {
  auto& settings = *mHost.Services->Settings;
  EXPECT_EQ(NextModuleNumber(settings), 2); // a new project has "Module 1"
  EXPECT_EQ(NextModuleNumber(settings), 3);
  EXPECT_EQ(NextSubroutineNumber(settings), 1);
  EXPECT_EQ(NextSubroutineNumber(settings), 2);
  EXPECT_EQ(Scalar("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=125"), 3);
}
