#include "core/ProjectData.h"
#include "platform/database/DbError.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace ldr;
using ldr::test::ProjectFixture;

namespace {

class ProjectData : public ProjectFixture {
protected:
  // A subroutine with the given strip types (1 net, 2 comment, 3 label) and
  // SeqNum 1..N, numbered badly on purpose.
  long SubroutineWith(const std::vector<long>& types) {
    long func = AddFunctionRow(Db(), 1, "Layout", eFTD_Regular);
    long seq = 0;
    for (long type : types) {
      ++seq;
      Db().AddRow("LdrStrips", {{"FuncID", func}, {"SeqNum", seq}, {"StrpType", type}, {"ShowNum", 100 + seq}});
    }
    return func;
  }
  std::vector<long> SeqNums(long func) {
    return Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=" + std::to_string(func) + " ORDER BY StripID");
  }
};

} // namespace

TEST_F(ProjectData, AppendPutsNetsInFrontOfTheReturnStrip) {
  ASSERT_EQ(GetMaxSeqNum(Db(), 2), 17);
  long returnStrip = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip<>0");
  AppendNets(Db(), 2, 3);
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 AND StripID>" + std::to_string(returnStrip) +
                  " ORDER BY StripID"),
            (std::vector<long>{17, 18, 19}));
  EXPECT_EQ(Scalar("SELECT SeqNum FROM LdrStrips WHERE StripID=" + std::to_string(returnStrip)), 20);
  // New nets take the column defaults: not the return strip, dirty.
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip=0 AND CompileDirtyBit=-1 AND "
                   "Height=14 AND StrpType=1 AND IsCompilable=-1"),
            19);
  RenumberStrips(Db(), 2);
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum").back(), 20);
}

TEST_F(ProjectData, InsertAtOneMovesOnlyThisSubroutine) {
  auto otherBefore = SeqNums(1);
  auto before = SeqNums(2);
  InsertNets(Db(), 2, 1, 2);
  auto after = SeqNums(2);
  ASSERT_EQ(after.size(), before.size() + 2);
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i] + 2);
  EXPECT_EQ(after[after.size() - 2], 1);
  EXPECT_EQ(after.back(), 2);
  EXPECT_EQ(SeqNums(1), otherBefore);
}

TEST_F(ProjectData, FailedInsertLeavesTheSubroutineAsItWas) {
  auto before = Longs("SELECT SeqNum FROM LdrStrips ORDER BY StripID");
  // The second new row fails after the renumbering updates have run.
  Db().ExecuteScript("CREATE TRIGGER refuse BEFORE INSERT ON LdrStrips WHEN NEW.SeqNum=6 "
                     "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
  EXPECT_THROW(InsertNets(Db(), 2, 5, 3), db::DbError);
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips ORDER BY StripID"), before);
  EXPECT_FALSE(Db().InTransaction());
}

TEST_F(ProjectData, RenumberCountsOnlyNets) {
  long func = SubroutineWith({1, 2, 1, 3, 1});
  Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum*10 WHERE FuncID=?", {func});
  RenumberStrips(Db(), func);
  auto rs = Db().Query("SELECT SeqNum, ShowNum FROM LdrStrips WHERE FuncID=? ORDER BY StripID", {func});
  std::vector<std::pair<long, long>> rows;
  for (; !rs.IsEOF(); rs.MoveNext()) rows.emplace_back(rs.Field(0).AsLong(), rs.Field(1).AsLong());
  EXPECT_EQ(rows, (std::vector<std::pair<long, long>>{{1, 1}, {2, 102}, {3, 2}, {4, 104}, {5, 3}}));
}

TEST_F(ProjectData, RenumberWritesOnlyWhatChanged) {
  long func = SubroutineWith({1, 2, 1, 1});
  EXPECT_EQ(RenumberStrips(Db(), func), 3); // the comment keeps its number
  const long written = Scalar("SELECT total_changes()");
  EXPECT_EQ(RenumberStrips(Db(), func), 0);
  EXPECT_EQ(Scalar("SELECT total_changes()"), written);
}

TEST_F(ProjectData, RenumberSurvivesNullNumbers) {
  long func = SubroutineWith({1, 1});
  Db().Execute("UPDATE LdrStrips SET ShowNum=NULL WHERE FuncID=?", {func});
  RenumberStrips(Db(), func);
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=" + std::to_string(func) + " ORDER BY SeqNum"),
            (std::vector<long>{1, 2}));
}

TEST_F(ProjectData, LookupsOfEmptyResults) {
  long func = AddFunctionRow(Db(), 1, "Empty", eFTD_Regular);
  EXPECT_EQ(GetMaxSeqNum(Db(), func), 0);
  EXPECT_EQ(GetFunctionName(Db(), 999), "");
  EXPECT_EQ(GetModuleIDOfFunction(Db(), 999), 0);
  EXPECT_EQ(GetStripIDByShowNum(Db(), 2, 99), 0);
  EXPECT_EQ(GetFullFunctionName(Db(), 2), "Module 1.Main");
  Db().Execute("UPDATE LdrFunctions SET FuncName=NULL WHERE FuncID=?", {func});
  EXPECT_EQ(GetFunctionName(Db(), func), "");
  EXPECT_EQ(GetStripIDByShowNum(Db(), 2, 3), Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=3"));
}

TEST_F(ProjectData, NameTestsExcludeTheRowAndIgnoreCase) {
  EXPECT_TRUE(IsFunctionNameFree(Db(), 2, "Main"));
  EXPECT_FALSE(IsFunctionNameFree(Db(), 1, "Main"));
  EXPECT_FALSE(IsFunctionNameFree(Db(), 1, "MAIN"));
  EXPECT_TRUE(IsModuleNameFree(Db(), 1, "Module 1"));
  EXPECT_FALSE(IsModuleNameFree(Db(), 0, "module 1"));
}

TEST_F(ProjectData, NamesWithQuotesPercentAndLengthAreStoredIntact) {
  for (const std::string& name :
       {std::string("It's 100% \"odd\"; DROP TABLE LdrStrips; --"), std::string(300, 'x'), std::string("_%")}) {
    long module = AddModuleRow(Db(), name);
    long func = AddFunctionRow(Db(), module, name, eFTD_Regular);
    EXPECT_EQ(GetFunctionName(Db(), func), name);
    EXPECT_EQ(GetModuleName(Db(), module), name);
    EXPECT_FALSE(IsFunctionNameFree(Db(), 0, name));
    EXPECT_TRUE(IsFunctionNameFree(Db(), func, name));
  }
  // LIKE wildcards are not wildcards here.
  EXPECT_TRUE(IsFunctionNameFree(Db(), 0, "_"));
}

TEST_F(ProjectData, CompileStateOverTheProject) {
  EXPECT_TRUE(IsNeedToCompile(Db()));
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  EXPECT_FALSE(IsNeedToCompile(Db()));
  long func = SubroutineWith({1, 2, 1});
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0, IsCompilable=0 WHERE FuncID=? AND StrpType=2", {func});
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0, IsCompilable=2 WHERE FuncID=? AND SeqNum=3", {func});
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  MarkAllNetsDirty(Db());
  // Disabled nets (2) are marked too; comments (never compiled) are not.
  EXPECT_EQ(Longs("SELECT CompileDirtyBit FROM LdrStrips WHERE FuncID=" + std::to_string(func) + " ORDER BY SeqNum"),
            (std::vector<long>{-1, 0, -1}));
  EXPECT_TRUE(IsNeedToCompile(Db()));
}

TEST_F(ProjectData, FunctionBlockTitleWithMissingRows) {
  Db().Execute("INSERT INTO FB_Fathers (FatherID, FatherTitle) VALUES (100000, 'PID Loop')");
  Db().Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (100001, 'Run')");
  Db().Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (100203, NULL)");
  EXPECT_EQ(GetFunctionBlockTitle(Db(), 100001), "PID Loop Run");
  EXPECT_EQ(GetFunctionBlockTitle(Db(), 100002), "PID Loop ");
  EXPECT_EQ(GetFunctionBlockTitle(Db(), 100203), " ");
  EXPECT_TRUE(TableHasRows(Db(), "FB_Methods WHERE MethodID=?", {100001}));
  EXPECT_FALSE(TableHasRows(Db(), "FB_Methods WHERE MethodID=?", {7}));
}

TEST_F(ProjectData, DeletingAModuleTakesEverythingBelowIt) {
  Db().Execute("DELETE FROM LdrModules WHERE MdlID=1");
  for (const char* table : {"LdrFunctions", "LdrStrips", "LdrElements", "LdrElmsOprs"})
    EXPECT_EQ(Scalar(std::string("SELECT COUNT(*) FROM ") + table), 0) << table;
}

TEST_F(ProjectData, ALockedProjectFailsClearlyAndKeepsNothingHalfWritten) {
  auto other = db::Connection::Open(ProjectPath(), db::OpenMode::ExistingReadWrite);
  other->Execute("BEGIN IMMEDIATE"); // another program holds the write lock
  other->Execute("UPDATE LdrModules SET MdlName='theirs'");
  Db().SetBusyTimeout(20);
  auto before = Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 ORDER BY StripID");
  try {
    AppendNets(Db(), 2, 2);
    FAIL() << "wrote through another program's lock";
  } catch (const db::DbError& e) {
    EXPECT_EQ(e.Code() & 0xff, 5) << e.what(); // SQLITE_BUSY
  }
  other->Execute("ROLLBACK");
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 ORDER BY StripID"), before);
  EXPECT_FALSE(Db().InTransaction());
  AppendNets(Db(), 2, 2); // works once the lock is gone
  EXPECT_EQ(GetMaxSeqNum(Db(), 2), 19);
}

TEST_F(ProjectData, InsertKeepsTheOrderOfASubroutineNumberedBeyondAThousand) {
  long func = SubroutineWith({1, 1, 1, 1});
  Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum+998 WHERE FuncID=?", {func}); // 999 … 1002
  InsertNets(Db(), func, 1001, 2);
  EXPECT_EQ(SeqNums(func), (std::vector<long>{999, 1000, 1003, 1004, 1001, 1002}));
  RenumberStrips(Db(), func);
  const long first = Scalar("SELECT MIN(StripID) FROM LdrStrips WHERE FuncID=" + std::to_string(func));
  std::vector<long> order;
  for (long id : Longs("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(func) + " ORDER BY SeqNum"))
    order.push_back(id - first);
  EXPECT_EQ(order, (std::vector<long>{0, 1, 4, 5, 2, 3})); // the new nets (4, 5) stand at 1001 and 1002
}
