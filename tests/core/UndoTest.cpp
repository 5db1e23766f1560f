// Undo steps recorded at the edit commit and applied back: one step per
// edit, view state left alone, the operand rows (a table without a key)
// included, a step that no longer fits refused whole.

#include "core/ActionNameTap.h"
#include "core/EditCommit.h"
#include "core/UndoHistory.h"
#include "core/UndoStore.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/utilities/OutsideSettingKeys.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace ldr;

namespace {

class UndoTest : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("settings.ini"));
    mContext.Connection = mDb;
    mContext.SetHost(mHost.Services);
    mContext.State = std::make_unique<clsLdrState>(mContext);
  }

  // One host call that writes `sql` and names itself `name`.
  void Edit(const std::string& name, const std::vector<std::string>& sql) {
    EditsOf(mContext).Run([&] {
      for (const auto& statement : sql) Db().Execute(statement);
      if (!name.empty()) mContext.Host->Actions->ReportAction(name);
    });
  }
  void AddNet() {
    Edit("Add Net",
         {"INSERT INTO LdrStrips (StripID, FuncID, SeqNum, StrpType, CompileDirtyBit) VALUES (50, 2, 0, 1, 0)",
          "INSERT INTO LdrElements (ElmntID, StripID, ElmntType, Xs, Ys) VALUES (70, 50, 200, 2, 1)",
          "INSERT INTO LdrElmsOprs VALUES (70, 0, 0, 3, 12, 0)",
          "INSERT INTO LdrElmsOprs VALUES (70, 0, 0, 3, 12, 0)"});
  }
  // The ladder without view state, and the operand rows in content order.
  std::string Ladder() {
    std::string text;
    auto rows = Db().Query(
        "SELECT 'S', StripID, FuncID, SeqNum, StrpType, Height, Comment FROM LdrStrips UNION ALL "
        "SELECT 'E', ElmntID, StripID, ElmntType, Xs, Ys, MoreParamsStr FROM LdrElements UNION ALL "
        "SELECT 'O', ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs, NULL FROM LdrElmsOprs "
        "UNION ALL SELECT 'F', FuncID, MdlID, FuncName, FunctionType, Protected, NULL FROM LdrFunctions ORDER BY "
        "1,2,3,4,5,6");
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
      for (int i = 0; i < 7; ++i) text += rows.Field(i).ToDisplay() + "|";
      text += "\n";
    }
    return text;
  }
  std::vector<std::string> Names(bool redo) { return UndoStore(Db()).Names(redo); }
  UndoOutcome Undo() { return UndoHistory(Db()).Undo(); }
  UndoOutcome Redo() { return UndoHistory(Db()).Redo(); }
  void ExpectSound() {
    EXPECT_EQ(Db().QueryValue("PRAGMA integrity_check").AsText(), "ok");
    EXPECT_TRUE(Db().Query("PRAGMA foreign_key_check").IsEOF());
    EXPECT_FALSE(Db().InTransaction());
  }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mContext;
};

TEST_F(UndoTest, EachEditIsOneNamedStepThatUndoAndRedoTakeBackAndBringAgain) {
  const std::string original = Ladder();
  AddNet();
  const std::string added = Ladder();
  Edit("Move Elements",
       {"UPDATE LdrElements SET Xs=9 WHERE ElmntID=70", "UPDATE LdrElmsOprs SET Elmnt_Oprnd_Adrs=13 WHERE rowid IN "
                                                        "(SELECT rowid FROM LdrElmsOprs WHERE ElmntID=70 LIMIT 1)"});
  const std::string moved = Ladder();
  Edit("Select", {"UPDATE LdrStrips SET IsSelected=-1 WHERE StripID=50"}); // view state: no step
  Edit("", {"UPDATE LdrFunctions SET FuncName='renamed' WHERE FuncID=2"});
  EXPECT_EQ(Names(false), (std::vector<std::string>{"Edit", "Move Elements", "Add Net"}));
  EXPECT_EQ(mLog->Lines().back(), "action \"Select\""); // the host still hears every name

  EXPECT_EQ(Undo().Name, "Edit");
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  const auto undone = Undo();
  EXPECT_EQ(undone.Result, UndoOutcome::Done);
  EXPECT_EQ(undone.Name, "Move Elements");
  EXPECT_TRUE(undone.NetsDirty);
  EXPECT_EQ(Ladder(), added);
  EXPECT_EQ(Scalar("SELECT IsSelected FROM LdrStrips WHERE StripID=50"), -1);
  EXPECT_EQ(Scalar("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=50"), -1);
  EXPECT_EQ(Undo().Name, "Add Net");
  EXPECT_EQ(Ladder(), original);
  EXPECT_EQ(Undo().Result, UndoOutcome::Nothing);
  ExpectSound();

  EXPECT_EQ(Redo().Name, "Add Net");
  EXPECT_EQ(Ladder(), added);
  EXPECT_EQ(Redo().Name, "Move Elements");
  EXPECT_EQ(Ladder(), moved);
  EXPECT_EQ(Names(true), (std::vector<std::string>{"Edit"}));
  Edit("Other", {"UPDATE LdrElements SET Ys=3 WHERE ElmntID=70"});
  EXPECT_TRUE(Names(true).empty()); // a new edit drops what could be redone
  EXPECT_EQ(Redo().Result, UndoOutcome::Nothing);
  ExpectSound();
}

TEST_F(UndoTest, AGestureOverSeveralCallsIsOneStepAndAWithdrawnOneNone) {
  const std::string original = Ladder();
  mContext.State->SetMouseProcess(eMP_ElementMoveProc);
  AddNet();
  EditsOf(mContext).Run([&] {
    Db().Execute("UPDATE LdrElements SET Xs=5 WHERE ElmntID=70");
    EditsOf(mContext).Revert();
    Db().Execute("UPDATE LdrElements SET Xs=6 WHERE ElmntID=70");
  });
  EXPECT_TRUE(Names(false).empty());
  mContext.State->SetMouseProcess(eMP_QueryForProcess);
  EditsOf(mContext).Run([&] { EditsOf(mContext).Commit("Move Elements", true); });
  EXPECT_EQ(Names(false), (std::vector<std::string>{"Move Elements"}));
  Undo();
  EXPECT_EQ(Ladder(), original);

  // Written and taken back within one gesture: no step, and redo stays.
  const std::string name = Db().QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=2").AsText();
  mContext.State->SetMouseProcess(eMP_ElementMoveProc);
  Edit("", {"UPDATE LdrFunctions SET FuncName='x' WHERE FuncID=2"});
  mContext.State->SetMouseProcess(eMP_QueryForProcess);
  EditsOf(mContext).Run([&] { Db().Execute("UPDATE LdrFunctions SET FuncName=? WHERE FuncID=2", {name}); });
  EXPECT_TRUE(Names(false).empty());
  EXPECT_EQ(Names(true), (std::vector<std::string>{"Move Elements"}));
}

TEST_F(UndoTest, AStepThatNoLongerFitsIsRefusedWholeAndTheHistoryCleared) {
  AddNet();
  Edit("Move Elements", {"UPDATE LdrElements SET Xs=9 WHERE ElmntID=70"});
  // Another program moves the element on.
  Db().Execute("UPDATE LdrElements SET Xs=20 WHERE ElmntID=70");
  const std::string now = Ladder();
  const auto outcome = Undo();
  EXPECT_EQ(outcome.Result, UndoOutcome::Refused);
  EXPECT_NE(outcome.Message.find("Cannot undo \"Move Elements\""), std::string::npos) << outcome.Message;
  EXPECT_EQ(Ladder(), now);
  EXPECT_TRUE(Names(false).empty());
  ExpectSound();
}

TEST_F(UndoTest, ADamagedStackIsRefusedWithTheProjectUnchanged) {
  AddNet();
  Db().Execute("UPDATE undo_Steps SET Changes=x'54030100'");
  const std::string now = Ladder();
  const auto outcome = Undo();
  EXPECT_EQ(outcome.Result, UndoOutcome::Refused);
  EXPECT_EQ(Ladder(), now);
  ExpectSound();
  Db().Execute("DROP TABLE undo_Steps");
  Db().Execute("CREATE TABLE undo_Steps (Broken)");
  EXPECT_EQ(Undo().Result, UndoOutcome::Refused);
}

TEST_F(UndoTest, TheHostSettingLimitsTheNumberOfSteps) {
  mHost.Settings->SetHostSetting(eHSS_Editor, UndoStore::kMaxStepsKey, "2");
  for (const char* name : {"one", "two", "three"})
    Edit(name, {std::string("UPDATE LdrFunctions SET FuncName='") + name + "' WHERE FuncID=2"});
  EXPECT_EQ(Names(false), (std::vector<std::string>{"three", "two"}));
}

} // namespace
