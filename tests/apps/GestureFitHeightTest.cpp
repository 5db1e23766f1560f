// A double click on a net's header through `ldr script`: the net shrinks to
// the rows its elements use and the view shows it loaded again.

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(FitHeightGesture, DoubleClickOnTheHeaderFitsTheNet) {
  ldr::test::TempDir dir;
  std::ostringstream out, err;
  // A contact at row 8 of net 1 (14 rows); the header is pressed, then
  // double-clicked. Then a contact placed at row 4 of the 5 rows left.
  std::istringstream in("new " + dir.File("f.ldrp") +
                        "\ninit\nload 2\n"
                        "tool ID_LDirectContact\noperand MB 1\nclick 168 112\n"
                        "click 10 100\ndblclick 10 100\nstate\n"
                        "sql \"SELECT s.Height, e.Ys FROM LdrElements e JOIN LdrStrips s USING (StripID) "
                        "WHERE s.FuncID=2 AND s.SeqNum=1\"\n"
                        "sql \"SELECT Height FROM LdrStrips WHERE FuncID=2 AND SeqNum=2\"\n"
                        "tool ID_LDirectCoil\noperand MB 2\nclick 500 56\n"
                        "sql \"SELECT s.SeqNum, e.ElmntType FROM LdrElements e JOIN LdrStrips s USING (StripID) "
                        "WHERE s.FuncID=2 AND e.ElmntType<>602 ORDER BY e.ElmntID\"\n");
  ldr::script::ScriptRunner runner(out, err);
  ASSERT_EQ(runner.Run(in), 0) << err.str();
  EXPECT_EQ(out.str(), "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                       "5|4\n"
                       "14\n"
                       "1|200\n1|204\n");
}

// The double click reaches the net under the pointer, not the one pressed
// last: net 2 is pressed first, net 1's header double-clicked.
TEST(FitHeightGesture, DoubleClickGoesToThePointNotToTheLastPress) {
  ldr::test::TempDir dir;
  std::ostringstream out, err;
  std::istringstream in("new " + dir.File("d.ldrp") +
                        "\ninit\nload 2\n"
                        "tool ID_LDirectContact\noperand MB 1\nclick 168 112\n"
                        "click 10 300\ndblclick 10 100\n"
                        "sql \"SELECT SeqNum, Height FROM LdrStrips WHERE FuncID=2 AND SeqNum IN (1, 2) ORDER BY "
                        "SeqNum\"\n");
  ldr::script::ScriptRunner runner(out, err);
  ASSERT_EQ(runner.Run(in), 0) << err.str();
  EXPECT_EQ(out.str(), "1|5\n2|14\n");
}

} // namespace
