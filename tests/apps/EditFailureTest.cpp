// A statement that fails in the middle of an edit: the project keeps every
// row it had, and the view shows what is stored. Subroutine 2 of a new
// project: element point (x, y) of net n lies at board pixel
// (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/script/ScriptLine.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "core/clsLdrState.h"
#include "editor/clsLdrFunction.h"
#include "support/InjectedFailure.h"
#include "support/LadderDump.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

namespace ldr::test {
namespace {

class EditFailure : public ::testing::Test {
protected:
  void SetUp() override {
    Do("new " + mDir.File("p.ldrp"));
    Do("init");
    Do("load 2");
  }

  void Do(const std::string& line) { mRunner.Execute(script::ScriptLine::Split(line)); }
  // Runs the line and expects it to fail with the injected fault.
  void Fails(const std::string& line) {
    try {
      Do(line);
      ADD_FAILURE() << line << " did not fail";
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(InjectedFailure::kMessage), std::string::npos) << e.what();
    }
  }
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  void Place(const std::string& tool, const std::string& operand, int net, int x, int y) {
    Do("tool " + tool);
    Do("operand " + operand);
    Do("click " + At(net, x, y));
  }

  db::Connection& Db() { return mRunner.Editor().Db(); }
  clsLdrFunction& View() { return dynamic_cast<clsLdrFunction&>(*mRunner.Editor().Main().View()); }
  clsLdrState& State() { return *mRunner.Editor().Main().Context().State; }
  std::string Pixels() {
    const std::string path = mDir.File("board" + std::to_string(++mRenders) + ".png");
    Do("render " + path);
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Inject(const std::string& table, const std::string& write, int nth) {
    mFailure = std::make_unique<InjectedFailure>(Db(), table, write, nth);
  }

  // Remembers the project before the edit.
  void Before() { mRows = DumpLadder(Db()); }
  // The failed edit left the project as it was, the view shows the stored
  // rows, and no process is left running.
  void ExpectAsBefore() {
    EXPECT_EQ(DumpLadder(Db()), mRows);
    EXPECT_EQ(DumpView(View()), DumpLoadedRows(Db(), 2));
    EXPECT_FALSE(View().Strips()->Empty());
    EXPECT_EQ(State().MouseProcess(), eMP_QueryForProcess);
  }

  TempDir mDir;
  std::ostringstream mOut, mErr;
  script::ScriptRunner mRunner{mOut, mErr};
  std::unique_ptr<InjectedFailure> mFailure;
  std::string mRows;
  int mRenders = 0;
};

TEST_F(EditFailure, ADropWhoseOperandCannotBeStoredLeavesNoElement) {
  Place("ID_LDirectContact", "MB 1", 1, 5, 5);
  Do("tool ID_LDirectCoil");
  Do("operand MB 2");
  Before();
  Inject("LdrElmsOprs", "INSERT", 1);
  Fails("click " + At(1, 20, 5));
  ExpectAsBefore();
  // The editor goes on: the same drop works once the fault is gone.
  mFailure.reset();
  Place("ID_LDirectCoil", "MB 2", 1, 20, 5);
  EXPECT_EQ(Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204").AsLong(), 1);
  EXPECT_EQ(DumpView(View()), DumpLoadedRows(Db(), 2));
}

TEST_F(EditFailure, AMoveThatFailsHalfWayPutsBothElementsBack) {
  Place("ID_LDirectContact", "MB 1", 1, 5, 5);
  Place("ID_LDirectCoil", "MB 2", 1, 20, 5);
  Do("click " + At(1, 5, 5));
  Do("down 1 2 " + At(1, 20, 5));
  Do("up 1 2 " + At(1, 20, 5));
  Before();
  // The second element's row is the one that cannot be written.
  Inject("LdrElements", "UPDATE", 2);
  Fails("drag " + At(1, 5, 5) + " " + At(2, 7, 6));
  ExpectAsBefore();
}

TEST_F(EditFailure, AppendingNetsAddsAllOrNone) {
  Before();
  const std::string picture = Pixels();
  Inject("LdrStrips", "INSERT", 2);
  Fails("tool ID_AppendLdrNet");
  ExpectAsBefore();
  EXPECT_TRUE(Pixels() == picture) << "the boards differ from the picture before the edit";
}

TEST_F(EditFailure, AnInsertedNetThatCannotBeStoredLeavesTheNumbering) {
  Do("tool ID_NewNet");
  Before();
  const std::string picture = Pixels();
  // The strips from net 2 on have been renumbered when the new row fails.
  Inject("LdrStrips", "INSERT", 1);
  Fails("click " + At(2, 10, 5));
  ExpectAsBefore();
  EXPECT_TRUE(Pixels() == picture) << "the boards differ from the picture before the edit";
}

} // namespace
} // namespace ldr::test
