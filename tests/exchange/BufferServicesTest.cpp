// Buffer tables on a real project database: appending with new keys, the
// constants' offset, missing references and the buffer database file.

#include "exchange/clsBufferServices.h"
#include "outside/utilities/NullGuiService.h"
#include "platform/database/DbError.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>

#include <fstream>

namespace ldr::test {
namespace {

class RecordingGui : public NullGuiService {
public:
  void ShowText(int, const std::string& text) override { Texts.push_back(text); }
  std::vector<std::string> Texts;
};

class BufferServices : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mBuffers = std::make_unique<clsBufferServices>(Db());
  }
  // Buffer tables shaped like the live ones, empty.
  void MakeEmptyBuffers(const std::vector<std::string>& tables) {
    for (const auto& table : tables)
      Db().Execute("CREATE TABLE b_" + table + " AS SELECT * FROM " + table + " WHERE 0");
  }
  void AddOperand(const std::string& prefix, long type, long address, const std::string& description) {
    Db().Execute("INSERT INTO " + prefix +
                     "LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) "
                     "VALUES (?,?,0,?)",
                 {type, address, description});
  }
  void AddSlot(const std::string& prefix, long element, long type, long address) {
    Db().Execute("INSERT INTO " + prefix +
                     "LdrElmsOprs (ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, "
                     "Elmnt_Oprnd_Adrs, Elmnt_Oprnd_NetworkID) VALUES (?,1,0,?,?,0)",
                 {element, type, address});
  }

  std::unique_ptr<clsBufferServices> mBuffers;
};

TEST_F(BufferServices, AppendedRowsTakeConsecutiveKeysAndTheirChildrenFollow) {
  MakeEmptyBuffers({"LdrStrips", "LdrElements"});
  for (long key : {7, 8, 12})
    Db().Execute("INSERT INTO b_LdrStrips (StripID, FuncID, SeqNum, StrpType, Height) VALUES (?, 2, ?, 1, 14)",
                 {key, key});
  // Element 1 of strip 8, element 2 of strip 12; element 3 of strip 7.
  Db().Execute("INSERT INTO b_LdrElements (ElmntID, StripID, ElmntType) VALUES (1, 8, 200), (2, 12, 204), (3, 7, 201)");
  // A deleted strip's key is never given again.
  Db().Execute("INSERT INTO LdrStrips (StripID, FuncID, SeqNum) VALUES (500, 2, 99)");
  Db().Execute("DELETE FROM LdrStrips WHERE StripID=500");

  EXPECT_EQ(mBuffers->AppendBufferTable("LdrStrips", "LdrElements", "StripID", "b_"), 3);

  EXPECT_EQ(Longs("SELECT StripID FROM LdrStrips WHERE StripID>500 ORDER BY SeqNum"),
            (std::vector<long>{501, 502, 503}));
  EXPECT_EQ(Longs("SELECT StripID FROM b_LdrElements ORDER BY ElmntID"), (std::vector<long>{502, 503, 501}));
  // The rest of each row came along.
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE StripID>500 ORDER BY StripID"), (std::vector<long>{7, 8, 12}));
}

TEST_F(BufferServices, AnEmptyBufferAddsNothingAndLeavesItsLinksAlone) {
  MakeEmptyBuffers({"LdrStrips", "LdrElements"});
  Db().Execute("INSERT INTO b_LdrElements (ElmntID, StripID, ElmntType) VALUES (1, 8, 200)");
  const long strips = Scalar("SELECT COUNT(*) FROM LdrStrips");
  EXPECT_EQ(mBuffers->AppendBufferTable("LdrStrips", "LdrElements", "StripID", "b_"), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips"), strips);
  EXPECT_EQ(Scalar("SELECT StripID FROM b_LdrElements"), 8);
}

TEST_F(BufferServices, PastedConstantsGoAboveTheProjectsAndKeepTheirOrder) {
  MakeEmptyBuffers({"LdrOperands", "LdrElmsOprs"});
  AddOperand("", 37, 10, "ten");
  for (long address : {1, 2, 3}) {
    AddOperand("b_", 37, address, "c");
    AddSlot("b_", address, 37, address);
  }
  AddSlot("b_", 9, 1, 2); // not a constant: stays
  EXPECT_EQ(mBuffers->HandleConstOperandsInBufferTables("b_", 0), 10);
  EXPECT_EQ(Longs("SELECT OprndAddress FROM b_LdrOperands ORDER BY 1"), (std::vector<long>{11, 12, 13}));
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM b_LdrElmsOprs ORDER BY ElmntID"), (std::vector<long>{11, 12, 13, 2}));
}

TEST_F(BufferServices, ConstantsAboveTheProjectsStayWhereTheyAre) {
  MakeEmptyBuffers({"LdrOperands", "LdrElmsOprs"});
  AddOperand("b_", 15, 5, "five");
  EXPECT_EQ(mBuffers->HandleConstOperandsInBufferTables("b_", 0), 0);
  EXPECT_EQ(Scalar("SELECT OprndAddress FROM b_LdrOperands"), 5);
}

TEST_F(BufferServices, CallsOfMissingSubroutinesShareOneMissingReference) {
  MakeEmptyBuffers({"LdrOperands", "LdrElmsOprs"});
  AddOperand("b_", 31, 70, "Pumps");
  AddOperand("b_", 31, 71, "Valves");
  AddOperand("b_", 31, 2, "Main"); // exists in the project: kept
  AddSlot("b_", 1, 31, 70);
  AddSlot("b_", 2, 31, 71);
  AddSlot("b_", 3, 31, 2);
  RecordingGui gui;
  EXPECT_TRUE(mBuffers->HandleInvalidSubroutineCalls(gui, "b_"));
  EXPECT_THAT(gui.Texts,
              ::testing::ElementsAre(
                  "Paste operation: Subroutine 'Pumps' is missing. Replaced by a call to 'MISSING (Pumps)'",
                  "Paste operation: Subroutine 'Valves' is missing. Replaced by a call to 'MISSING (Valves)'"));
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM b_LdrElmsOprs ORDER BY ElmntID"), (std::vector<long>{32000, 32000, 2}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM b_LdrOperands WHERE OprndAddress=32000"), 1);
  EXPECT_EQ(Db().QueryValue("SELECT OprndDescription FROM b_LdrOperands WHERE OprndAddress=32000").AsText(),
            "MISSING (Unknown)");
}

TEST_F(BufferServices, AnOperandTheProjectHasIsNotAppendedAgain) {
  MakeEmptyBuffers({"LdrOperands"});
  AddOperand("", 1, 4, "project's");
  AddOperand("b_", 1, 4, "buffer's");
  AddOperand("b_", 1, 5, "new");
  mBuffers->AppendLdrOperandsBufferTable("b_");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=1"), 2);
  EXPECT_EQ(Db().QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndAddress=4").AsText(), "project's");
}

TEST_F(BufferServices, TablesTravelThroughABufferFileWithTheirRows) {
  MakeEmptyBuffers({"LdrStrips"});
  Db().Execute("INSERT INTO b_LdrStrips (StripID, FuncID, SeqNum, LblName) VALUES (7, 2, 1, 'It''s')");
  const std::string file = mDir.File("buffers/LdrBuffer.qdb");
  clsBufferServices::CreateEmptyDB(file);
  mBuffers->CopyLocalBufferTablesToExternalDatabaseByPrefix(file, "b_");
  mBuffers->DeleteBufferTablesByPrefix("b_");
  EXPECT_FALSE(mBuffers->DoesTableExist("b_LdrStrips"));
  EXPECT_TRUE(mBuffers->CopyExternalBufferTablesToLocalDatabaseByPrefix(file, "b_"));
  EXPECT_EQ(Db().QueryValue("SELECT LblName FROM b_LdrStrips WHERE StripID=7").AsText(), "It's");
}

TEST_F(BufferServices, AMissingForeignOrNewerBufferFileIsRefusedUnchanged) {
  EXPECT_THROW(mBuffers->CopyExternalBufferTablesToLocalDatabaseByPrefix(mDir.File("none.qdb"), "b_"), db::DbError);
  const std::string foreign = mDir.File("foreign.qdb");
  std::ofstream(foreign) << "not a database at all";
  EXPECT_THROW(mBuffers->CopyExternalBufferTablesToLocalDatabaseByPrefix(foreign, "b_"), db::DbError);
  EXPECT_EQ(ReadFileBytes(foreign), "not a database at all");
  // A project file is a database, but not a buffer file.
  EXPECT_THROW(mBuffers->CopyExternalBufferTablesToLocalDatabaseByPrefix(ProjectPath(), "Ldr"), db::DbError);
  const std::string newer = mDir.File("newer.qdb");
  clsBufferServices::CreateEmptyDB(newer);
  db::Connection::Open(newer, db::OpenMode::ExistingReadWrite)->Execute("PRAGMA user_version=99");
  EXPECT_THROW(mBuffers->CopyExternalBufferTablesToLocalDatabaseByPrefix(newer, "b_"), db::DbError);
  EXPECT_TRUE(mBuffers->TablesByPrefix("b_").empty());
}

TEST_F(BufferServices, BlockMethodsAndBlobsFindTheirTargetsByNameAfterTheAppend) {
  EXPECT_THROW(mBuffers->SaveCallsNames(""), std::invalid_argument); // never the live rows
  const long strip = Scalar("SELECT MIN(StripID) FROM LdrStrips WHERE FuncID=2");
  Db().Execute("INSERT INTO FB_Instance_Details (FatherID, InstanceNumber, InstanceDescription) VALUES "
               "(100100, 1, 'Oven'), (100100, 2, 'Dryer')");
  Db().Execute("INSERT INTO LdrElements (StripID, ElmntType, MoreParamsStr) VALUES (?, 200, 'own text')", {strip});
  MakeEmptyBuffers({"LdrElements", "LdrElmsOprs", "LdrOperands"});
  // A method of Dryer, Oven's configuration, a blob naming subroutine Main.
  Db().Execute("INSERT INTO b_LdrElements (ElmntID, StripID, ElmntType, MoreParamsLng, MoreParamsBin) VALUES "
               "(1, ?, 100102, 2, NULL), (2, ?, 100101, 1, NULL), (3, ?, 1402, 0, x'05')",
               {strip, strip, strip});
  clsBufferServices::BlobReferences hook;
  hook.SaveNames = [](long, const db::Blob& blob) { return blob == db::Blob{5} ? "Main" : ""; };
  hook.Restore = [](long, db::Blob& blob, const std::string& names, db::Connection& db) {
    blob = {
        static_cast<std::uint8_t>(db.QueryValue("SELECT FuncID FROM LdrFunctions WHERE FuncName=?", {names}).AsLong())};
    return true;
  };
  mBuffers->SetBlobReferences(hook);
  mBuffers->SaveCallsNames("b_");
  EXPECT_EQ(Db().QueryValue("SELECT GROUP_CONCAT(MoreParamsStr) FROM b_LdrElements ORDER BY ElmntID").AsText(),
            "Dryer,Oven,Main");
  // In another project the method lost its instance number.
  Db().Execute("UPDATE b_LdrElements SET MoreParamsLng=32000 WHERE ElmntID=1");
  const long first = Scalar("SELECT MAX(ElmntID) FROM LdrElements") + 1;
  mBuffers->AppendBufferTable("LdrElements", "LdrElmsOprs", "ElmntID", "b_");
  EXPECT_EQ(mBuffers->RestoreCalls(first, first + 2), 2);
  EXPECT_EQ(Longs("SELECT MoreParamsLng FROM LdrElements WHERE ElmntID>=" + std::to_string(first) + " ORDER BY 1"),
            (std::vector<long>{0, 1, 2}));
  EXPECT_EQ(Db().QueryValue("SELECT hex(MoreParamsBin) FROM LdrElements WHERE ElmntType=1402").AsText(), "02");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE MoreParamsStr IS NOT NULL"), 1);
  EXPECT_EQ(Db().QueryValue("SELECT MoreParamsStr FROM LdrElements WHERE ElmntType=200").AsText(), "own text");
}

TEST_F(BufferServices, NamesThatAreNotPlainIdentifiersAreRefused) {
  EXPECT_THROW(mBuffers->DeleteBufferTablesByPrefix("x'; DROP TABLE LdrStrips; --"), std::invalid_argument);
  EXPECT_TRUE(mBuffers->DoesTableExist("LdrStrips"));
}

} // namespace
} // namespace ldr::test
