// Whole editing gestures as `ldr script` runs them, with their effect on the
// project database. Subroutine 2 of a new project shows its nets from the
// top: net n (1-based) covers view rows 14 (n - 1) to 14 n; an element point
// (x, y) of net n lies at board pixel (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

class Gesture : public ::testing::Test {
protected:
  // Runs the lines after a new project with subroutine 2 loaded.
  ScriptResult Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in("new " + mDir.File("p" + std::to_string(++mProjects) + ".ldrp") + "\ninit\nload 2\n" + lines);
    ldr::script::ScriptRunner runner(out, err);
    const int status = runner.Run(in);
    return {status, out.str(), err.str()};
  }
  // The pixel of element point (x, y) of net n.
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  static std::string Sql(const std::string& query) { return "sql \"" + query + "\"\n"; }
  // The elements of subroutine 2's nets (not the return net): net number,
  // type, Xs, Ys, Dx, Dy, in key order.
  static std::string Elements() {
    return Sql("SELECT s.SeqNum, e.ElmntType, e.Xs, e.Ys, e.Dx, e.Dy FROM LdrElements e JOIN LdrStrips s USING "
               "(StripID) WHERE s.FuncID=2 AND s.IsReturnStrip=0 ORDER BY e.ElmntID");
  }
  static std::string Place(const std::string& tool, const std::string& operand, int net, int x, int y) {
    return "tool " + tool + "\noperand " + operand + "\nclick " + At(net, x, y) + "\n";
  }

  ldr::test::TempDir mDir;
  int mProjects = 0;
};

TEST_F(Gesture, AContactAndACoilConnectedByALine) {
  auto result =
      Run(Place("ID_LDirectContact", "MB 5", 1, 10, 5) + "state\n" + Place("ID_LDirectCoil", "MB 6", 1, 30, 5) +
          "tool ID_LDrawLine\ndrag " + At(1, 16, 5) + " " + At(1, 30, 5) + "\nstate\n" + Elements() +
          Sql("SELECT o.Elmnt_Oprnd_Type, o.Elmnt_Oprnd_Adrs, o.OprndInIdx, o.OprndOutIdx FROM LdrElmsOprs "
              "o JOIN LdrElements e USING (ElmntID) WHERE e.ElmntType IN (200, 204) ORDER BY e.ElmntID"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=1 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "1|200|10|5|0|0\n"
                        "1|204|30|5|0|0\n"
                        "1|100|16|5|14|0\n"
                        "1|5|1|0\n"
                        "1|6|0|1\n");
}

TEST_F(Gesture, TheElementFollowsThePointerAndShowsWhereItCannotDrop) {
  auto result = Run("tool ID_LDirectContact\nstate\nmove 0 0 " + At(1, 10, 5) + "\nstate\nmove 0 0 " + At(1, 49, 5) +
                    "\nstate\n" + Elements());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=2 NoDrop=1 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=2 NoDrop=0 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=2 NoDrop=1 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n");
}

TEST_F(Gesture, ADropOnTheBottomLineGrowsTheNet) {
  // Just above the line under the last row: the pointer is still in net 1,
  // on row 14, and the contact's rung row lies below the net.
  auto result = Run("tool ID_LDirectContact\noperand MB 1\nclick 168 193\n" + Elements() +
                    Sql("SELECT Height FROM LdrStrips WHERE FuncID=2 AND SeqNum=1"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "1|200|10|14|0|0\n15\n");
}

TEST_F(Gesture, RefusedDropsChangeNothing) {
  auto result = Run(
      // A comment in front of net 2 (rows 14 to 16), net 3 collapsed.
      "tool ID_InsertComment\nclick " + At(2, 10, 5) + "\n" +
      Sql("UPDATE LdrStrips SET OrgHeight=Height, Height=1, IsCollapsed=-1 WHERE FuncID=2 AND SeqNum=4") + "load 2\n" +
      Place("ID_LDirectContact", "MB 1", 1, 10, 5) +
      "tool ID_LDirectContact\n"
      "click " +
      At(1, 12, 6) + "\nstate\n" + // overlaps the first contact
      "click 168 210\nstate\n" +   // on the comment
      "click 168 238\nstate\n" +   // on the collapsed net
      "key 27\nstate\n" + Elements() +
      Sql("SELECT StrpType, Height FROM LdrStrips WHERE FuncID=2 AND SeqNum<=4 "
          "ORDER BY SeqNum"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=2 NoDrop=1 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=2 NoDrop=1 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=2 NoDrop=1 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "1|200|10|5|0|0\n"
                        "1|14\n2|3\n1|14\n1|1\n");
}

TEST_F(Gesture, TwoElementsMoveIntoAnotherNet) {
  auto result = Run(Place("ID_LDirectContact", "MB 1", 1, 5, 5) + Place("ID_LDirectCoil", "MB 2", 1, 20, 5) + "click " +
                    At(1, 5, 5) + "\ndown 1 2 " + At(1, 20, 5) + "\nup 1 2 " + At(1, 20, 5) + "\ndrag " + At(1, 5, 5) +
                    " " + At(2, 7, 6) + "\nstate\n" + Elements() +
                    Sql("SELECT COUNT(*) FROM LdrElements WHERE StripID=(SELECT StripID FROM LdrStrips WHERE FuncID=2 "
                        "AND SeqNum=2)"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "2|200|7|6|0|0\n"
                        "2|204|22|6|0|0\n"
                        "2\n");
}

TEST_F(Gesture, CtrlDuringADragLeavesReplicasWithNewKeys) {
  std::string drag = "down 1 0 " + At(1, 5, 5) + "\n";
  for (int y = 6; y <= 10; ++y) drag += "move 1 2 " + At(1, 5, y) + "\n";
  drag += "up 1 2 " + At(1, 5, 10) + "\n";
  auto result = Run(Place("ID_LDirectContact", "MB 1", 1, 5, 5) + "click " + At(1, 5, 5) + "\n" + drag +
                    Sql("SELECT e.ElmntID, e.Xs, e.Ys, o.Elmnt_Oprnd_Adrs FROM LdrElements e JOIN LdrElmsOprs o USING "
                        "(ElmntID) WHERE e.ElmntType=200 ORDER BY e.ElmntID"));
  ASSERT_EQ(result.status, 0) << result.err;
  std::istringstream rows(result.out);
  std::string moved, replica;
  std::getline(rows, moved);
  std::getline(rows, replica);
  // The element keeps its key and goes; the replica gets a new key and stays.
  EXPECT_EQ(moved.substr(moved.find('|')), "|5|10|1");
  EXPECT_EQ(replica.substr(replica.find('|')), "|5|5|1");
  EXPECT_GT(std::stol(replica), std::stol(moved));
}

TEST_F(Gesture, ALineStartingOnAnElementAddsNothing) {
  auto result = Run(Place("ID_LDirectContact", "MB 1", 1, 5, 5) + "tool ID_LDrawLine\ndrag " + At(1, 7, 5) + " " +
                    At(1, 30, 5) + "\ndrag " + At(1, 7, 4) + " " + At(1, 7, 12) + "\n" +
                    Sql("SELECT COUNT(*) FROM LdrElements WHERE ElmntType IN (100, 101)") + "state\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "0\nstate MouseProcess=1 NoDrop=0 WorkMode=1 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n");
}

TEST_F(Gesture, CancellingTheOperandDialogTakesTheElementAway) {
  auto result = Run("tool ID_LDirectContact\noperand cancel\nclick " + At(1, 10, 5) + "\nstate\n" + Elements() +
                    Sql("SELECT COUNT(*) FROM LdrElmsOprs o JOIN LdrElements e USING (ElmntID) WHERE e.ElmntType=200"));
  ASSERT_EQ(result.status, 0) << result.err;
  // The net was written twice, so the project counts as changed.
  EXPECT_EQ(result.out, "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n0\n");
}

TEST_F(Gesture, EscapeWithAButtonHeldChangesNothing) {
  auto result = Run("tool ID_LDrawLine\ndown 1 0 " + At(1, 4, 8) + "\nkey 27\nstate\nmove 1 0 " + At(1, 5, 8) +
                    "\nmove 1 0 " + At(1, 6, 8) + "\nup 1 0 " + At(1, 6, 8) + "\nstate\n" + Elements() +
                    // Without a button Escape ends a pending creator.
                    "tool ID_LDirectCoil\nmove 0 0 " + At(1, 20, 5) + "\nstate\nkey 27\nstate\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=4 NoDrop=0 WorkMode=1 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=1 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "1|100|4|8|2|0\n"
                        "state MouseProcess=2 NoDrop=0 WorkMode=1 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=1 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n");
}

TEST_F(Gesture, NewNetsInFrontOfTheFirstStrip) {
  auto result =
      Run(Sql("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1") + "tool ID_NewNet\nstate\nclick " +
          At(1, 10, 5) + "\nstate\n" + Sql("SELECT COUNT(*), MIN(SeqNum), MAX(SeqNum) FROM LdrStrips WHERE FuncID=2") +
          Sql("SELECT StrpType, Height, IsCompilable FROM LdrStrips WHERE FuncID=2 AND SeqNum=1"));
  ASSERT_EQ(result.status, 0) << result.err;
  std::istringstream lines(result.out);
  std::string firstID;
  std::getline(lines, firstID);
  std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
  EXPECT_EQ(rest, "state MouseProcess=3 NoDrop=0 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                  "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                  "18|1|18\n"
                  "1|14|-1\n");
  // The strip that was first is second now.
  auto again = Run(Sql("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1") + "tool ID_NewNet\nclick " +
                   At(1, 10, 5) + "\n" + Sql("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=2"));
  ASSERT_EQ(again.status, 0) << again.err;
  std::istringstream ids(again.out);
  std::string before, after;
  std::getline(ids, before);
  std::getline(ids, after);
  EXPECT_EQ(before, after);
}

TEST_F(Gesture, AResizeBeyondTheBoundsKeepsTheLastLegalBottom) {
  // The resize handle of net 1 on the left board; 300 px is row 22, 690 px
  // lies beyond the 40 rows a net may have.
  auto result = Run("ldown 1 0 14 189\nstate\nlmove 1 0 14 300\nstate\nlmove 1 0 14 690\nstate\nlup 1 0 14 690\n" +
                    Sql("SELECT Height FROM LdrStrips WHERE FuncID=2 AND SeqNum=1") + "state\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=5 NoDrop=0 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=5 NoDrop=0 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "state MouseProcess=5 NoDrop=1 WorkMode=0 NeedToSave=0 NeedToCompile=1 ReloadRequest=0\n"
                        "22\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n");
}

TEST_F(Gesture, AClickOnALabelsNameRenamesIt) {
  // A label in front of net 1 (row 0); its name box is the first 15 columns.
  auto result = Run("tool ID_LSetLabel\nclick " + At(1, 10, 5) + "\n" +
                    Sql("SELECT SeqNum, LblName FROM LdrStrips WHERE FuncID=2 AND StrpType=3") +
                    "dialog Start\nclick 70 7\nstate\n" +
                    Sql("SELECT SeqNum, LblName FROM LdrStrips WHERE FuncID=2 AND StrpType=3") +
                    "dialog Start\nclick 70 7\n" + // the same name again: nothing changes
                    Sql("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND LblName='Start'"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "1|Label 1\n"
                        "dialog label \"Label 1\" -> Start\n"
                        "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=1 NeedToCompile=1 ReloadRequest=0\n"
                        "1|Start\n"
                        "dialog label \"Start\" -> Start\n"
                        "1\n");
}

TEST_F(Gesture, AStripOfAnUnknownTypeIsReportedByItsType) {
  auto result = Run(Sql("UPDATE LdrStrips SET StrpType=9 WHERE FuncID=2 AND SeqNum=2") + "load 2\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "error 0 \"UnhandledStrip\" \"Unhandled Strip Type: 9\" StripFactory CreateStripByType\n");
}

TEST_F(Gesture, JumpsAndCallsShowTheSameTargetNameBeforeAndAfterAReload) {
  // The new label (strip 35) stands in front of net 1, which now starts at
  // row 1; a click on an empty place takes the selection away before the
  // first picture.
  const std::string before = mDir.File("placed.png");
  const std::string after = mDir.File("reloaded.png");
  auto result = Run("tool ID_LSetLabel\nclick 168 70\n" + Place("ID_JumpToLabel", "29 35", 1, 25, 7) +
                    Place("ID_CallFunction", "31 1", 1, 25, 11) + "click " + At(3, 10, 5) + "\n" +
                    Sql("SELECT COUNT(*) FROM LdrElements WHERE ElmntType IN (600, 601)") + "render " + before +
                    "\nload 2\nrender " + after + "\n");
  ASSERT_EQ(result.status, 0) << result.err;
  ASSERT_EQ(result.out, "2\n");
  auto bytes = [](const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  EXPECT_FALSE(bytes(before).empty());
  EXPECT_TRUE(bytes(before) == bytes(after)) << "the reload changed what the jump or the call shows";
}

} // namespace
