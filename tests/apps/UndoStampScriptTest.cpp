// The undo history across closing and opening through `ldr script` and
// `ldr undo`: kept when only the editor wrote, cleared with a notice when
// another program changed the file meanwhile, the project left as it was.
#include "ScriptTestSupport.h"
#include "core/ProjectDatabase.h"
#include "core/UndoStamp.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using ldr::test::RunScript;

const std::string kNotice = std::string("notice \"") + ldr::UndoStamp::kClearedNotice + "\"";

std::string Opened(const std::string& path) { return "open " + path + "\ninit\nload 2\n"; }
std::string PlaceContact() { return "operand MB 12\ntool ID_LDirectContact\nclick 84 70\n"; }

} // namespace

TEST(UndoStampScript, HistoryOutlivesAReopenUnlessAnotherProgramChangedTheFile) {
  ldr::test::TempDir dir;
  const std::string project = dir.File("stamp.ldrp");
  ASSERT_EQ(RunScript("new " + project + "\ninit\nload 2\n" + PlaceContact()).status, 0);

  const auto kept = RunScript(Opened(project) + "undo\nredo\n");
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.out.find("notice"), std::string::npos) << kept.out;
  EXPECT_NE(kept.out.find("undo \""), std::string::npos) << kept.out;

  ldr::ProjectDatabase::Open(project)->Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Adrs=13 WHERE Elmnt_Oprnd_Adrs=12");
  const auto cleared =
      RunScript(Opened(project) + "undo\nsql \"SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Adrs=13\"\n");
  ASSERT_EQ(cleared.status, 0) << cleared.err;
  EXPECT_NE(cleared.out.find(kNotice + "\n"), std::string::npos) << cleared.out;
  EXPECT_NE(cleared.out.find("msgbox \"Nothing to undo.\"\n1\n"), std::string::npos) << cleared.out;
}

TEST(UndoStampScript, BatchUndoClearsAHistoryTheFileNoLongerFits) {
  ldr::test::TempDir dir;
  const std::string project = dir.File("batch.ldrp");
  ASSERT_EQ(RunScript("new " + project + "\ninit\nload 2\n" + PlaceContact() + PlaceContact()).status, 0);
  const auto one = ldr::test::RunLdr("undo " + ldr::test::Quoted(project));
  EXPECT_EQ(one.status, 0) << one.out;
  EXPECT_EQ(one.out.find("notice"), std::string::npos) << one.out;

  ldr::ProjectDatabase::Open(project)->Execute("DELETE FROM LdrElmsOprs");
  const auto refused = ldr::test::RunLdr("undo " + ldr::test::Quoted(project));
  EXPECT_EQ(refused.status, 0) << refused.out;
  EXPECT_EQ(refused.out, kNotice + "\nmsgbox \"Nothing to undo.\"\n");
  EXPECT_EQ(ldr::ProjectDatabase::Open(project)->QueryValue("SELECT COUNT(*) FROM LdrElmsOprs").AsLong(), 0);
}
