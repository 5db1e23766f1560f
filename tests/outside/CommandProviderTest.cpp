#include "OutsideFixture.h"

#include "outside/utilities/OutsideSettingKeys.h"
#include "outside/utilities/ProjectCommandProvider.h"

using namespace ldr;
using ldr::test::OutsideFixture;

class CommandProviderTest : public OutsideFixture {
protected:
  void SetUp() override {
    OutsideFixture::SetUp();
    mFunc = AddFunction(AddModule("M"), "Main");
    mNet = AddStrip(mFunc, 1, 1);
    mOtherNet = AddStrip(mFunc, 2, 1);
  }
  long AddElement(long strip, long type) {
    return static_cast<long>(mDb->AddRow("LdrElements", {{"StripID", strip}, {"ElmntType", type}}));
  }
  long mFunc = 0;
  long mNet = 0;
  long mOtherNet = 0;
};

TEST_F(CommandProviderTest, ElementsComeInTheOrderTheNetHoldsThem) {
  const long first = AddElement(mNet, 204);
  AddElement(mOtherNet, 200);
  const long second = AddElement(mNet, 200);
  auto command = Host().Commands->ElementsCommand();
  command.Bind(CommandProvider::kStripIDParameter, mNet);
  db::ForwardRecordset rs(std::move(command));
  std::vector<long> ids;
  for (; !rs.IsEOF(); rs.MoveNext()) ids.push_back(rs.Field("ElmntID").AsLong());
  EXPECT_EQ(ids, (std::vector<long>{first, second}));
}

TEST_F(CommandProviderTest, OperandRowsComeByElementInputsFirstAndKeepSlotsWithoutAListRow) {
  const long a = AddElement(mNet, 400);
  const long b = AddElement(mNet, 200);
  const long elsewhere = AddElement(mOtherNet, 200);
  mDb->Execute("INSERT INTO LdrElmsOprs VALUES (?, 0, 1, 3, 30, 0), (?, 2, 0, 3, 20, 0), (?, 1, 0, 3, 10, 0), "
               "(?, 0, 1, 1, 1, 0), (?, 1, 0, 1, 99, 0)",
               {b, a, a, a, elsewhere});
  mDb->Execute("INSERT INTO LdrOperands VALUES (3, 10, 0, 'A in', 0, 0), (3, 10, 1, 'not this one', 0, 0)");
  auto command = Host().Commands->OperandsCommand();
  command.Bind(":StripID", mNet);
  auto rs = db::Recordset::Read(command);
  ASSERT_EQ(rs.RecordCount(), 4);
  std::vector<std::string> rows;
  for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
    rows.push_back(std::to_string(rs.Field("ElmntID").AsLong() == a ? 1 : 2) + ":" + rs.Field("OprndInIdx").AsText() +
                   "/" + rs.Field("OprndOutIdx").AsText() + "=" + rs.Field("Elmnt_Oprnd_Adrs").AsText() + " " +
                   rs.Field("OprndDescription").ToDisplay());
  EXPECT_EQ(rows, (std::vector<std::string>{"1:1/0=10 A in", "1:2/0=20 NULL", "1:0/1=1 NULL", "2:0/1=30 NULL"}));
  rs.MoveFirst();
  EXPECT_TRUE(rs.Find("ElmntID=" + std::to_string(b)));
}

TEST_F(CommandProviderTest, TheStripUpdateFollowsTheDownloadUnitSwitch) {
  EXPECT_FALSE(Host().Commands->StripUpdateHasRiseFallElementInfo());
  auto update = Host().Commands->StripUpdateCommand();
  EXPECT_EQ(update.Sql().find("RiseFallElementInfo"), std::string::npos);
  const db::Blob junctions = {1, 2, 3};
  update.Bind(":JunctionsInfo", junctions)
      .Bind(":ProblemsInfo", db::Blob{})
      .Bind(":StlViewInfo", db::Blob{9})
      .Bind(":TokensInfo", db::Blob{})
      .Bind(":JumpsInfo", db::Blob{})
      .Bind(":TokensAmount", 12)
      .Bind(":CompileDirtyBit", 0)
      .Bind(":ProblemsType", 2)
      .Bind(":RiseFallInfo", db::Blob{4})
      .Bind(":StripID", mNet);
  EXPECT_EQ(update.Execute(), 1);
  auto row = mDb->Query("SELECT JunctionsInfo, TokensAmount, CompileDirtyBit, ProblemsType FROM LdrStrips WHERE "
                        "StripID=?",
                        {mNet});
  EXPECT_EQ(row.Field(0).AsBlob(), junctions);
  EXPECT_EQ(row.Field(1).AsLong(), 12);
  EXPECT_EQ(row.Field(2).AsLong(), 0);
  EXPECT_EQ(row.Field(3).AsLong(), 2);

  mHost.DownloadUnits->SetOn(true);
  EXPECT_TRUE(Host().Commands->StripUpdateHasRiseFallElementInfo());
  auto withUnits = Host().Commands->StripUpdateCommand();
  EXPECT_EQ(withUnits.Sql(), ProjectCommandProvider::StripUpdateSql(true));
  withUnits.Bind(":RiseFallElementInfo", db::Blob{7}).Bind(":StripID", mOtherNet);
  EXPECT_EQ(withUnits.Execute(), 1);
  EXPECT_EQ(mDb->QueryValue("SELECT RiseFallElementInfo FROM LdrStrips WHERE StripID=?", {mOtherNet}).AsBlob(),
            db::Blob{7});
}

TEST_F(CommandProviderTest, IdentifiersAreFreshAndAboveEveryUsedOne) {
  auto& ids = *Host().Identifiers;
  EXPECT_EQ(ids.NewIdentifier(), 1);
  EXPECT_EQ(ids.NewIdentifier(), 2);
  mDb->Execute("UPDATE LdrFunctions SET Guid=40, DataGuid=41 WHERE FuncID=?", {mFunc});
  mDb->Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (77, 0)");
  EXPECT_EQ(ids.NewIdentifier(), 78);
  ids.ReleaseIdentifier(78);
  EXPECT_EQ(ids.NewIdentifier(), 79) << "a released identifier is not handed out again";
  mDb->Execute("DELETE FROM DownloadDLUs");
  EXPECT_EQ(ids.NewIdentifier(), 80) << "the counter remembers what it handed out";
  EXPECT_EQ(Host().Settings->ProjectSettingLong(eOSK_LastIdentifier, 0), 80);

  Host().Settings->SetProjectSettingLong(eOSK_LastIdentifier, 2147483647);
  EXPECT_THROW(ids.NewIdentifier(), std::overflow_error);
}
