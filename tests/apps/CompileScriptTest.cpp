// The compile object and the download blocks through `ldr script`, and the
// compile summary of `ldr compile-info`: a host compiling what the user
// edits.
#include "ScriptTestSupport.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class CompileScript : public ::testing::Test {
protected:
  std::string Begin() {
    return "new " + mDir.File("p.ldrp") +
           "\ninit\nload 2\n"
           "sql \"UPDATE LdrStrips SET CompileDirtyBit=0\"\n"
           "call SyncLoadedStripsWithCompileDirtyBitFromDB\n";
  }
  TempDir mDir;
};

// Net 1 of subroutine 2 of a new project is strip 18.
constexpr const char* kDirtyNets = "sql \"SELECT StripID FROM LdrStrips WHERE CompileDirtyBit<>0\"\n";

TEST_F(CompileScript, EditsMakeNetsDirtyAndStoredResultsCleanThem) {
  const auto run = RunScript(Begin() +
                             "compile GetRecordsetForCompile\n"
                             "operand MB 12\ntool ID_LDirectContact\nmove 1 0 84 70\nclick 84 70\n" +
                             kDirtyNets +
                             "compile GetFirstNetAfterStrip 2 0 -1 -1\n"
                             "compile SetCompilerInfo 18 x'000001020304' x'' x'' x'0A' x'' 3 0 0 x'' x''\n"
                             "call SyncLoadedStripsWithCompileDirtyBitFromDB\n"
                             "render " +
                             mDir.File("clean.png") + "\n" + kDirtyNets +
                             "sql \"SELECT JunctionsInfo, TokensAmount FROM LdrStrips WHERE StripID=18\"\n"
                             "drag 100 70 156 70\n" +
                             kDirtyNets);
  ASSERT_EQ(run.status, 0) << run.err << run.out;
  // Nothing to compile at first; the contact makes net 1 dirty, the stored
  // results clean it, moving the contact makes it dirty again.
  EXPECT_NE(run.out.find("18\n18|1\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("x'000001020304'|3\n18\n"), std::string::npos) << run.out;
}

TEST_F(CompileScript, ValidationAndBlocksAnswerAsHostsExpect) {
  const auto run = RunScript("new " + mDir.File("p.ldrp") +
                             "\n"
                             "compile IsIllegalNumberOfSubroutinesInLadder\n"
                             "compile GetNumberOfNetsInProject\n"
                             "compile GetFunctionName 2\n"
                             "compile GetRecordsetForDBElements 18\n"
                             "service srvDBServices LoadDbBlock 2\n"
                             "service srvDBServices SaveDbBlock x'0102' 2\n"
                             "service srvDBServices LoadDbBlock 2\n"
                             "service srvDBServices GetDbHeaderForDownload\n");
  ASSERT_EQ(run.status, 0) << run.err << run.out;
  EXPECT_EQ(run.out, "0\n34\nMain\nmsgbox \"do not use - GetRecordsetForDBElements\"\nx'00000000000000000000'\n"
                     "x'0102'\nx'444264FFFFFFFFFFFFFFFFFFFFFFFFFF'\n");
  EXPECT_EQ(RunScript("new " + mDir.File("q.ldrp") + "\ncompile NoSuchOperation\n").status, 1);
  EXPECT_EQ(RunScript("new " + mDir.File("r.ldrp") + "\nservice srvDBServices LoadDbBlock 3\n").status, 1);
}

TEST_F(CompileScript, CompileInfoSummarisesNetsToCompileAndFindings) {
  const std::string path = mDir.File("p.ldrp");
  ASSERT_EQ(RunScript("new " + path +
                      "\nsql \"UPDATE LdrStrips SET CompileDirtyBit=0 WHERE StripID<>19\"\n"
                      "sql \"INSERT INTO LdrElements (StripID, ElmntType) VALUES (20, 601)\"\n"
                      "sql \"INSERT INTO LdrElmsOprs (ElmntID, OprndInIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs) "
                      "SELECT MAX(ElmntID), 1, 31, 2 FROM LdrElements\"\n")
                .status,
            0);
  const auto info = RunLdr("compile-info " + Quoted(path));
  ASSERT_EQ(info.status, 0) << info.out;
  EXPECT_NE(info.out.find("subroutine 1 \"Start\" (module 1): compiled"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("subroutine 2 \"Main\" (module 1): nets to compile 2"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("finding: the subroutine calls itself (subroutine 2, net 3)"), std::string::npos) << info.out;
}

} // namespace
} // namespace ldr::test
