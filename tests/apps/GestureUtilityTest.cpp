// Utility boxes through `ldr script`: placed by their tools with empty
// slots, moved, copied with Ctrl held, and the linearisation box configured
// (or cancelled) through `dialog`. Net n's element point (x, y) lies at
// board pixel (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class GestureUtility : public ::testing::Test {
protected:
  struct Result {
    int Status;
    std::string Out;
    std::string Err;
  };
  Result Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in("new " + mDir.File("utility.ldrp") + "\ninit\nload 2\n" + lines);
    ldr::script::ScriptRunner runner(out, err);
    const int status = runner.Run(in);
    return {status, out.str(), err.str()};
  }
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  // A left drag along row y from column x1 to x2, the keys `shift` held after the press.
  static std::string Drag(int x1, int x2, int y, int shift) {
    std::string lines = "down 1 0 " + At(1, x1, y) + "\n";
    for (int x = x1 + 1; x <= x2; ++x) lines += "move 1 " + std::to_string(shift) + " " + At(1, x, y) + "\n";
    return lines + "up 1 " + std::to_string(shift) + " " + At(1, x2, y) + "\n";
  }
  static std::string Rows(const std::string& types) {
    return "sql \"SELECT e.ElmntType, e.Xs, e.Ys, COUNT(o.ElmntID), SUM(o.OprndInIdx), SUM(o.OprndOutIdx), "
           "SUM(o.Elmnt_Oprnd_Adrs) FROM LdrElements e LEFT JOIN LdrElmsOprs o USING (ElmntID) WHERE e.ElmntType IN (" +
           types + ") GROUP BY e.ElmntID ORDER BY e.ElmntID\"\n";
  }

  ldr::test::TempDir mDir;
};

TEST_F(GestureUtility, PlacedMovedCopiedAndStored) {
  const auto result =
      Run("tool ID_Factor\nclick " + At(1, 2, 5) + "\n" + Rows("1204") + Drag(11, 14, 7, 0) + Rows("1204") + "click " +
          At(1, 14, 7) + "\n" + Drag(14, 36, 7, 2) + Rows("1204") + "state\n");
  ASSERT_EQ(result.Status, 0) << result.Err;
  // Three inputs and one output, each an empty slot; the move keeps the
  // rows; the copied box keeps its key and goes, the replica stays with
  // rows of its own.
  EXPECT_EQ(result.Out, "1204|2|5|4|6|1|0\n"
                        "1204|5|5|4|6|1|0\n"
                        "1204|27|5|4|6|1|0\n1204|5|5|4|6|1|0\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n");
}

TEST_F(GestureUtility, AnEmptySlotIsFilledLikeAnyOperand) {
  // The first input's name stands left of its pin, three rows below the rung.
  const auto result = Run("tool ID_Factor\nclick " + At(1, 2, 5) + "\nclick " + At(1, 5, 8) +
                          "\noperand MI 9\nkey 13\n" + Rows("1204"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Out, "1204|2|5|4|6|1|9\n");
}

TEST_F(GestureUtility, LinearisationConfiguredOrCancelledAtTheDrop) {
  const auto result = Run("tool ID_Linear\ndialog \"MI 1, MI 2, MI 3, MI 4, MI 5, MI 6\"\nclick " + At(1, 2, 5) +
                          "\ntool ID_PID\ndialog cancel\nclick " + At(1, 27, 5) + "\n" + Rows("1300,1301"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Out, "dialog config \"\" -> \"MI 1, MI 2, MI 3, MI 4, MI 5, MI 6\"\n"
                        "dialog config \"\" -> cancel\n"
                        "1300|2|5|6|15|1|21\n");
}

} // namespace
