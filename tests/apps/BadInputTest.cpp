// Bad rows planted in a project are loaded and drawn without a crash, and
// files that are not projects of this version are refused and left as they
// were.
#include "ProjectInvariants.h"
#include "ScriptTestSupport.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

using ldr::test::Quoted;
using ldr::test::ReadFileBytes;
using ldr::test::RunLdr;
using ldr::test::RunScript;

struct BadDataCase {
  const char* Name;
  const char* Sql; // run on a new project with a contact and a line in net 1
};

// Net 1 of subroutine 2 is the strip with the lowest SeqNum there.
#define NET1 "(SELECT StripID FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum LIMIT 1)"
#define CONTACT "(SELECT ElmntID FROM LdrElements WHERE ElmntType=200)"

const BadDataCase kCorpus[] = {
    {"element type 0", "UPDATE LdrElements SET ElmntType=0 WHERE ElmntID=" CONTACT},
    {"unknown element type", "UPDATE LdrElements SET ElmntType=98765 WHERE ElmntID=" CONTACT},
    {"element far outside", "UPDATE LdrElements SET Xs=1000000000, Ys=-1000000000 WHERE ElmntID=" CONTACT},
    {"element coordinates null", "UPDATE LdrElements SET Xs=NULL, Ys=NULL, Dx=NULL, Dy=NULL"},
    {"line of huge length", "UPDATE LdrElements SET Dx=2000000000 WHERE ElmntType=100"},
    {"coordinates as text", "UPDATE LdrElements SET Xs='abc', Ys=x'00ff' WHERE ElmntID=" CONTACT},
    {"net height zero", "UPDATE LdrStrips SET Height=0 WHERE StripID=" NET1},
    {"net height negative", "UPDATE LdrStrips SET Height=-7 WHERE StripID=" NET1},
    {"net height large", "UPDATE LdrStrips SET Height=500 WHERE StripID=" NET1},
    {"collapsed without height", "UPDATE LdrStrips SET IsCollapsed=-1, Height=1, OrgHeight=0 WHERE StripID=" NET1},
    {"unknown strip type", "UPDATE LdrStrips SET StrpType=77 WHERE StripID=" NET1},
    {"SeqNum twice and null",
     "UPDATE LdrStrips SET SeqNum=1 WHERE FuncID=2 AND SeqNum IN (2, 3); UPDATE LdrStrips SET SeqNum=NULL WHERE "
     "FuncID=2 AND SeqNum=4"},
    {"ShowNum negative", "UPDATE LdrStrips SET ShowNum=-3 WHERE FuncID=2"},
    {"no return strip", "DELETE FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip<>0"},
    {"return strip without element",
     "DELETE FROM LdrElements WHERE StripID IN (SELECT StripID FROM LdrStrips WHERE FuncID=2 AND IsReturnStrip<>0)"},
    {"two return strips", "UPDATE LdrStrips SET IsReturnStrip=-1 WHERE StripID=" NET1},
    {"odd junction blob", "UPDATE LdrStrips SET JunctionsInfo=x'0102030405' WHERE StripID=" NET1},
    {"junction blob far out", "UPDATE LdrStrips SET JunctionsInfo=x'0000ffffffff7f7f' WHERE StripID=" NET1},
    {"garbage blobs",
     "UPDATE LdrStrips SET ProblemsInfo=x'ff', TokensInfo=x'00', JumpsInfo=x'0102', RiseFallInfo=x'ffffffff'"},
    {"garbage element parameters",
     "UPDATE LdrElements SET MoreParamsStr='\x01\x02''x', MoreParamsBin=x'deadbeef', MoreParamsLng=-1, "
     "NumberOfInputs=100000"},
    {"operand slots out of range", "UPDATE LdrElmsOprs SET OprndInIdx=99, OprndOutIdx=-4"},
    {"operand of unknown type", "UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=9999, Elmnt_Oprnd_Adrs=-1"},
    {"operand rows missing", "DELETE FROM LdrElmsOprs"},
    {"long comment", "INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, Height, Comment) VALUES (2, 0, 2, 5, "
                     "replace(hex(zeroblob(1000)), '00', 'comment '))"},
    {"comment height out of range", "INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, Height) VALUES (2, 0, 2, -40)"},
    {"label without name",
     "INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, Height, LblName) VALUES (2, 0, 3, 3, NULL)"},
    {"scroll position far out", "UPDATE LdrFunctions SET VscrlPos=2000000000"},
    {"scroll position negative", "UPDATE LdrFunctions SET VscrlPos=-50"},
};

// A new project with a contact and a line in net 1, made once and copied
// for each case.
class BadData : public ::testing::TestWithParam<BadDataCase> {
protected:
  static void SetUpTestSuite() {
    sDir = new ldr::test::TempDir();
    auto made = RunScript("new " + Base() +
                          "\ninit\nload 2\noperand MB 1\ntool ID_LDirectContact\nclick 168 70\n"
                          "tool ID_LDrawLine\ndrag 210 70 420 70\ntool ID_LDrawLine\n");
    ASSERT_EQ(made.status, 0) << made.err;
  }
  static void TearDownTestSuite() {
    delete sDir;
    sDir = nullptr;
  }
  static std::string Base() { return sDir->File("base.ldrp"); }

  static ldr::test::TempDir* sDir;
};

ldr::test::TempDir* BadData::sDir = nullptr;

} // namespace

TEST_P(BadData, IsLoadedAndDrawnWithoutACrash) {
  ldr::test::TempDir dir;
  const std::string project = dir.File("bad.ldrp");
  std::filesystem::copy_file(Base(), project);
  ldr::ProjectDatabase::Open(project)->ExecuteScript(GetParam().Sql);
  // Whatever the editor makes of it: shown, clicked, dragged and drawn, and
  // refused with a message at worst.
  auto shown = RunScript("open " + project + "\ninit\nload 2\nclick 168 70\ndrag 168 70 252 98\n" + "render " +
                         dir.File("bad.png") + "\n");
  EXPECT_TRUE(shown.status == 0 || shown.err.rfind("fail ", 0) == 0) << shown.err;
  if (std::getenv("LDR_RELIABILITY_VERBOSE")) std::cout << shown.out << shown.err;
  auto db = ldr::ProjectDatabase::OpenReadOnly(project);
  EXPECT_EQ(db->QueryValue("PRAGMA integrity_check").AsText(), "ok");
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadData, ::testing::ValuesIn(kCorpus), [](const auto& info) {
  std::string name;
  for (const char* c = info.param.Name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
});

// Every way in refuses a file that is not a project of this version and
// leaves its bytes as they were.
TEST(BadFiles, AreRefusedAndLeftUnchanged) {
  ldr::test::TempDir dir;
  const std::string good = dir.File("good.ldrp");
  ASSERT_EQ(RunLdr("new " + Quoted(good)).status, 0);
  const std::string goodBytes = ReadFileBytes(good);
  std::map<std::string, std::string> files = {
      {"empty.ldrp", ""},
      {"text.ldrp", "this is not a database\n"},
      {"binary.ldrp", std::string("\x00\xff\x10\x80", 4) + std::string(5000, '\x5a')},
      {"truncated.ldrp", goodBytes.substr(0, 4096)},
      {"header-only.ldrp", goodBytes.substr(0, 100)},
  };
  for (const auto& [name, bytes] : files) std::ofstream(dir.File(name), std::ios::binary) << bytes;
  const std::string foreign = dir.File("foreign.ldrp");
  const std::string oldVersion = dir.File("old.ldrp");
  std::filesystem::copy_file(good, oldVersion);
  {
    auto db = ldr::db::Connection::Open(foreign, ldr::db::OpenMode::CreateNew);
    db->ExecuteScript("CREATE TABLE LdrModules (MdlID INTEGER); PRAGMA application_id=1;");
    auto old = ldr::db::Connection::Open(oldVersion, ldr::db::OpenMode::ExistingReadWrite);
    old->ExecuteScript("PRAGMA user_version=22;");
  }
  files[foreign] = ReadFileBytes(foreign);
  files[oldVersion] = ReadFileBytes(oldVersion);
  for (const auto& [name, bytes] : files) {
    const std::string path = name.find('/') == std::string::npos ? dir.File(name) : name;
    auto opened = RunScript("open " + path + "\ninit\nload 2\n");
    EXPECT_EQ(opened.status, 1) << name;
    EXPECT_EQ(opened.err.rfind("fail 1: ", 0), 0u) << name << ": " << opened.err;
    for (const std::string& command : {std::string("info "), "render -o " + Quoted(dir.File("x.png")) + " "}) {
      auto run = RunLdr(command + Quoted(path));
      EXPECT_EQ(run.status, 1) << name << ": " << command << run.out;
      EXPECT_NE(run.out.find("ldr: error: "), std::string::npos) << name << ": " << run.out;
    }
    EXPECT_EQ(ReadFileBytes(path), bytes) << name;
    // Reading a file whose header asks for the write-ahead log may leave an
    // empty log beside it, never one with content.
    EXPECT_TRUE(ReadFileBytes(path + "-wal").empty()) << name;
  }
}
