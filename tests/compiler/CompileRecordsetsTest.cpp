// The recordsets the compiler reads: exact columns, filters, order and
// cursor kind on a small project whose every strip is known.
#include "CompileFixture.h"

#include "platform/database/DbError.h"

#include <gtest/gtest.h>

#include <set>

namespace ldr::test {
namespace {

class CompileRecordsetsTest : public CompileFixture {
protected:
  void SetUp() override {
    CompileFixture::SetUp();
    ClearStrips();
    // Start (1) and Main (2) are in module 1; F3 in module 2; F4, made
    // later, back in module 1.
    const long module2 = static_cast<long>(Db().AddRow("LdrModules", {{"MdlName", "Two"}}));
    mF3 = Function(module2, "F3");
    mF4 = Function(1, "F4");
    s7 = Strip(1, 1, 4, {{"CompileDirtyBit", 0}, {"TokensAmount", 0}});
    s1 = Strip(2, 1, 1, {{"CompileDirtyBit", -1}});
    s2 = Strip(2, 2, 2);
    s3 = Strip(2, 3, 3, {{"LblName", "L1"}});
    s4 = Strip(2, 4, 1, {{"IsCompilable", 2}, {"IsSelected", -1}, {"TokensAmount", 9}});
    s5 = Strip(2, 5, 1, {{"CompileDirtyBit", 0}, {"ProblemsType", 1}, {"TokensAmount", 5}});
    s6 = Strip(2, 6, 1, {{"CompileDirtyBit", 0}, {"TokensAmount", 3}, {"IsSelected", -1}});
    s8 = Strip(mF3, 1, 2);
    s9 = Strip(mF3, 2, 1, {{"TokensAmount", 2}});
    s10 = Strip(mF4, 1, 1);
  }
  long mF3 = 0, mF4 = 0;
  long s1 = 0, s2 = 0, s3 = 0, s4 = 0, s5 = 0, s6 = 0, s7 = 0, s8 = 0, s9 = 0, s10 = 0;
};

TEST_F(CompileRecordsetsTest, JumpDestinationsAreCompiledStripsAndLabelsBySubroutineAndPosition) {
  auto rs = mCompile->GetRecordsetForBuildingJumpDest();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::Static);
  EXPECT_EQ(rs->Columns(), StripColumns());
  EXPECT_EQ(rs->RecordCount(), 7);
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s7, s1, s3, s5, s6, s9, s10}));
}

TEST_F(CompileRecordsetsTest, NetsForCompileAreDirtyOrTroubledGroupedByModuleFirst) {
  auto rs = mCompile->GetRecordsetForCompile();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::Static);
  auto columns = StripColumns();
  columns.insert(columns.begin(), "MdlID");
  EXPECT_EQ(rs->Columns(), columns);
  // F4 (module 1) comes before F3 (module 2) although its key is higher.
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s1, s5, s10, s9}));
}

TEST_F(CompileRecordsetsTest, NetsForCompileOnACleanProjectIsOpenAndEmpty) {
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0, ProblemsType=0");
  auto rs = mCompile->GetRecordsetForCompile();
  ASSERT_NE(rs, nullptr);
  EXPECT_TRUE(rs->IsEOF());
  EXPECT_EQ(rs->RecordCount(), 0);
}

TEST_F(CompileRecordsetsTest, SelectedNetsLeaveSwitchedOffNetsOutAndEndWithTheModule) {
  auto rs = mCompile->GetRecordsetOfSelectedNetsForCompile();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::ForwardOnly);
  EXPECT_EQ(rs->RecordCount(), -1);
  EXPECT_EQ(rs->Columns().back(), "MdlID");
  EXPECT_EQ(rs->Field("MdlID").AsLong(), 1);
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s6}));
}

TEST_F(CompileRecordsetsTest, NetsHeadsAreTheFirstCompiledStripOfEachSubroutine) {
  // A switched-off net in front does not become the head.
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=" + std::to_string(s1));
  auto rs = mCompile->GetNetsHeadsRecordsetForCall();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::Static);
  EXPECT_EQ(rs->Columns(), StripColumns());
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s7, s5, s9, s10}));
}

TEST_F(CompileRecordsetsTest, FullDownloadTakesNetsWithCodeAndEveryLabel) {
  auto rs = mCompile->GetRecordsetForDownload(false);
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::Static);
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s3, s5, s6, s9}));
}

TEST_F(CompileRecordsetsTest, PartialDownloadTakesOnlySubroutinesWhoseCodeUnitIsNotCompiled) {
  Db().Execute("UPDATE LdrFunctions SET Guid=100 WHERE FuncID=2");
  Db().Execute("UPDATE LdrFunctions SET Guid=300 WHERE FuncID=" + std::to_string(mF3));
  Db().Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (100, 0), (300, -1)");
  auto rs = mCompile->GetRecordsetForDownload(true);
  EXPECT_EQ(rs->Columns(), StripColumns());
  // The label comes along even without tokens.
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s3, s5, s6}));
}

TEST_F(CompileRecordsetsTest, ConfigBlocksGiveOneRowPerConfigurationMethod) {
  Element(s6, 170101);
  Element(s6, 160101);
  Element(s1, 160102); // not a configuration method
  Element(s9, 160101);
  auto rs = mCompile->GetRecordsetOfNetsWithConfigFBs();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::ForwardOnly);
  EXPECT_EQ(rs->Columns(), StripColumns());
  EXPECT_EQ(Column(*rs, "StripID"), (std::vector<long>{s6, s6, s9}));
}

TEST_F(CompileRecordsetsTest, NetsWithJumpsAndTheStartSubroutinesStatementLists) {
  Element(s1, 600);
  Element(s1, 1225);
  Element(s4, 601); // switched off
  Element(s9, 603);
  Element(s5, 200);
  auto rs = mCompile->GetRecordsetOfAllNetsWithJumps();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::ForwardOnly);
  auto ids = Column(*rs, "StripID");
  std::multiset<long> found(ids.begin(), ids.end());
  EXPECT_EQ(found, (std::multiset<long>{s1, s1, s9, s7}));
}

TEST_F(CompileRecordsetsTest, RiseFallNetsAreAKeysetThatReadsRowsAfresh) {
  Element(s5, 202);
  Element(s5, 203);
  Element(s9, 203);
  Element(s1, 202); // no tokens
  Element(s4, 202); // switched off
  auto rs = mCompile->GetRecordsetOfAllNetsWithRiseFallElements();
  EXPECT_EQ(rs->CursorKind(), RecordsetCursor::Keyset);
  EXPECT_EQ(rs->Columns(), StripColumns());
  EXPECT_EQ(rs->RecordCount(), 2);
  Db().Execute("UPDATE LdrStrips SET TokensAmount=77 WHERE StripID=" + std::to_string(s5));
  EXPECT_EQ(rs->Field("StripID").AsLong(), s5);
  EXPECT_EQ(rs->Field("TokensAmount").AsLong(), 77);
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(s9));
  rs->MoveNext();
  EXPECT_THROW(rs->Field("StripID"), db::DbError);
  rs->MoveNext();
  EXPECT_TRUE(rs->IsEOF());
}

TEST_F(CompileRecordsetsTest, SmallerListsKeepTheirColumnsAndOrder) {
  Db().Execute("INSERT INTO Pages (Id) VALUES (7), (3)");
  auto pages = mCompile->GetRecordsetForBuildingJumpToPageDest();
  EXPECT_EQ(pages->CursorKind(), RecordsetCursor::Static);
  EXPECT_EQ(pages->Columns(), (std::vector<std::string>{"Id"}));
  EXPECT_EQ(Column(*pages, "Id"), (std::vector<long>{3, 7}));

  Db().Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndPowerUp, OprndEnablePowerUp) "
               "VALUES (2, 5, 0, 1.5, -1), (1, 9, 3, 2, -1), (1, 9, 0, 4, -1), (1, 1, 0, 8, 0)");
  auto powerup = mCompile->GetRecordsetOfPowerupOperands();
  EXPECT_EQ(powerup->CursorKind(), RecordsetCursor::ForwardOnly);
  EXPECT_EQ(powerup->Columns(), (std::vector<std::string>{"OprndType", "OprndAddress", "NetworkID", "OprndPowerUp"}));
  EXPECT_EQ(powerup->Field("OprndPowerup").AsDouble(), 4.0);
  EXPECT_EQ(Column(*powerup, "NetworkID"), (std::vector<long>{0, 3, 0}));

  auto functions = mCompile->GetFunctionsRecordsetForCheckingConflicts();
  EXPECT_EQ(functions->CursorKind(), RecordsetCursor::ForwardOnly);
  EXPECT_EQ(functions->Columns(), (std::vector<std::string>{"MdlID", "FuncID"}));
  EXPECT_EQ(Column(*functions, "FuncID"), (std::vector<long>{2, mF4, mF3}));
}

} // namespace
} // namespace ldr::test
