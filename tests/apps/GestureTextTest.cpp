// Typing comment and label texts in place through `ldr script`: a press on
// the text opens the main board's text box over it, `type` fills and
// validates it, and the text is in the project database.

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

class TextGesture : public ::testing::Test {
protected:
  // Runs the lines after a new project with subroutine 2 loaded.
  ScriptResult Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in("new " + mDir.File("t" + std::to_string(++mProjects) + ".ldrp") + "\ninit\nload 2\n" + lines);
    ldr::script::ScriptRunner runner(out, err);
    const int status = runner.Run(in);
    return {status, out.str(), err.str()};
  }
  static std::string Sql(const std::string& query) { return "sql \"" + query + "\"\n"; }

  ldr::test::TempDir mDir;
  int mProjects = 0;
};

TEST_F(TextGesture, ACommentTypedIntoItsTextArea) {
  // The new comment stands in front of net 1: rows 0 to 2.
  auto result = Run("tool ID_InsertComment\nclick 168 70\n"
                    "click 300 20\n"
                    "type \"Start the pump\"\nstate\n" +
                    Sql("SELECT SeqNum, StrpType, Comment FROM LdrStrips WHERE FuncID=2 AND StrpType=2") +
                    // A second edit replaces the text; a press elsewhere closes the box.
                    "click 300 20\ntype \"Stop the pump\"\n" +
                    Sql("SELECT Comment FROM LdrStrips WHERE FuncID=2 AND StrpType=2") + "load 2\nclick 300 20\n" +
                    Sql("SELECT Comment FROM LdrStrips WHERE FuncID=2 AND StrpType=2"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "1|2|Start the pump\n"
                        "Stop the pump\n"
                        "Stop the pump\n");
}

TEST_F(TextGesture, TypingWithoutAnOpenBoxFails) {
  auto result = Run("type \"Start the pump\"\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("no text box"), std::string::npos) << result.err;
}

TEST_F(TextGesture, ALabelCommentTypedIntoItsCommentArea) {
  // The new label stands in front of net 1 (row 0); its comment area starts
  // after the name box, 17 columns from the left.
  auto result = Run("tool ID_LSetLabel\nclick 168 70\n"
                    "click 400 7\n"
                    "type \"Fill the tank\"\n" +
                    Sql("SELECT SeqNum, LblName, LblComment FROM LdrStrips WHERE FuncID=2 AND StrpType=3") +
                    // Nothing lands in the comment strips' column.
                    Sql("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND Comment IS NOT NULL AND Comment<>''"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "1|Label 1|Fill the tank\n"
                        "0\n");
}

TEST_F(TextGesture, ATypedTextLongerThanItMayBeIsCutWithAMessage) {
  // 4,000 capital W: a line far wider than any drawing surface.
  const std::string wide(4000, 'W');
  auto result = Run("tool ID_LSetLabel\nclick 168 70\nclick 400 7\ntype \"" + wide + "\"\n" +
                    Sql("SELECT length(LblComment) FROM LdrStrips WHERE FuncID=2 AND StrpType=3") + "render " +
                    mDir.File("cut.png") + "\nload 2\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "msgbox \"The text is longer than the 1000 characters it may have; it was cut.\"\n"
                        "1000\n");
}

TEST_F(TextGesture, ALabelNameLongerThanItMayBeIsRefused) {
  auto result =
      Run("tool ID_LSetLabel\nclick 168 70\ndialog \"" + std::string(1001, 'N') + "\"\ndialog \"Pump\"\nclick 100 7\n" +
          Sql("SELECT LblName FROM LdrStrips WHERE FuncID=2 AND StrpType=3"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("msgbox \"A label name has at most 1000 characters.\"\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\nPump\n"), std::string::npos) << result.out;
}

TEST_F(TextGesture, StoredTextsWiderThanAnySurfaceAreDrawn) {
  // Written by another program: no entry limit applied to them.
  const std::string wide = "printf('%.5000c', 'W')";
  auto result = Run("tool ID_LSetLabel\nclick 168 70\ntool ID_InsertComment\nclick 168 70\n" +
                    Sql("UPDATE LdrStrips SET LblName=" + wide + ", LblComment=" + wide + " WHERE StrpType=3") +
                    Sql("UPDATE LdrStrips SET Comment=printf('%.100000c', 'x') WHERE StrpType=2") + "load 2\nrender " +
                    mDir.File("wide.png") + "\n" + Sql("SELECT length(LblComment) FROM LdrStrips WHERE StrpType=3"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "5000\n");
}

} // namespace
