// Export and import as a host and a user reach them: through `ldr script`
// (the save and open dialogs answered by the script, the import one undo
// step) and through `ldr export` / `ldr import` with their exit codes.
#include "ScriptTestSupport.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using ldr::test::Quoted;
using ldr::test::RunLdr;
using ldr::test::RunScript;

TEST(ExchangeScript, ExportAsksTheFileImportIsOneUndoStep) {
  ldr::test::TempDir dir;
  const std::string file = dir.File("sub.dnq");
  auto run =
      RunScript("new " + dir.File("a.ldrp") + "\ninit\ndialog " + file +
                "\ncall ExportMultiSubroutinesEx 2,1 \"Mod/1\"\nnew " + dir.File("b.ldrp") + "\ninit\ndialog " + file +
                "\ncall Import 1\nsql \"SELECT FuncName FROM LdrFunctions ORDER BY FuncID\"\nundo\nsql "
                "\"SELECT COUNT(*) FROM LdrFunctions\"\ndialog cancel\ncall Import 1\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("dialog save \"Mod_1\" -> " + file + "\n-1\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("action \"Import Subroutine\"\n-1\nStart\nMain\nStart(1)\nMain(1)\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("undo \"Import Subroutine\"\n2\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("dialog open \"\" -> cancel\n0\n"), std::string::npos) << run.out;
}

TEST(ExchangeCommand, ExitCodesTellDoneRefusedAndBadFile) {
  ldr::test::TempDir dir;
  const std::string a = Quoted(dir.File("a.ldrp")), b = Quoted(dir.File("b.ldrp")), file = Quoted(dir.File("x.dnq"));
  ASSERT_EQ(RunLdr("new " + a).status, 0);
  ASSERT_EQ(RunLdr("new " + b).status, 0);
  auto exported = RunLdr("export " + a + " " + file + " --func 2");
  ASSERT_EQ(exported.status, 0) << exported.out;
  auto imported = RunLdr("import " + b + " " + file);
  EXPECT_EQ(imported.status, 0) << imported.out;
  EXPECT_NE(imported.out.find("imported 2->3\n"), std::string::npos) << imported.out;
  ASSERT_EQ(RunLdr("sql " + a + " \"UPDATE LdrFunctions SET Protected=-1\"").status, 0);
  auto refused = RunLdr("export " + a + " " + Quoted(dir.File("y.dnq")) + " --func 2");
  EXPECT_EQ(refused.status, 2) << refused.out;
  EXPECT_NE(refused.out.find("message 305"), std::string::npos) << refused.out;
  std::ofstream(dir.File("bad.dnq")) << "not an export file";
  auto bad = RunLdr("import " + b + " " + Quoted(dir.File("bad.dnq")));
  EXPECT_EQ(bad.status, 3) << bad.out;
  EXPECT_EQ(RunLdr("import " + b + " " + file + " --module 9").status, 2);
  EXPECT_EQ(RunLdr("sql " + b + " \"SELECT COUNT(*) FROM LdrFunctions\"").out, "3\n");
}

} // namespace
