// Export and import of subroutines between two real projects: the round trip
// of every element type, references between and out of the exported
// subroutines, renaming, the refusals, files of older versions and files that
// are not what they claim (each leaving the receiving project as it was).

#include "exchange/clsExportImport.h"
#include "interfaces/enElementType.h"
#include "platform/database/Connection.h"
#include "platform/database/Transaction.h"
#include "support/ExchangeProject.h"
#include "support/LadderBuilder.h"
#include "support/LadderDump.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ldr::test {
namespace {

using Outcome = clsExportImport::Outcome;
constexpr long kMain = 2;

class ExportImport : public ::testing::Test {
protected:
  void SetUp() override {
    mSource = std::make_unique<ExchangeProject>(mDir.File("source.ldrp"));
    mTarget = std::make_unique<ExchangeProject>(mDir.File("target.ldrp"));
  }

  // Main holds one element of every type (but the library element and the
  // block range), a jump to a label of its own, a call of Helper and a block
  // instance; Helper calls Main back.
  void BuildSource() {
    auto& db = mSource->Db();
    db::Transaction rows(db);
    LadderBuilder ladder(db);
    mHelper = ladder.Subroutine("Helper");
    long placed = 0;
    for (const auto& member : kElementTypeMembers) {
      const long type = member.Value;
      if (type == 0 || type == eET_UtEx2_FuncLib || type >= eET_FunctionBlockFirst) continue;
      const long strip = ladder.Strip(kMain, 1 + placed / 25);
      const long element = ladder.Element(strip, type, 3 * (placed % 25), 0, 2, placed % 40);
      db.Execute("UPDATE LdrElements SET MoreParamsLng=?, MoreParamsStr=?, MoreParamsBin=? WHERE ElmntID=?",
                 {placed, "p" + std::to_string(placed), db::Blob{1, 2, static_cast<unsigned char>(placed)}, element});
      ++placed;
    }
    const long net = ladder.Strip(kMain, 15);
    const long label = ladder.Label(kMain, 16, "Again");
    ladder.Element(net, eET_JumpToLabel, 0, 2, 29, label);
    ladder.Element(net, eET_CallFunction, 3, 2, 31, mHelper);
    ladder.Element(ladder.Strip(mHelper, 1), eET_CallFunction, 0, 0, 31, kMain);
    ladder.PowerUp(2, 7, 12.5);
    db.Execute("INSERT INTO FB_Fathers (FatherID, FatherName, HexFileVersion) VALUES (100100, 'Motor', 3)");
    db.Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (100101, 'Config')");
    db.Execute("INSERT INTO FB_Instance_Details (InstanceID, FatherID, InstanceNumber, InstanceDescription) VALUES "
               "(1, 100100, 1, 'Pump')");
    ladder.SetParam(ladder.Element(ladder.Strip(kMain, 14), 100101, 0, 0), 1);
    rows.Commit();
  }

  std::string ExportFile(const std::vector<long>& ids = {kMain}) {
    const std::string path = mDir.File("out.dnq");
    EXPECT_EQ(mSource->Exchange().ExportToFile(ids, path), Outcome::Done);
    return path;
  }

  static void GiveBlockType(ExchangeProject& project) {
    project.Db().Execute("INSERT INTO FB_Fathers (FatherID, FatherName, HexFileVersion) VALUES (100100, 'Motor', 3)");
  }

  Outcome ImportInto(ExchangeProject& project, const std::string& path) {
    return project.Exchange().ImportFromFile(1, path);
  }

  long NewID(long oldID) {
    for (const auto& pair : mTarget->Exchange().ImportPairs())
      if (pair.OldFuncId == oldID) return pair.NewFuncId;
    return 0;
  }

  // The import of `path` is refused as `expected`, and the target stays as it was.
  void ExpectRefusedUnchanged(const std::string& path, Outcome expected) {
    const std::string before = ProjectContent(mTarget->Db());
    EXPECT_EQ(ImportInto(*mTarget, path), expected);
    EXPECT_EQ(ProjectContent(mTarget->Db()), before);
  }

  TempDir mDir;
  std::unique_ptr<ExchangeProject> mSource, mTarget;
  long mHelper = 0;
};

TEST_F(ExportImport, RoundTripOfEveryElementTypeGivesEqualLadderWithCallsOnTheNewKeys) {
  BuildSource();
  const std::string path = ExportFile({kMain, mHelper});
  GiveBlockType(*mTarget);
  ASSERT_EQ(ImportInto(*mTarget, path), Outcome::Done);
  ASSERT_EQ(mTarget->Exchange().ImportPairs().size(), 2u);
  const long main = NewID(kMain), helper = NewID(mHelper);
  EXPECT_EQ(DumpSubroutines(mTarget->Db(), {main, helper}), DumpSubroutines(mSource->Db(), {kMain, mHelper}));
  // The target has a Main of its own: the copy is Main(1), and Helper's
  // call leads to the copy, not to the target's Main.
  auto& db = mTarget->Db();
  EXPECT_EQ(db.QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=?", {main}).AsText(), "Main(1)");
  EXPECT_EQ(db.QueryValue("SELECT s.Elmnt_Oprnd_Adrs FROM LdrElmsOprs s JOIN LdrElements e USING(ElmntID) JOIN "
                          "LdrStrips t USING(StripID) WHERE t.FuncID=? AND e.ElmntType=601",
                          {helper})
                .AsLong(),
            main);
  EXPECT_EQ(
      db.QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=31 AND OprndAddress=?", {main}).AsText(),
      "Main(1)");
  EXPECT_EQ(db.QueryValue("SELECT InstanceDescription FROM FB_Instance_Details WHERE FatherID=100100").AsText(),
            "Pump");
  EXPECT_EQ(db.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE 'expimp%'").AsLong(), 0);
  // The export left the source exactly as it was: no buffers, no names written.
  EXPECT_EQ(mSource->Db().QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE 'expimp%'").AsLong(), 0);
}

TEST_F(ExportImport, ImportingAgainRenamesToTheNextFreeNameAndInstancesStayUnique) {
  BuildSource();
  const std::string path = ExportFile();
  GiveBlockType(*mTarget);
  ASSERT_EQ(ImportInto(*mTarget, path), Outcome::Done);
  ASSERT_EQ(ImportInto(*mTarget, path), Outcome::Done);
  auto& db = mTarget->Db();
  auto names = db.Query("SELECT FuncName FROM LdrFunctions ORDER BY FuncID");
  std::vector<std::string> list;
  for (const auto& row : names.Rows()) list.push_back(row[0].AsText());
  EXPECT_EQ(list, (std::vector<std::string>{"Start", "Main", "Main(1)", "Main(2)"}));
  auto instances = db.Query("SELECT InstanceNumber, InstanceDescription FROM FB_Instance_Details ORDER BY 1");
  ASSERT_EQ(instances.RecordCount(), 2);
  EXPECT_EQ(instances.Rows()[0][1].AsText(), "Pump");
  EXPECT_EQ(instances.Rows()[1][1].AsText(), "Pump(1)");
  // Each copy's block element configures its own instance.
  EXPECT_EQ(db.QueryValue("SELECT GROUP_CONCAT(MoreParamsLng) FROM (SELECT MoreParamsLng FROM LdrElements WHERE "
                          "ElmntType=100101 ORDER BY 1)")
                .AsText(),
            "1,2");
}

TEST_F(ExportImport, CallsOfSubroutinesLeftBehindAreLinkedByNameOrMarkedMissing) {
  BuildSource();
  const std::string path = ExportFile(); // Main without Helper
  LadderBuilder(mTarget->Db()).Subroutine("Helper");
  GiveBlockType(*mTarget);
  const long targetHelper = mTarget->Db().QueryValue("SELECT MAX(FuncID) FROM LdrFunctions").AsLong();
  ASSERT_EQ(ImportInto(*mTarget, path), Outcome::Done);
  EXPECT_EQ(mTarget->Db()
                .QueryValue("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs s JOIN LdrElements e USING(ElmntID) JOIN "
                            "LdrStrips t USING(StripID) WHERE t.FuncID=? AND s.Elmnt_Oprnd_Type=31",
                            {NewID(kMain)})
                .AsLong(),
            targetHelper);

  ExchangeProject bare(mDir.File("bare.ldrp"));
  GiveBlockType(bare);
  ASSERT_EQ(bare.Exchange().ImportFromFile(1, path), Outcome::Done);
  EXPECT_TRUE(bare.Logged("\"Paste operation: Subroutine 'Helper' is missing. Replaced by a call to 'MISSING "
                          "(Helper)'\""));
  EXPECT_EQ(bare.Db()
                .QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=31 AND OprndAddress=32000")
                .AsText(),
            "MISSING (Helper)");
}

TEST_F(ExportImport, ExportRefusalsWriteNoFileAndChangeNothing) {
  BuildSource();
  auto& db = mSource->Db();
  const std::string path = mDir.File("refused.dnq");
  auto refused = [&](const std::vector<long>& ids, const std::string& file, const std::string& message,
                     Outcome expected) {
    SCOPED_TRACE(message);
    const std::string before = ProjectContent(db);
    EXPECT_EQ(mSource->Exchange().ExportToFile(ids, file), expected);
    EXPECT_TRUE(mSource->Logged(message));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(ProjectContent(db), before);
  };
  db.Execute("UPDATE LdrFunctions SET Protected=-1 WHERE FuncID=?", {mHelper});
  refused({mHelper}, path, "message 305", Outcome::Refused);
  refused({kMain}, mDir.File("a. b.dnq"), "message 329", Outcome::Refused);
  LadderBuilder ladder(db);
  ladder.Element(ladder.Strip(1, 1), eET_UtEx2_FuncLib, 0, 0);
  refused({1}, path, "message 452 \"       * Start\"", Outcome::Nothing);
  ladder.Element(ladder.Strip(kMain, 2), eET_DirectContact, 0, 0, 34, 1);
  ladder.PowerUp(34, 1, 5);
  refused({kMain}, path, "message 86", Outcome::Refused);
  db.Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=2, Elmnt_Oprnd_Adrs=32000 WHERE Elmnt_Oprnd_Type=34");
  refused({kMain}, path, "message 87", Outcome::Refused);
  EXPECT_EQ(clsExportImport::ProposedFileName("Mod/1:a*b"), "Mod_1_a_b");
}

TEST_F(ExportImport, ImportRefusalsLeaveTheProjectAsItWas) {
  BuildSource();
  const std::string path = ExportFile();
  auto edit = [&](const std::string& sql) {
    std::filesystem::copy_file(path, mDir.File("edited.dnq"), std::filesystem::copy_options::overwrite_existing);
    db::Connection::Open(mDir.File("edited.dnq"), db::OpenMode::ExistingReadWrite)->Execute(sql);
    return mDir.File("edited.dnq");
  };
  ExpectRefusedUnchanged(edit("UPDATE expimp_GeneralProps SET ExportedDBVersion=10"), Outcome::Refused);
  ExpectRefusedUnchanged(edit("UPDATE expimp_GeneralProps SET ExportedDBVersion=24"), Outcome::Refused);
  EXPECT_TRUE(mTarget->Logged("message 89"));
  // The target lacks the block type (91); with it, a different code version (90).
  ExpectRefusedUnchanged(path, Outcome::Refused);
  EXPECT_TRUE(mTarget->Logged("message 91"));
  mTarget->Db().Execute("INSERT INTO FB_Fathers (FatherID, FatherName, HexFileVersion) VALUES (100100, 'Motor', 4)");
  ExpectRefusedUnchanged(path, Outcome::Refused);
  EXPECT_TRUE(mTarget->Logged("message 90"));
  mTarget->Db().Execute("UPDATE FB_Fathers SET HexFileVersion=3");
  ExpectRefusedUnchanged(edit("UPDATE expimp_LdrElmsOprs SET Elmnt_Oprnd_Type=64 WHERE Elmnt_Oprnd_Type=2"),
                         Outcome::Refused);
  EXPECT_TRUE(mTarget->Logged("message 412"));
  ExpectRefusedUnchanged(edit("UPDATE expimp_LdrOperands SET OprndAddress=2147483000 WHERE OprndType=2"),
                         Outcome::Refused);
  EXPECT_TRUE(mTarget->Logged("message 422"));
  EXPECT_EQ(ImportInto(*mTarget, path), Outcome::Done);
}

TEST_F(ExportImport, FilesOfEveryOlderVersionAreUpgraded) {
  BuildSource();
  const std::string path = ExportFile({kMain, mHelper});
  const std::string expected = DumpSubroutines(mSource->Db(), {kMain, mHelper});
  for (long version = clsExportImport::kOldestReadableVersion; version < 23; ++version) {
    SCOPED_TRACE(version);
    const std::string older = mDir.File("v" + std::to_string(version) + ".dnq");
    std::filesystem::copy_file(path, older);
    MakeOlderExportFile(older, version);
    ExchangeProject target(mDir.File("v" + std::to_string(version) + ".ldrp"));
    GiveBlockType(target);
    ASSERT_EQ(target.Exchange().ImportFromFile(1, older), Outcome::Done);
    const auto& pairs = target.Exchange().ImportPairs();
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_TRUE(DumpSubroutines(target.Db(), {pairs[0].NewFuncId, pairs[1].NewFuncId}) == expected);
  }
}

TEST_F(ExportImport, BadFilesAreRefusedWithTheProjectUnchanged) {
  BuildSource();
  const std::string path = ExportFile();
  GiveBlockType(*mTarget);
  const std::string bytes = ReadFileBytes(path);
  auto write = [&](const std::string& content) {
    std::ofstream(mDir.File("bad.dnq"), std::ios::binary | std::ios::trunc) << content;
    return mDir.File("bad.dnq");
  };
  auto edit = [&](const std::string& sql) {
    write(bytes);
    db::Connection::Open(mDir.File("bad.dnq"), db::OpenMode::ExistingReadWrite)->ExecuteScript(sql);
    return mDir.File("bad.dnq");
  };
  ExpectRefusedUnchanged(write("not a database at all"), Outcome::BadFile);
  ExpectRefusedUnchanged(write(bytes.substr(0, bytes.size() / 2)), Outcome::BadFile);
  for (const char* sql : {
           "DROP TABLE expimp_LdrStrips",
           "ALTER TABLE expimp_LdrElements DROP COLUMN ElmntType",
           "UPDATE expimp_LdrStrips SET FuncID=NULL WHERE rowid=3",
           "UPDATE expimp_LdrStrips SET FuncID=999 WHERE rowid=3",
           "UPDATE expimp_LdrElements SET ElmntID=(SELECT MIN(ElmntID) FROM expimp_LdrElements) WHERE rowid=5",
           "UPDATE expimp_LdrStrips SET Comment=hex(zeroblob(600000)) WHERE rowid=1",
           "UPDATE expimp_LdrFunctions SET FuncName=''",
           "UPDATE expimp_LdrElmsOprs SET Elmnt_Oprnd_Adrs='x' WHERE rowid=1",
           "DELETE FROM expimp_GeneralProps",
           "ALTER TABLE expimp_LdrStrips ADD COLUMN \"a b\" INTEGER",
           "PRAGMA application_id=7",
       }) {
    SCOPED_TRACE(sql);
    ExpectRefusedUnchanged(edit(sql), Outcome::BadFile);
  }
  EXPECT_TRUE(mTarget->Logged("msgbox \"The file '"));
}

} // namespace
} // namespace ldr::test
