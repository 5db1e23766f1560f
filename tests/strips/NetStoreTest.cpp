// A net's row: the stored flags, the compile state with the download entry
// of its subroutine, storing a new net and deleting one.
#include "NetTestFixture.h"

#include "elements/clsLineElement.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class NetStoreTest : public NetTestFixture {
protected:
  void SetUp() override {
    NetTestFixture::SetUp();
    mStrip = NetID();
    // Subroutine 2 has a code identity and a data identity; subroutine 1 one.
    Db().Execute("UPDATE LdrFunctions SET Guid=500, DataGuid=600 WHERE FuncID=2");
    Db().Execute("UPDATE LdrFunctions SET Guid=700 WHERE FuncID=1");
    Db().Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (500, -1), (600, -1), (700, -1)");
    Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0 WHERE FuncID=2");
    Db().ExecuteScript("CREATE TEMP TABLE StripUpdates (StripID INTEGER);"
                       "CREATE TEMP TRIGGER CountStripUpdates AFTER UPDATE ON LdrStrips "
                       "BEGIN INSERT INTO StripUpdates VALUES (NEW.StripID); END;");
  }
  long Column(const std::string& column, long strip) {
    return Scalar("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(strip));
  }
  long Column(const std::string& column) { return Column(column, mStrip); }
  long StripUpdates() { return Scalar("SELECT COUNT(*) FROM StripUpdates"); }
  std::vector<long> Compiled() { return Longs("SELECT IsCompiled FROM DownloadDLUs ORDER BY Guid"); }

  long mStrip = 0;
};

TEST_F(NetStoreTest, FlagsAreWrittenToTheNetsRowOnly) {
  auto net = LoadNet(mStrip);
  net->SetIsSelected(true);
  net->SetIsCompilable(2);
  net->SetIsCollapsed(true);
  net->SetOrgHeight(11);
  net->SetIsReturnStrip(true);
  EXPECT_EQ(Column("IsSelected"), -1);
  EXPECT_EQ(Column("IsCompilable"), 2);
  EXPECT_EQ(Column("IsCollapsed"), -1);
  EXPECT_EQ(Column("OrgHeight"), 11);
  EXPECT_EQ(Column("IsReturnStrip"), -1);
  EXPECT_EQ(net->IsCompilable(), 2);
  EXPECT_TRUE(net->IsCollapsed());
  EXPECT_EQ(net->OrgHeight(), 11);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE IsSelected<>0"), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT StripID) FROM StripUpdates"), 1);
}

TEST_F(NetStoreTest, SettingTheCompileStateMarksTheDownloadEntries) {
  auto net = LoadNet(mStrip);
  net->SetCompileDirtyBit(false); // already clean: nothing is written
  EXPECT_EQ(StripUpdates(), 0);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));

  net->SetCompileDirtyBit(true);
  EXPECT_EQ(Column("CompileDirtyBit"), -1);
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
  const long updates = StripUpdates();
  net->SetCompileDirtyBit(true);
  EXPECT_EQ(StripUpdates(), updates);
}

TEST_F(NetStoreTest, DirtyElementMakesTheNetDirty) {
  const long line = AddElementRow(mStrip, 100, 2, 4, 6, 0);
  auto net = LoadNet(mStrip);
  EXPECT_FALSE(net->CompileDirtyBit());
  EXPECT_EQ(StripUpdates(), 0);
  auto element = net->GetAllElements()->Find(line);
  element->Move(1, 0);
  element->SaveLastLegalPosition();
  element->UpdateInitialDescriptor();
  element->UpdateDB();
  ASSERT_TRUE(element->CompileDirtyBit());
  EXPECT_TRUE(net->CompileDirtyBit());
  EXPECT_EQ(Column("CompileDirtyBit"), -1);
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
}

TEST_F(NetStoreTest, SyncTakesTheStoredFlagWithoutWriting) {
  auto net = LoadNet(mStrip);
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID=" + std::to_string(mStrip));
  const long updates = StripUpdates();
  EXPECT_FALSE(net->CompileDirtyBit());
  net->SyncCompileDirtyBitWithDb();
  EXPECT_TRUE(net->CompileDirtyBit());
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0 WHERE StripID=" + std::to_string(mStrip));
  net->SyncCompileDirtyBitWithDb();
  EXPECT_FALSE(net->CompileDirtyBit());
  EXPECT_EQ(StripUpdates(), updates + 1);
  EXPECT_EQ(Compiled(), (std::vector<long>{-1, -1, -1}));
}

TEST_F(NetStoreTest, PowerFlowDisplayTogglesForTheNetAndItsLines) {
  AddElementRow(mStrip, 100, 0, 4, 6, 0);
  auto net = LoadNet(mStrip);
  auto line = std::dynamic_pointer_cast<clsLineElement>(net->GetAllElements()->At(0));
  ASSERT_TRUE(line);
  net->ToolRequest("ID_LPowerFlow");
  EXPECT_TRUE(net->ShowPowerFlow());
  EXPECT_TRUE(line->ShowPowerFlow());
  EXPECT_EQ(Column("ShowPowerFlow"), -1);
  net->ToolRequest("ID_LPowerFlow");
  EXPECT_FALSE(line->ShowPowerFlow());
  EXPECT_EQ(Column("ShowPowerFlow"), 0);
  net->ToolRequest("ID_Unknown");
  EXPECT_EQ(Column("ShowPowerFlow"), 0);
}

TEST_F(NetStoreTest, DeletingANetMarksItsSubroutineAndTakesItsElements) {
  const long contact = AddContact(mStrip, 0, 4, 1);
  auto net = LoadNet(mStrip);
  net->DeleteFromDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE StripID=" + std::to_string(mStrip)), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntID=" + std::to_string(contact)), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(contact)), 0);
  EXPECT_EQ(Compiled(), (std::vector<long>{0, 0, -1}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"), 16);
}

TEST_F(NetStoreTest, NewNetIsStoredDirtyAndUnselected) {
  clsLdrNet net(mCtx);
  net.SetSeqNum(3);
  net.SetStripNote("it's new"); // text goes in as a value, quote and all
  net.SetHeight(9);
  net.AddToDB(1);
  ASSERT_GT(net.StripID(), 0);
  const long id = net.StripID();
  EXPECT_EQ(Column("FuncID", id), 1);
  EXPECT_EQ(Column("SeqNum", id), 3);
  EXPECT_EQ(Column("StrpType", id), 1);
  EXPECT_EQ(Column("Height", id), 9);
  EXPECT_EQ(Column("CompileDirtyBit", id), -1);
  EXPECT_EQ(Column("IsSelected", id), 0);
  EXPECT_EQ(Column("IsReturnStrip", id), 0);
  EXPECT_EQ(Column("LdrBitsCount", id), 0);
  EXPECT_EQ(Db().QueryValue("SELECT StrpNote FROM LdrStrips WHERE StripID=" + std::to_string(id)).AsText(), "it's new");
  EXPECT_TRUE(net.CompileDirtyBit());
  EXPECT_TRUE(net.GetAllElements()->Empty());
}

} // namespace
} // namespace ldr::test
