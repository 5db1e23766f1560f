// Two editors on one project file, as two windows of the host or two hosts
// would have it: each notices what the other committed before it writes, so
// neither works on a stale view nor writes over the other's rows.
#include "GestureScript.h"
#include "ProjectInvariants.h"
#include "apps/ldr/script/ScriptLine.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using ldr::script::ScriptLine;
using ldr::script::ScriptRunner;

class OverlappingEditors : public ::testing::Test {
protected:
  void SetUp() override {
    mFirst.Execute(ScriptLine::Split("new " + Project()));
    mSecond.Execute(ScriptLine::Split("open " + Project()));
    for (auto* editor : {&mFirst, &mSecond})
      for (const char* line : {"init", "load 2"}) editor->Execute(ScriptLine::Split(line));
  }
  std::string Project() const { return mDir.File("shared.ldrp"); }
  // Runs script lines; false when one was refused.
  static bool Lines(ScriptRunner& editor, const std::string& lines) {
    std::istringstream in(lines);
    std::string line;
    try {
      while (std::getline(in, line))
        if (!ScriptLine::Split(line).empty()) editor.Execute(ScriptLine::Split(line));
    } catch (const std::exception&) {
      return false;
    }
    return true;
  }
  long Count(const std::string& sql) { return ldr::ProjectDatabase::OpenReadOnly(Project())->QueryValue(sql).AsLong(); }

  ldr::test::TempDir mDir;
  std::ostringstream mOut, mErr;
  ScriptRunner mFirst{mOut, mErr};
  ScriptRunner mSecond{mOut, mErr};
};

} // namespace

// The second editor loaded net 1 empty; the first then put a contact where
// the second now tries to put a coil. The second must see the contact and
// refuse the spot, not place the coil on top of it.
TEST_F(OverlappingEditors, AStaleEditorSeesTheOthersElementBeforeItPlacesItsOwn) {
  ASSERT_TRUE(Lines(mFirst, "operand MB 1\ntool ID_LDirectContact\nclick 168 70"));
  Lines(mSecond, "operand O 1\ntool ID_LDirectCoil\nclick 168 70");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrElements WHERE Xs=10 AND Ys=5"), 1);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 1);
  // A new net inserted by the first editor renumbers the strips; the second
  // editor's next net goes in on those numbers, not on its stale ones.
  ASSERT_TRUE(Lines(mFirst, "tool ID_NewNet\nclick 168 70"));
  ASSERT_TRUE(Lines(mSecond, "tool ID_NewNet\nclick 168 70"));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"), 19);
  EXPECT_TRUE(ldr::test::BrokenInvariants(Project()).empty());
}

TEST_F(OverlappingEditors, InterleavedRandomGesturesKeepTheProjectSound) {
  ldr::test::GestureScript first(7), second(11);
  for (int i = 0; i < 30; ++i) {
    Lines(i % 2 ? mSecond : mFirst, (i % 2 ? second : first).Gesture());
    const auto broken = ldr::test::BrokenInvariants(Project());
    ASSERT_TRUE(broken.empty()) << broken.front() << " after gesture " << i;
  }
}
