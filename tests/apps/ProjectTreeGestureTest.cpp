// Modules and subroutines as the host's project tree changes them through
// `ldr script` (`call`), checked row by row in the project database.

#include "apps/ldr/script/ScriptLine.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "editor/clsLdrMain.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ldr::test {
namespace {

class ProjectTreeGesture : public ::testing::Test {
protected:
  void SetUp() override {
    Do("new " + mDir.File("p.ldrp"));
    Do("init");
    Do("load 2");
  }
  void Do(const std::string& line) { mRunner.Execute(script::ScriptLine::Split(line)); }
  db::Connection& Db() { return mRunner.Editor().Db(); }
  clsLdrMain& Main() { return mRunner.Editor().Main(); }
  std::string Rows(const std::string& sql) {
    std::string text;
    auto rows = Db().Query(sql);
    for (const auto& row : rows.Rows()) {
      for (const auto& value : row) text += value.AsText("NULL") + "|";
      text += "\n";
    }
    return text;
  }
  long Scalar(const std::string& sql) { return Db().QueryValue(sql).AsLong(); }
  bool LogHas(const std::string& text) { return mOut.str().find(text) != std::string::npos; }
  // A call of subroutine `funcID` placed in net 1 of subroutine 2.
  void CallFrom2(long funcID) {
    const long net = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1");
    Db().Execute("INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) VALUES (?, 601, 10, 5)", {net});
    Db().Execute("INSERT INTO LdrElmsOprs VALUES (last_insert_rowid(), 1, 0, 31, ?, 0)", {funcID});
    Db().Execute(
        "INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) VALUES (31, ?, 0, 'x')",
        {funcID});
  }

  TempDir mDir;
  std::ostringstream mOut, mErr;
  script::ScriptRunner mRunner{mOut, mErr};
};

TEST_F(ProjectTreeGesture, ANewSubroutineHasSixteenNetsAndTheReturnStrip) {
  long funcID = 0;
  std::string name;
  Main().AddNewFunction(1, funcID, name);
  EXPECT_EQ(Rows("SELECT MdlID, TreeID=FuncID, FuncName, FunctionType, Protected FROM LdrFunctions WHERE FuncID=" +
                 std::to_string(funcID)),
            "1|1|" + name + "|3|0|\n");
  EXPECT_EQ(Rows("SELECT COUNT(*), MIN(SeqNum), MAX(SeqNum), SUM(Height), SUM(IsReturnStrip), SUM(CompileDirtyBit) "
                 "FROM LdrStrips WHERE FuncID=" +
                 std::to_string(funcID)),
            "17|1|17|238|-1|-17|\n");
  EXPECT_EQ(Rows("SELECT s.SeqNum, e.ElmntType, e.Xs, e.Ys FROM LdrElements e JOIN LdrStrips s ON s.StripID=e.StripID "
                 "WHERE s.FuncID=" +
                 std::to_string(funcID)),
            "17|602|0|5|\n");
  // Names keep counting after a deletion.
  Do("answer 6");
  Main().DeleteFunction(funcID);
  long next = 0;
  std::string nextName;
  Main().AddNewFunction(1, next, nextName);
  EXPECT_NE(nextName, name);
  EXPECT_GT(next, funcID);
}

TEST_F(ProjectTreeGesture, ANewModuleComesWithItsFirstSubroutine) {
  long mdlID = 0, funcID = 0;
  std::string moduleName, funcName;
  Main().AddNewModule(mdlID, moduleName, funcID, funcName);
  EXPECT_EQ(Rows("SELECT MdlName, TreeID FROM LdrModules WHERE MdlID=" + std::to_string(mdlID)),
            moduleName + "|" + std::to_string(mdlID) + "|\n");
  EXPECT_EQ(Scalar("SELECT MdlID FROM LdrFunctions WHERE FuncID=" + std::to_string(funcID)), mdlID);
}

TEST_F(ProjectTreeGesture, NamesAreUniqueWithoutRegardToCaseAndPlain) {
  Do("call RenameFunction 1 MAIN");
  EXPECT_TRUE(LogHas("message 83 \"Start\""));
  for (const std::string& bad : std::vector<std::string>{"", "It's", "100%", std::string(65, 'x')})
    EXPECT_EQ(Main().RenameFunction(1, bad), 0) << bad;
  EXPECT_EQ(Rows("SELECT FuncName FROM LdrFunctions ORDER BY FuncID"), "Start|\nMain|\n");
  // Its own name in another case is no clash.
  EXPECT_EQ(Main().RenameFunction(2, "MAIN"), -1);
  EXPECT_EQ(Rows("SELECT FuncName FROM LdrFunctions WHERE FuncID=2"), "MAIN|\n");
  long mdlID = 0, funcID = 0;
  std::string moduleName, funcName;
  Main().AddNewModule(mdlID, moduleName, funcID, funcName);
  EXPECT_EQ(Main().RenameModule(mdlID, "module 1"), 0);
  EXPECT_TRUE(LogHas("message 18 \"" + moduleName + "\""));
}

TEST_F(ProjectTreeGesture, ARenamedSubroutineIsShownByItsNewNameWhereItIsCalled) {
  long funcID = 0;
  std::string name;
  Main().AddNewFunction(1, funcID, name);
  CallFrom2(funcID);
  EXPECT_EQ(Main().RenameFunction(funcID, "Pumps"), -1);
  EXPECT_EQ(Db().QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=31 AND OprndAddress=?", {funcID})
                .AsText(),
            "Pumps");
}

TEST_F(ProjectTreeGesture, ACalledSubroutineAndItsModuleStay) {
  long mdlID = 0, funcID = 0;
  std::string moduleName, funcName;
  Main().AddNewModule(mdlID, moduleName, funcID, funcName);
  CallFrom2(funcID);
  EXPECT_EQ(Main().DeleteFunction(funcID), 0);
  EXPECT_TRUE(LogHas("message 80 \"" + funcName + "\""));
  EXPECT_EQ(Main().DeleteFunctionEx(funcID), 0);
  EXPECT_TRUE(LogHas("Ilogical Error"));
  EXPECT_EQ(Main().DeleteModule(mdlID), 0);
  EXPECT_TRUE(LogHas("message 81 \"" + moduleName + "\""));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrFunctions WHERE FuncID=" + std::to_string(funcID)), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + std::to_string(funcID)), 17);
}

TEST_F(ProjectTreeGesture, DeletingTheOnlySubroutineOfAModuleDeletesTheModule) {
  long mdlID = 0, funcID = 0;
  std::string moduleName, funcName;
  Main().AddNewModule(mdlID, moduleName, funcID, funcName);
  Do("answer 7");
  EXPECT_EQ(Main().DeleteFunction(funcID), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrFunctions WHERE FuncID=" + std::to_string(funcID)), 1);
  EXPECT_EQ(Main().DeleteFunctionEx(funcID), -1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrModules WHERE MdlID=" + std::to_string(mdlID)), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + std::to_string(funcID)), 0);
}

TEST_F(ProjectTreeGesture, DeletingTheOpenSubroutineShowsAnotherOne) {
  long funcID = 0;
  std::string name;
  Main().AddNewFunction(1, funcID, name);
  Do("load " + std::to_string(funcID));
  Do("answer 6");
  EXPECT_EQ(Main().DeleteFunction(funcID), -1);
  EXPECT_EQ(Main().FunctionID(), 2);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE IsLoaded<>0 AND FuncID<>2"), 0);
}

TEST_F(ProjectTreeGesture, ClearingPutsTheDefaultContentBackAndNoLeavesItAlone) {
  Do("tool ID_LDirectContact");
  Do("operand MB 1");
  Do("click 84 70");
  Do("answer 7");
  EXPECT_EQ(Main().ClearFunction(2), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 1);
  Do("answer 6");
  EXPECT_EQ(Main().ClearFunction(2), -1);
  EXPECT_TRUE(LogHas("action \"Clear Subroutine - Module 1.Main\""));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 0);
  EXPECT_EQ(Rows("SELECT COUNT(*), MAX(SeqNum), SUM(IsReturnStrip) FROM LdrStrips WHERE FuncID=2"), "17|17|-1|\n");
}

TEST_F(ProjectTreeGesture, MovingChangesOnlyTheModuleAndNeverAsks) {
  long mdlID = 0, funcID = 0;
  std::string moduleName, funcName;
  Main().AddNewModule(mdlID, moduleName, funcID, funcName);
  const std::string strips = Rows("SELECT * FROM LdrStrips WHERE FuncID=1 ORDER BY SeqNum");
  EXPECT_TRUE(Main().MoveFunctionToModule(1, mdlID));
  EXPECT_EQ(Scalar("SELECT MdlID FROM LdrFunctions WHERE FuncID=1"), mdlID);
  EXPECT_EQ(Rows("SELECT * FROM LdrStrips WHERE FuncID=1 ORDER BY SeqNum"), strips);
  EXPECT_FALSE(LogHas("message"));
}

} // namespace
} // namespace ldr::test
