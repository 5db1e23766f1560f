#include "core/ProjectDatabase.h"
#include "core/ProjectData.h"
#include "core/ProjectSchema.h"
#include "platform/database/DbError.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ldr;
using ldr::test::ProjectFixture;
using ldr::test::TempDir;

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void ExpectRefusedAndUnchanged(const std::string& path, const std::string& fragment) {
  const std::string before = FileBytes(path);
  try {
    ProjectDatabase::Open(path);
    ADD_FAILURE() << "opened " << path;
  } catch (const db::DbError& e) {
    EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
  }
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
}

class NewProject : public ProjectFixture {};

} // namespace

TEST_F(NewProject, HoldsModuleOneWithStartAndMain) {
  EXPECT_EQ(Longs("SELECT MdlID FROM LdrModules"), (std::vector<long>{1}));
  EXPECT_EQ(Longs("SELECT FuncID FROM LdrFunctions ORDER BY FuncID"), (std::vector<long>{1, 2}));
  EXPECT_EQ(Longs("SELECT FunctionType FROM LdrFunctions ORDER BY FuncID"), (std::vector<long>{1, 2}));
  EXPECT_EQ(Longs("SELECT TreeID FROM LdrFunctions ORDER BY FuncID"), (std::vector<long>{1, 2}));
  EXPECT_EQ(Scalar("SELECT TreeID FROM LdrModules"), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrFunctions WHERE Protected=0 AND Guid IS NULL"), 2);
  EXPECT_EQ(Scalar("PRAGMA user_version"), ProjectSchema::kDatabaseVersion);
  EXPECT_EQ(Db().QueryValue("PRAGMA journal_mode").AsText(), "wal");
}

TEST_F(NewProject, EachSubroutineHasSixteenNetsAndTheReturnStrip) {
  for (long func : {1L, 2L}) {
    std::string f = std::to_string(func);
    EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=" + f + " ORDER BY SeqNum").size(), 17u);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + f +
                     " AND SeqNum=ShowNum AND StrpType=1 AND Height=14 AND IsLoaded=0 AND IsCompilable=-1 AND "
                     "IsCollapsed=0 AND CompileDirtyBit=-1 AND OrgHeight=0 AND LdrBitsCount=0 AND IsSelected=0"),
              17);
    EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=" + f + " AND IsReturnStrip=-1"),
              (std::vector<long>{17}));
    auto element = Db().Query("SELECT e.ElmntID, ElmntType, Xs, Ys FROM LdrElements e JOIN LdrStrips s ON "
                              "s.StripID=e.StripID WHERE s.FuncID=?",
                              {func});
    ASSERT_EQ(element.RecordCount(), 1);
    EXPECT_EQ(element.Field("ElmntType").AsLong(), 602);
    EXPECT_EQ(element.Field("Xs").AsLong(), 0);
    EXPECT_EQ(element.Field("Ys").AsLong(), 5);
    auto slot = Db().Query("SELECT OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type FROM LdrElmsOprs WHERE ElmntID=?",
                           {element.Field("ElmntID")});
    ASSERT_EQ(slot.RecordCount(), 1);
    EXPECT_EQ(slot.Field("OprndInIdx").AsLong(), 0);
    EXPECT_EQ(slot.Field("OprndOutIdx").AsLong(), 1);
    EXPECT_EQ(slot.Field("Elmnt_Oprnd_Type").AsLong(), 29);
  }
}

TEST_F(NewProject, SettingsCountersAndDefaults) {
  EXPECT_EQ(Scalar("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=21"), 2);
  EXPECT_EQ(Scalar("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=124"), 2);
  EXPECT_EQ(Scalar("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=125"), 1);
  // A strip written with no values takes the defaults queries rely on.
  Db().AddRow("LdrStrips", {{"FuncID", 1}, {"SeqNum", 99}});
  EXPECT_EQ(Scalar("SELECT IsReturnStrip FROM LdrStrips WHERE SeqNum=99"), 0);
}

TEST_F(NewProject, ReopensAndRefusesToBeCreatedTwice) {
  mDb.reset();
  auto again = ProjectDatabase::Open(ProjectPath());
  EXPECT_EQ(again->QueryValue("SELECT COUNT(*) FROM LdrStrips").AsLong(), 34);
  EXPECT_THROW(ProjectDatabase::Create(ProjectPath()), db::DbError);
}

TEST(ProjectFiles, ForeignAndUnknownFilesAreRefusedUntouched) {
  TempDir dir;
  EXPECT_THROW(ProjectDatabase::Open(dir.File("missing.ldrp")), db::DbError);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing.ldrp")));

  std::ofstream(dir.File("notes.txt")) << std::string(5000, 'a');
  ExpectRefusedAndUnchanged(dir.File("notes.txt"), "not a project database");

  {
    auto other = db::Connection::Open(dir.File("other.db"), db::OpenMode::CreateNew);
    other->Execute("CREATE TABLE x (a)");
  }
  ExpectRefusedAndUnchanged(dir.File("other.db"), "not a project database");

  {
    auto old = ProjectDatabase::Create(dir.File("old.ldrp"));
    old->Execute("PRAGMA user_version=22");
    old->Execute("PRAGMA journal_mode=DELETE");
  }
  ExpectRefusedAndUnchanged(dir.File("old.ldrp"), "version 22");
}

TEST(ProjectFiles, FailedCreationLeavesNoFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("sub"));
  EXPECT_THROW(ProjectDatabase::Create(dir.File("nowhere/x.ldrp")), db::DbError);
  EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere/x.ldrp")));
}
