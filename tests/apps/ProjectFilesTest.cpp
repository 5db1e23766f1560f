// What the command line and the editor do to a project file: reading
// commands change nothing, a failing script still closes the project, and a
// subroutine that is not in the project is refused without touching the
// open one.
#include "ScriptTestSupport.h"
#include "core/LdrError.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/MemoryLog.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using ldr::test::Quoted;
using ldr::test::ReadFileBytes;
using ldr::test::RunLdr;
using ldr::test::RunScript;

class ProjectFiles : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(RunLdr("new " + Quoted(Project())).status, 0);
    // A contact in net 1, so drawing and counting have something to show.
    auto placed =
        RunScript("open " + Project() + "\ninit\nload 2\ntool ID_LDirectContact\noperand MB 5\nclick 168 70\n");
    ASSERT_EQ(placed.status, 0) << placed.err;
  }
  std::string Project() const { return mDir.File("p.ldrp"); }
  std::string Sql(const std::string& path, const std::string& query) {
    return RunLdr("sql " + Quoted(path) + " \"" + query + "\"").out;
  }

  ldr::test::TempDir mDir;
};

} // namespace

TEST_F(ProjectFiles, InfoAndRenderReadAReadOnlyFileAndChangeNothing) {
  namespace fs = std::filesystem;
  const std::string before = ReadFileBytes(Project());
  ASSERT_FALSE(before.empty());
  fs::permissions(Project(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  auto info = RunLdr("info " + Quoted(Project()));
  EXPECT_EQ(info.status, 0) << info.out;
  EXPECT_NE(info.out.find("subroutine 2 \"Main\" main: 17 strips, 17 nets, 2 elements"), std::string::npos) << info.out;
  auto render = RunLdr("render " + Quoted(Project()) + " --func 1 -o " + Quoted(mDir.File("p.png")));
  EXPECT_EQ(render.status, 0) << render.out;
  EXPECT_GT(fs::file_size(mDir.File("p.png")), 1000u);
  EXPECT_EQ(ReadFileBytes(Project()), before);
  EXPECT_FALSE(fs::exists(Project() + "-wal") && fs::file_size(Project() + "-wal") > 0);
}

// The edit before the failing line is committed: it must be in the project
// file itself, not only in its write-ahead log.
TEST_F(ProjectFiles, AFailingScriptStillClosesAndCheckpointsTheProject) {
  const std::string script = mDir.File("fails.txt");
  {
    std::ofstream text(script);
    text << "open " << Project() << "\ninit\nload 2\ntool ID_LDirectCoil\noperand MB 6\nclick 420 70\n"
         << "load 99\n";
  }
  auto run = RunLdr("script " + Quoted(script));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("fail 7:"), std::string::npos) << run.out;
  const std::string copy = mDir.File("copy.ldrp");
  std::filesystem::copy_file(Project(), copy);
  EXPECT_EQ(Sql(copy, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204"), "1\n");
}

TEST_F(ProjectFiles, LoadingAMissingSubroutineIsRefusedAndTheOpenOneStays) {
  std::ostringstream log;
  ldr::script::HeadlessEditor editor(ldr::ProjectDatabase::Open(Project()), std::make_shared<ldr::MemoryLog>(log));
  editor.Init(798, 700);
  auto& main = editor.Main();
  main.LoadFunction(1);
  auto expectRefused = [&](const std::function<void()>& call) {
    try {
      call();
      ADD_FAILURE() << "not refused";
    } catch (const ldr::LdrError& e) {
      EXPECT_EQ(e.Title(), "Function ID not exist");
      EXPECT_EQ(e.Message(), "The subroutine 99 is not in the project");
    }
    EXPECT_EQ(main.FunctionID(), 1);
  };
  expectRefused([&] { main.LoadFunction(99); });
  expectRefused([&] { main.GotoLabel(1, 99, 5); });
  main.JumpToCompileResult("a\tb\tNet 1\td\t1\t99"); // errors of this call are dropped
  EXPECT_EQ(main.FunctionID(), 1);
  auto& db = editor.Db();
  EXPECT_EQ(db.QueryValue("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=21").AsText(), "1");
  EXPECT_EQ(db.QueryValue("SELECT ActiveFuncID FROM LdrModules").AsLong(), 1);
  // The open subroutine is still the one edited.
  editor.Host().Answers->QueueOperandWords({"MB", "7"}, editor.Host().Services->Operands->Types());
  main.ToolRequest("ID_LDirectContact");
  editor.RightBoard().MouseDown(1, 0, 168, 70);
  editor.RightBoard().MouseUp(1, 0, 168, 70);
  EXPECT_EQ(db.QueryValue("SELECT COUNT(*) FROM LdrElements e JOIN LdrStrips s USING (StripID) WHERE s.FuncID=1 "
                          "AND e.ElmntType=200")
                .AsLong(),
            1);
}
