// Undo and redo through `ldr script` and `ldr undo`: a long random run of
// gestures undone after a restart gives back the original tables, redone
// gives the final ones; nothing to undo is a message, not a failure.
#include "GestureScript.h"
#include "ProjectInvariants.h"
#include "ScriptTestSupport.h"
#include "core/ProjectDatabase.h"
#include "core/ProjectSchema.h"
#include "core/ViewStateFilter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using ldr::test::RunScript;

// Every row of every project table, view state left out, in a fixed order.
std::string Content(const std::string& path) {
  auto db = ldr::ProjectDatabase::OpenReadOnly(path);
  ldr::ViewStateFilter viewState(*db);
  std::string text;
  for (const auto& table : ldr::ProjectSchema::TableNames()) {
    std::string columns;
    auto info = db->QueryForward("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table});
    for (size_t i = 0; !info.IsEOF(); info.MoveNext(), ++i)
      if (!viewState.IsViewColumn(table, i))
        columns += (columns.empty() ? "quote(" : ",quote(") + info.Field(0).AsText() + ")";
    std::string order;
    for (size_t i = 1; i <= static_cast<size_t>(std::count(columns.begin(), columns.end(), '(')); ++i)
      order += (i > 1 ? "," : "") + std::to_string(i);
    std::string where = table == "ProjectSettings" ? " WHERE SettingKey NOT IN (21, 83)" : "";
    auto rows = db->Query("SELECT " + columns + " FROM " + table + where + " ORDER BY " + order);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
      text += table;
      for (size_t i = 0; i < rows.Columns().size(); ++i) text += "|" + rows.Field(static_cast<int>(i)).AsText();
      text += "\n";
    }
  }
  return text;
}

std::string Opened(const std::string& path) { return "open " + path + "\ninit\nload 2\n"; }

} // namespace

TEST(UndoScript, RandomGesturesUndoneAfterARestartAndRedoneGiveBothProjectsBack) {
  ldr::test::TempDir dir;
  const std::string project = dir.File("undo.ldrp");
  ASSERT_EQ(RunScript("new " + project + "\n").status, 0);
  const std::string original = Content(project);
  ldr::test::GestureScript maker(20261206);
  const auto edits = RunScript(maker.Make(project, 60));
  const std::string edited = Content(project);
  ASSERT_NE(edited, original) << edits.err;

  const auto undone = RunScript(Opened(project) + "undo 1000\nstate\n");
  EXPECT_EQ(undone.status, 0) << undone.err;
  EXPECT_NE(undone.out.find("msgbox \"Nothing to undo.\""), std::string::npos) << undone.out;
  EXPECT_NE(undone.out.find("NeedToSave=1"), std::string::npos);
  EXPECT_EQ(Content(project), original);
  EXPECT_TRUE(ldr::test::BrokenInvariants(project).empty());

  const auto redone = RunScript(Opened(project) + "redo 1000\n");
  EXPECT_EQ(redone.status, 0) << redone.err;
  EXPECT_EQ(Content(project), edited);
  EXPECT_TRUE(ldr::test::BrokenInvariants(project).empty());
}

TEST(UndoScript, OneGestureIsOneStepNamedAsReportedAndUndoReloadsTheView) {
  ldr::test::TempDir dir;
  const std::string project = dir.File("one.ldrp");
  const auto result = RunScript("new " + project +
                                "\ninit\nload 2\n"
                                "operand MB 12\ntool ID_LDirectContact\nclick 84 70\n"
                                "undo\nsql \"SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200\"\nredo\nredo\n"
                                "sql \"SELECT COUNT(*) FROM LdrOperands WHERE OprndAddress=12\"\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("undo \""), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\n0\nredo \""), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("msgbox \"Nothing to redo.\"\n1\n"), std::string::npos) << result.out;
}
