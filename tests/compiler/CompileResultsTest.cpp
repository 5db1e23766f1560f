// Storing the compiler's results, the dirty bits, download units, network
// IDs, the elements of a net and the shared connection.
#include "CompileFixture.h"

#include "core/LdrContext.h"
#include "core/LdrError.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfLdrElement.h"
#include "outside/HostServices.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ldr::test {
namespace {

class CompileResultsTest : public CompileFixture {
protected:
  long NetOf(long funcID, int n) {
    return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) +
                  " AND StrpType=1 AND IsReturnStrip=0 ORDER BY SeqNum LIMIT 1 OFFSET " + std::to_string(n - 1));
  }
  long Dirty(long stripID) {
    return Scalar("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  }
  void CleanAll() { Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0"); }
  // Subroutine 2 with code unit 100 and data unit 101, both compiled; an
  // unrelated unit 555 too.
  void CompiledUnits() {
    Db().Execute("UPDATE LdrFunctions SET Guid=100, DataGuid=101 WHERE FuncID=2");
    Db().Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (100, -1), (101, -1), (555, -1)");
  }
  std::vector<long> Compiled() { return Longs("SELECT IsCompiled FROM DownloadDLUs ORDER BY Guid"); }
  void StoreResults(long stripID, VbBool needToCompile) {
    mCompile->SetCompilerInfo(stripID, {0, 0, 3, 4}, {1}, {2}, {3}, {4}, 12, needToCompile, eCIT_Warnings, {5}, {6, 6});
  }
  std::string Blob(long stripID, const std::string& column) {
    return Db().QueryValue("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(stripID)).ToDisplay();
  }
};

TEST_F(CompileResultsTest, CompilerInfoLandsInOneRowAndClearsTheDirtyBit) {
  const long net = NetOf(2, 3);
  StoreResults(net, 0);
  EXPECT_EQ(Blob(net, "JunctionsInfo"), "x'00000304'");
  EXPECT_EQ(Blob(net, "ProblemsInfo") + Blob(net, "StlViewInfo") + Blob(net, "TokensInfo") + Blob(net, "JumpsInfo") +
                Blob(net, "RiseFallInfo"),
            "x'01'x'02'x'03'x'04'x'05'");
  EXPECT_EQ(Scalar("SELECT TokensAmount FROM LdrStrips WHERE StripID=" + std::to_string(net)), 12);
  EXPECT_EQ(Scalar("SELECT ProblemsType FROM LdrStrips WHERE StripID=" + std::to_string(net)), eCIT_Warnings);
  EXPECT_EQ(Dirty(net), 0);
  EXPECT_EQ(Dirty(NetOf(2, 2)), -1) << "only the net named changes";
  StoreResults(net, -1);
  EXPECT_EQ(Dirty(net), -1);
}

TEST_F(CompileResultsTest, WithoutDownloadUnitsTheRiseFallElementInfoAndUnitsStayAsTheyWere) {
  CompiledUnits();
  const long net = NetOf(2, 1);
  Db().Execute("UPDATE LdrStrips SET RiseFallElementInfo=x'AA' WHERE StripID=" + std::to_string(net));
  StoreResults(net, 0);
  EXPECT_EQ(Blob(net, "RiseFallElementInfo"), "x'AA'");
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));
}

TEST_F(CompileResultsTest, WithDownloadUnitsADirtyNetResetsBothUnitsOfItsSubroutine) {
  CompiledUnits();
  SetDownloadUnits(true);
  const long net = NetOf(2, 1);
  StoreResults(net, 0);
  EXPECT_EQ(Blob(net, "RiseFallElementInfo"), "x'0606'");
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
  // A clean net leaves the units alone.
  Db().Execute("UPDATE DownloadDLUs SET IsCompiled=-1");
  StoreResults(net, 0);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));
}

TEST_F(CompileResultsTest, ResultsForADeletedNetAreRefusedAndNothingIsWritten) {
  CompiledUnits();
  SetDownloadUnits(true);
  const long net = NetOf(2, 1);
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(net));
  EXPECT_THROW(StoreResults(net, 0), LdrError);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));
}

TEST_F(CompileResultsTest, StatementListViewMarksTheNetDirtyAndTokensDoNot) {
  CleanAll();
  const long net = NetOf(2, 1);
  mCompile->SetTokensInfo(net, {9, 8});
  EXPECT_EQ(Blob(net, "TokensInfo"), "x'0908'");
  EXPECT_EQ(Dirty(net), 0);
  mCompile->SetStlViewInfo(net, {7});
  EXPECT_EQ(Blob(net, "StlViewInfo"), "x'07'");
  EXPECT_EQ(Dirty(net), -1);
}

TEST_F(CompileResultsTest, DirtyBitOperationsMarkExactlyTheNetsTheyConcern) {
  CleanAll();
  const long network = NetOf(2, 1), named = NetOf(2, 2), lines = NetOf(2, 3), plain = NetOf(2, 4);
  Db().Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID) VALUES (1, 5, 3), (34, 2, 0), (1, 5, 0)");
  Operand(Element(network, 200), 1, 5, 3);
  Operand(Element(named, 300), 34, 2);
  Element(lines, 100, 0, 4);
  Operand(Element(plain, 200), 1, 5);

  mCompile->SetNeedToCompileForNetworkNets();
  EXPECT_EQ((std::vector<long>{Dirty(network), Dirty(named), Dirty(lines), Dirty(plain)}),
            (std::vector<long>{-1, 0, 0, 0}));
  mCompile->SetNeedToCompileForNetsWithNamedConsts();
  EXPECT_EQ(Dirty(named), -1);
  mCompile->SetNeedToCompileForNetsWithLineElements();
  EXPECT_EQ(Dirty(lines), -1);
  EXPECT_EQ(Dirty(plain), 0);

  CleanAll();
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=" + std::to_string(plain));
  mCompile->SetCompileDirtyBitForBuildAll();
  EXPECT_EQ(Dirty(plain), -1) << "switched-off nets too";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE StrpType<>1 AND StrpType<>4 AND CompileDirtyBit<>0"), 0);
}

TEST_F(CompileResultsTest, FunctionDirtyBitsTouchUnitsOnlyWithTheSwitchOn) {
  CompiledUnits();
  mCompile->SetFunctionDirtyBit(2);
  mCompile->SetFunctionDirtyBitForAll(false);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));
  SetDownloadUnits(true);
  mCompile->SetFunctionDirtyBit(2);
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
  mCompile->SetFunctionDirtyBitForAll(true);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1})) << "the unit of no subroutine is left alone";
  Db().Execute("UPDATE DownloadDLUs SET IsCompiled=-1 WHERE Guid=555");
  mCompile->SetFunctionDirtyBitForAll(false);
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
}

TEST_F(CompileResultsTest, UnitIdentitiesOfKnownAndUnknownSubroutines) {
  CompiledUnits();
  EXPECT_EQ(mCompile->GetFunctionGuid(2), 100);
  EXPECT_EQ(mCompile->GetFunctionDataGuid(2), 101);
  EXPECT_EQ(mCompile->GetFunctionGuid(1), -1) << "empty identity";
  EXPECT_EQ(mCompile->GetFunctionGuid(999), -1);
  mCompile->SetFunctionDataGuid(100, 202);
  EXPECT_EQ(mCompile->GetFunctionDataGuid(2), 202);
  std::vector<long> ids{42};
  EXPECT_EQ(mCompile->GetFunctionsIDs(ids), 2);
  EXPECT_EQ(ids, (std::vector<long>{1, 2}));
}

TEST_F(CompileResultsTest, NetworkIDsAscendingPaddedAndLimitedToEight) {
  for (long id : {5, 2, 9, 2})
    Db().Execute("INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID) VALUES (1, " +
                 std::to_string(id * 10) + ", " + std::to_string(id) + ")");
  EXPECT_EQ(mCompile->GetNetworkIDsBytesArray(), (ByteArray{2, 5, 9, 255, 255, 255, 255, 255}));
  EXPECT_EQ(mCompile->IsNetworkIDsVaild(), -1);
  for (long id = 10; id < 16; ++id)
    Db().Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID) VALUES (1, 1, " + std::to_string(id) +
                 ")");
  EXPECT_EQ(mCompile->GetNetworkIDsBytesArray(), (ByteArray{2, 5, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(mCompile->IsNetworkIDsVaild(), 0) << "nine controllers";

  std::ofstream(mDir.File("ISC_List.txt")) << "7;3;250\r\nignored\n";
  EXPECT_EQ(mCompile->IsNetworkIDsVaild(), -1);
  EXPECT_EQ(mCompile->GetNetworkIDsBytesArray(), (ByteArray{7, 3, 250, 255, 255, 255, 255, 255}));
  std::ofstream(mDir.File("ISC_List.txt")) << "7;300\n";
  EXPECT_THROW(mCompile->GetNetworkIDsBytesArray(), LdrError);
}

TEST_F(CompileResultsTest, RenumberingGivesEverySubroutineButTheStartDenseNumbers) {
  Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum*3, ShowNum=0");
  mCompile->RenumberAllLdrNetsShowNumberField();
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum").back(), 17);
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum").at(4), 5);
  EXPECT_EQ(Scalar("SELECT MAX(SeqNum) FROM LdrStrips WHERE FuncID=1"), 51);
}

TEST_F(CompileResultsTest, ElementsOfANetAndItsLinesReplaced) {
  const long net = NetOf(2, 1);
  Operand(Element(net, 200, 0, 2), 1, 5);
  Element(net, 100, 5, 2, {{"Dx", 4}});
  Element(net, 101, 9, 2, {{"Dy", 3}});
  auto elements = mCompile->GetElementsCollection(net);
  EXPECT_EQ(elements->Count(), 3u);
  EXPECT_EQ(mCompile->GetElementsCollection(999999)->Count(), 0u);

  LdrContext ctx;
  ctx.SetHost(mHost.Services);
  ctx.Connection = mDb;
  ElementCollection lines;
  auto line = CreateNewElement(ctx, 100);
  line->SetInlet({1, 6});
  line->SetOutlet({8, 6});
  lines.Add(1, line);
  mCompile->UpdateLinesInNet(net, lines);
  EXPECT_EQ(Longs("SELECT ElmntType FROM LdrElements WHERE StripID=" + std::to_string(net) + " ORDER BY ElmntID"),
            (std::vector<long>{200, 100}));
  EXPECT_EQ(Longs("SELECT Xs||Ys||Dx||Dy FROM LdrElements WHERE ElmntType=100"), (std::vector<long>{1670}));
  mCompile->UpdateLinesInNet(net, ElementCollection());
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE StripID=" + std::to_string(net)), 1);
}

TEST_F(CompileResultsTest, ANetWithElementsThatCannotBeBuiltIsAnErrorNotAShortCollection) {
  const long net = NetOf(2, 1);
  Element(net, 200);
  Element(net, 2000); // no element type: no class makes it
  EXPECT_THROW(mCompile->GetElementsCollection(net), LdrError);
}

TEST_F(CompileResultsTest, TheConnectionIsOpenedOnlyWhenNobodyHasOne) {
  EXPECT_TRUE(mCompile->OwnsConnection());
  EXPECT_EQ(mCompile->GetDatabaseConnection(), mDb);

  LdrContext shared;
  shared.SetHost(mHost.Services);
  auto other = db::Connection::Open(ProjectPath(), db::OpenMode::ExistingReadWrite);
  shared.Connection = other;
  {
    clsLdrCompile borrowing(shared);
    EXPECT_FALSE(borrowing.OwnsConnection());
    EXPECT_EQ(borrowing.GetDatabaseConnection(), other);
  }
  EXPECT_EQ(shared.Connection, other) << "a borrowed connection stays";

  shared.Connection.reset();
  {
    clsLdrCompile opening(shared);
    EXPECT_TRUE(opening.OwnsConnection());
    EXPECT_EQ(shared.Connection, mDb);
  }
  EXPECT_EQ(shared.Connection, nullptr) << "its own connection is given back";
}

TEST_F(CompileResultsTest, RetiredOperationsSayNotToUseThemAndAnswerNothing) {
  EXPECT_EQ(mCompile->GetRecordsetForDBElements(1), nullptr);
  EXPECT_EQ(mCompile->IsIllegalNumberOfRiseFallElementsInLadder(), 0);
  EXPECT_EQ(mCompile->IsIllegalNumberOfJumpCallElementsInLadder(), 0);
  EXPECT_FALSE(mCompile->IsNewCompiledData(1));
  EXPECT_TRUE(mLog->Contains("msgbox \"do not use - GetRecordsetForDBElements\""));
  EXPECT_TRUE(mLog->Contains("msgbox \"do not use prvIsIllegalNumberOfRiseFallElementsInLadder\""));
}

} // namespace
} // namespace ldr::test
