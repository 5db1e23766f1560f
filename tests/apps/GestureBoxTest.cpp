// Boxes through `ldr script`: placed by their tools with every slot asked,
// copied with Ctrl held, switched by a special tool, and a clock's range
// answered through `dialog`. Net n's element point (x, y) lies at board pixel
// (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class GestureBox : public ::testing::Test {
protected:
  struct Result {
    int Status;
    std::string Out;
    std::string Err;
  };
  Result Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in("new " + mDir.File("boxes" + std::to_string(++mProjects) + ".ldrp") + "\ninit\nload 2\n" +
                          lines);
    ldr::script::ScriptRunner runner(out, err);
    const int status = runner.Run(in);
    return {status, out.str(), err.str()};
  }
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  static std::string Sql(const std::string& query) { return "sql \"" + query + "\"\n"; }
  // Net, type, position and the operand rows (in, out, type, address) of
  // the elements of the types, in key order.
  static std::string Rows(const std::string& types) {
    return Sql("SELECT s.SeqNum, e.ElmntType, e.Xs, e.Ys, o.OprndInIdx, o.OprndOutIdx, o.Elmnt_Oprnd_Type, "
               "o.Elmnt_Oprnd_Adrs FROM LdrElements e JOIN LdrStrips s USING (StripID) LEFT JOIN LdrElmsOprs o "
               "USING (ElmntID) WHERE e.ElmntType IN (" +
               types + ") ORDER BY e.ElmntID, o.rowid");
  }

  ldr::test::TempDir mDir;
  int mProjects = 0;
};

TEST_F(GestureBox, PlacedCopiedAndSwitched) {
  std::string copy = "click " + At(1, 19, 8) + "\ndown 1 0 " + At(1, 19, 8) + "\n";
  for (int x = 20; x <= 39; ++x) copy += "move 1 2 " + At(1, x, 8) + "\n";
  copy += "up 1 2 " + At(1, 39, 8) + "\n";
  const auto result =
      Run("tool ID_LLessThen\noperand MI 5\noperand ML 7\nclick " + At(1, 12, 5) + "\n" + Rows("300,301,305") + copy +
          Rows("300,301,305") + "click " + At(1, 39, 8) + "\nspecial ID_GreaterEqual\n" + Rows("300,301,305") +
          "tool ID_LADD\noperand MI 1\noperand MI 2\noperand MI 3\nclick " + At(2, 12, 3) + "\n" + Rows("405"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Out, "1|305|12|5|1|0|3|5\n1|305|12|5|2|0|5|7\n"
                        // The box keeps its key and goes; the replica stays with copies of the operands.
                        "1|305|32|5|1|0|3|5\n1|305|32|5|2|0|5|7\n1|305|12|5|1|0|3|5\n1|305|12|5|2|0|5|7\n"
                        "1|301|32|5|1|0|3|5\n1|301|32|5|2|0|5|7\n1|305|12|5|1|0|3|5\n1|305|12|5|2|0|5|7\n"
                        "2|405|12|3|1|0|3|1\n2|405|12|3|2|0|3|2\n2|405|12|3|0|1|3|3\n");
}

TEST_F(GestureBox, EveryKindPlacedByItsToolStoresItsSlotsInOrder) {
  struct Kind {
    const char* Tool;
    const char* Answers;
    long Type;
    const char* Slots; // in|out of each operand row, in row order
  };
  const Kind kinds[] = {
      {"ID_LGraterThen", "operand MI 1\noperand MI 2\n", 300, "1|0 2|0"},
      {"ID_LInRange", "operand MI 1\noperand MI 2\noperand MI 3\n", 1701, "1|0 2|0 3|0"},
      {"ID_LMOD", "operand MI 1\noperand MI 2\noperand MI 3\n", 407, "1|0 2|0 0|1"},
      {"ID_Div3x1", "operand MI 1\noperand MI 2\noperand MI 3\noperand MI 4\n", 531, "1|0 2|0 3|0 0|1"},
      {"ID_Increment", "operand MI 1\n", 1500, "0|1"},
      {"ID_LInDirectTime", "operand MI 1\noperand MI 2\n", 800, "1|0 2|0"},
      {"ID_LStoreDirect", "operand MI 1\noperand MI 2\n", 900, "1|0 0|1"},
      {"ID_LLoadIndirectMI", "operand MI 1\noperand MI 2\n", 1000, "1|0 0|1"},
      {"ID_StoreTimerPreset", "operand MI 1\noperand T 2\n", 1100, "1|0 0|1"},
      {"ID_LStoreIndirectMI", "operand MI 1\noperand MI 2\n", 1901, "1|0 2|0"},
  };
  for (const auto& kind : kinds) {
    const std::string type = std::to_string(kind.Type);
    const auto result = Run(std::string("tool ") + kind.Tool + "\n" + kind.Answers + "click " + At(1, 12, 5) + "\n" +
                            Sql("SELECT ElmntType || ' ' || Xs || ' ' || Ys FROM LdrElements WHERE ElmntType=" + type) +
                            Sql("SELECT o.OprndInIdx || '|' || o.OprndOutIdx FROM LdrElmsOprs o JOIN LdrElements e "
                                "USING (ElmntID) WHERE e.ElmntType=" +
                                type + " ORDER BY o.rowid"));
    ASSERT_EQ(result.Status, 0) << kind.Tool << ": " << result.Err;
    std::string slots;
    std::istringstream lines(result.Out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, type + " 12 5") << kind.Tool;
    while (std::getline(lines, line)) slots += (slots.empty() ? "" : " ") + line;
    EXPECT_EQ(slots, kind.Slots) << kind.Tool;
  }
}

TEST_F(GestureBox, RefusedOperandIsAskedAgainAndACancelTakesTheBoxAway) {
  const auto result = Run("tool ID_LStoreDirect\noperand MB 1\noperand MI 1\noperand cancel\nclick " + At(1, 12, 5) +
                          "\n" + Rows("900") + "state\n");
  ASSERT_EQ(result.Status, 0) << result.Err;
  EXPECT_NE(result.Out.find("msgbox"), std::string::npos);
  EXPECT_EQ(result.Out.substr(result.Out.find("state")),
            "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n");
  EXPECT_EQ(result.Out.find("|900|"), std::string::npos);
}

TEST_F(GestureBox, ClockRangeThroughTheDialog) {
  const auto result = Run("tool ID_LDirectTime\ndialog 08:30-17:45\nclick " + At(1, 12, 5) + "\n" +
                          Sql("SELECT ElmntType, Xs, Ys, printf('%08X', MoreParamsLng) FROM LdrElements WHERE "
                              "ElmntType=700"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(result.Out, "dialog config \"00:00-23:59\" -> 08:30-17:45\n700|12|5|08301745\n");
}

} // namespace
