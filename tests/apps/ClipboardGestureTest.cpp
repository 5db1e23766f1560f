// Cut, copy, paste and delete as a user makes them through `ldr script`,
// checked in the project database. Subroutine 2 of a new project: element
// point (x, y) of net n lies at board pixel (14 (x + 2), 14 (14 (n - 1) + y));
// a net's header on the left board at (10, same y).

#include "apps/ldr/script/ScriptLine.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "editor/clsLdrFunction.h"
#include "support/InjectedFailure.h"
#include "support/LadderDump.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace ldr::test {
namespace {

// Each test's buffer file lives in its own settings folder.
class ScopedConfigHome {
public:
  explicit ScopedConfigHome(const std::string& path) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) mOld = old;
    setenv("XDG_CONFIG_HOME", path.c_str(), 1);
  }
  ~ScopedConfigHome() {
    if (mOld)
      setenv("XDG_CONFIG_HOME", mOld->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
  }

private:
  std::optional<std::string> mOld;
};

class Editor {
public:
  Editor(const std::string& project, bool create) {
    Do((create ? "new " : "open ") + project);
    Do("init");
    Do("load 2");
  }
  void Do(const std::string& line) { mRunner.Execute(script::ScriptLine::Split(line)); }
  db::Connection& Db() { return mRunner.Editor().Db(); }
  clsLdrFunction& View() { return dynamic_cast<clsLdrFunction&>(*mRunner.Editor().Main().View()); }
  std::string Log() const { return mOut.str(); }

private:
  std::ostringstream mOut, mErr;
  script::ScriptRunner mRunner{mOut, mErr};
};

class ClipboardGesture : public ::testing::Test {
protected:
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  static std::string Header(int net) { return "10 " + std::to_string(14 * (14 * (net - 1) + 5)); }
  void Do(const std::string& line) { mEd->Do(line); }
  void Place(const std::string& tool, const std::string& operand, int net, int x, int y) {
    Do("tool " + tool);
    Do("operand " + operand);
    Do("click " + At(net, x, y));
  }
  // Selects nets first..last by their headers (a Shift click extends).
  void SelectNets(int first, int last) {
    Do("ldown 1 0 " + Header(first));
    Do("lup 1 0 " + Header(first));
    if (last == first) return;
    Do("ldown 1 1 " + Header(last));
    Do("lup 1 1 " + Header(last));
  }
  void PasteAt(int net, int x, int y) {
    Do("edit paste");
    Do("click " + At(net, x, y));
  }
  std::vector<long> Longs(const std::string& sql) {
    std::vector<long> values;
    auto rows = mEd->Db().Query(sql);
    for (const auto& row : rows.Rows()) values.push_back(row[0].AsLong());
    return values;
  }
  long Scalar(const std::string& sql) { return mEd->Db().QueryValue(sql).AsLong(); }
  std::vector<long> StripOrder() { return Longs("SELECT StripID FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum"); }
  // What the elements of a net are, without their keys.
  std::string NetContent(long stripID) { return NetContent(mEd->Db(), stripID); }
  static std::string NetContent(db::Connection& db, long stripID) {
    std::string text;
    auto rows = db.Query(
        "SELECT e.ElmntType, e.Xs, e.Ys, o.OprndInIdx, o.OprndOutIdx, o.Elmnt_Oprnd_Type, o.Elmnt_Oprnd_Adrs FROM "
        "LdrElements e LEFT JOIN LdrElmsOprs o ON o.ElmntID=e.ElmntID WHERE e.StripID=? ORDER BY 1,2,3,4,5",
        {stripID});
    for (const auto& row : rows.Rows()) {
      for (const auto& value : row) text += value.AsText() + "|";
      text += "\n";
    }
    return text;
  }
  bool LogHas(const std::string& text) { return mEd->Log().find(text) != std::string::npos; }
  // The ladder rows without the undo history's key counter.
  std::string LadderRows() {
    std::istringstream all(DumpLadder(mEd->Db()));
    std::string rows, line;
    while (std::getline(all, line))
      if (line.rfind("sqlite_sequence|undo_", 0) != 0) rows += line + "\n";
    return rows;
  }

  TempDir mDir;
  ScopedConfigHome mConfig{mDir.File("config")};
  std::unique_ptr<Editor> mEd = std::make_unique<Editor>(mDir.File("p.ldrp"), true);
};

TEST_F(ClipboardGesture, StripsPastedAfterTheSecondNetComeBetweenItAndTheThird) {
  Place("ID_LDirectContact", "MB 1", 3, 4, 5);
  const auto before = StripOrder();
  Do("sql \"UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=2 AND SeqNum BETWEEN 3 AND 5\"");
  Do("edit copy");
  PasteAt(2, 10, 3);
  const auto after = StripOrder();
  ASSERT_EQ(after.size(), before.size() + 3);
  EXPECT_EQ(std::vector<long>(after.begin(), after.begin() + 2), std::vector<long>(before.begin(), before.begin() + 2));
  EXPECT_EQ(std::vector<long>(after.begin() + 5, after.end()), std::vector<long>(before.begin() + 2, before.end()));
  EXPECT_GT(after[2], before.back());
  EXPECT_EQ(Longs("SELECT SeqNum FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum").back(), 20);
  EXPECT_EQ(Longs("SELECT ShowNum FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum").back(), 20);
  EXPECT_EQ(Scalar("SELECT IsReturnStrip FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum DESC LIMIT 1"), -1);
  EXPECT_EQ(NetContent(after[2]), NetContent(before[2]));
  EXPECT_TRUE(LogHas("action \"Paste Strips\""));
}

TEST_F(ClipboardGesture, PastingTwiceGivesTwoIndependentCopiesWithDistinctKeys) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  Place("ID_LDirectCoil", "MB 2", 1, 40, 5);
  SelectNets(1, 1);
  Do("edit copy");
  PasteAt(1, 10, 3);
  PasteAt(1, 10, 3);
  const auto order = StripOrder();
  EXPECT_EQ(NetContent(order[1]), NetContent(order[0]));
  EXPECT_EQ(NetContent(order[2]), NetContent(order[0]));
  EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT ElmntID) FROM LdrElements WHERE ElmntType IN (200,204)"), 6);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=1"), 6);
  // The copies are independent: deleting one leaves the others whole.
  Do("sql \"DELETE FROM LdrStrips WHERE StripID=" + std::to_string(order[1]) + "\"");
  EXPECT_EQ(NetContent(order[2]), NetContent(order[0]));
}

TEST_F(ClipboardGesture, CutThenPasteBringsTheSameContentBackWithNewKeys) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  Place("ID_LDirectCoil", "MB 2", 1, 40, 5);
  const long cutStrip = StripOrder().front();
  const std::string content = NetContent(cutStrip);
  SelectNets(1, 1);
  Do("edit cut");
  EXPECT_TRUE(LogHas("action \"Cut Ladder Net\""));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType IN (200,204)"), 0);
  // One net gone, and the subroutine is back at 16.
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND StrpType=1 AND IsReturnStrip=0"), 16);
  PasteAt(1, 10, 3);
  const long pasted = StripOrder()[1];
  EXPECT_NE(pasted, cutStrip);
  EXPECT_EQ(NetContent(pasted), content);
}

TEST_F(ClipboardGesture, DeletingNetsDownToTenRefillsTheSubroutineToSixteen) {
  SelectNets(1, 3);
  Do("sql \"UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=2 AND SeqNum BETWEEN 4 AND 6\"");
  Do("answer 7");
  Do("edit delete");
  EXPECT_TRUE(LogHas("message 92"));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"), 17);
  Do("answer 6");
  Do("edit delete");
  EXPECT_TRUE(LogHas("action \"Delete Ladder Nets\""));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND StrpType=1 AND IsReturnStrip=0"), 16);
  EXPECT_EQ(Scalar("SELECT MAX(SeqNum) FROM LdrStrips WHERE FuncID=2"), 17);
}

TEST_F(ClipboardGesture, TheReturnStripAndNamedConstantsAreNotCopied) {
  Do("sql \"UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=2 AND IsReturnStrip<>0\"");
  Do("edit copy");
  EXPECT_TRUE(LogHas("message 453"));
  Do("sql \"UPDATE LdrStrips SET IsSelected=0\"");

  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE name='clpbrd_LdrStrips'"), 1);
  // A named constant in the selection: refused, and the clipboard is empty.
  Do("sql \"INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) VALUES (34, 1, 0, 'K')\"");
  Do("sql \"UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=34, Elmnt_Oprnd_Adrs=1 WHERE Elmnt_Oprnd_Type=1\"");
  Do("edit copy");
  EXPECT_TRUE(LogHas("message 94"));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE 'clp%'"), 0);
}

TEST_F(ClipboardGesture, CopyWithNothingSelectedKeepsThePreviousClipboard) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  Do("click " + At(3, 30, 2)); // empty place: nothing is selected any more
  Do("edit copy");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM clpbrd_LdrElements WHERE ElmntType=200"), 1);
}

TEST_F(ClipboardGesture, APastedLabelWhoseNameIsTakenGetsTheFirstFreeNumberAndItsJumpsFollow) {
  Do("tool ID_LSetLabel");
  Do("click " + At(2, 10, 3));
  const long label = Scalar("SELECT StripID FROM LdrStrips WHERE StrpType=3");
  Do("sql \"UPDATE LdrStrips SET LblName='Loop' WHERE StripID=" + std::to_string(label) + "\"");
  // A jump to it in net 1 (rows as the jump element stores them).
  const long net1 = StripOrder().front();
  Do("sql \"INSERT INTO LdrElements (ElmntID, StripID, ElmntType, Xs, Ys) VALUES (900, " + std::to_string(net1) +
     ", 600, 40, 5)\"");
  Do("sql \"INSERT INTO LdrElmsOprs VALUES (900, 1, 0, 29, " + std::to_string(label) + ", 0)\"");
  Do("sql \"INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) VALUES (29, " +
     std::to_string(label) + ", 0, 'Loop')\"");
  Do("sql \"UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=2 AND SeqNum<=2\"");
  Do("edit copy");
  PasteAt(3, 10, 3);
  PasteAt(3, 10, 3);
  EXPECT_EQ(Longs("SELECT COUNT(*) FROM LdrStrips WHERE StrpType=3 AND LblName IN ('Loop','Loop(1)','Loop(2)')"),
            std::vector<long>{3});
  // Each pasted jump points at the label pasted with it, named as it is now.
  auto jumps = mEd->Db().Query(
      "SELECT s.LblName, o.OprndDescription FROM LdrElmsOprs j JOIN LdrStrips s ON s.StripID=j.Elmnt_Oprnd_Adrs JOIN "
      "LdrOperands o ON o.OprndType=29 AND o.OprndAddress=j.Elmnt_Oprnd_Adrs WHERE j.Elmnt_Oprnd_Type=29 AND "
      "j.ElmntID<>900 AND j.ElmntID IN (SELECT ElmntID FROM LdrElements WHERE ElmntType=600) ORDER BY 1");
  ASSERT_EQ(jumps.RecordCount(), 2);
  EXPECT_EQ(jumps.Rows()[0][0].AsText(), "Loop(1)");
  EXPECT_EQ(jumps.Rows()[0][1].AsText(), "Loop(1)");
  EXPECT_EQ(jumps.Rows()[1][0].AsText(), "Loop(2)");
}

TEST_F(ClipboardGesture, ElementsPasteIntoTheClickedNetAndRefuseAPlaceWithoutRoom) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  Do("click " + At(1, 4, 5));
  Do("edit copy");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE name='clpbrd_LdrStrips'"), 0);
  PasteAt(2, 20, 8);
  const long net2 = StripOrder()[1];
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200 AND Xs=4 AND Ys=8 AND StripID=" +
                   std::to_string(net2)),
            1);
  EXPECT_TRUE(LogHas("action \"Paste Ladder Element - "));
  const std::string rows = DumpLadder(mEd->Db());
  PasteAt(2, 20, 8); // the same place is taken now
  EXPECT_TRUE(LogHas("message 98"));
  EXPECT_EQ(DumpLadder(mEd->Db()), rows);
  EXPECT_EQ(DumpView(mEd->View()), DumpLoadedRows(mEd->Db(), 2));
}

TEST_F(ClipboardGesture, ARightClickAfterThePasteCommandPastesNothing) {
  SelectNets(1, 1);
  Do("edit copy");
  const long strips = Scalar("SELECT COUNT(*) FROM LdrStrips");
  Do("edit paste");
  Do("down 2 0 " + At(2, 10, 3));
  Do("up 2 0 " + At(2, 10, 3));
  Do("click " + At(2, 10, 3));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips"), strips);
  Do("state");
  EXPECT_TRUE(LogHas("state MouseProcess=1 "));
}

TEST_F(ClipboardGesture, APasteThatFailsHalfWayLeavesTheProjectAsItWas) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  Do("edit paste");
  const std::string rows = DumpLadder(mEd->Db());
  {
    InjectedFailure failure(mEd->Db(), "LdrElmsOprs", "INSERT", 1);
    EXPECT_ANY_THROW(Do("click " + At(2, 10, 3)));
  }
  EXPECT_EQ(DumpLadder(mEd->Db()), rows);
  EXPECT_EQ(DumpView(mEd->View()), DumpLoadedRows(mEd->Db(), 2));
  // The clipboard is whole: the paste works once the fault is gone.
  PasteAt(2, 10, 3);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 2);
}

TEST_F(ClipboardGesture, AStripCopiedInOneProjectPastesIntoAnother) {
  Place("ID_LDirectContact", "MB 7", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  const std::string content = NetContent(StripOrder().front());
  Editor other(mDir.File("other.ldrp"), true);
  other.Do("edit paste");
  other.Do("click " + At(1, 10, 3));
  const long pasted = other.Db().QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=2").AsLong();
  EXPECT_EQ(NetContent(other.Db(), pasted), content);
  EXPECT_EQ(other.Db().QueryValue("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=1 AND OprndAddress=7").AsLong(), 1);
  // Taken once: the next paste there uses the same content again.
  other.Do("edit paste");
  other.Do("click " + At(1, 10, 3));
  EXPECT_EQ(other.Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200").AsLong(), 2);
}

TEST_F(ClipboardGesture, CallsPastedIntoAnotherProjectFindTheirSubroutinesByName) {
  Do("call AddNewFunction 1");
  Do("call RenameFunction 3 Motor");
  Do("call AddNewFunction 1");
  Do("call RenameFunction 4 Valve");
  Place("ID_CallFunction", "31 3", 1, 6, 5);
  Place("ID_CallFunction", "31 4", 2, 6, 5);
  Place("ID_LDirectContact", "MB 1", 1, 0, 5);
  Place("ID_LDirectContact", "MB 1", 3, 4, 5);
  Do("sql \"UPDATE LdrElements SET MoreParamsStr='kept' WHERE ElmntType=200\"");
  SelectNets(1, 2);
  const std::string source = LadderRows();
  Do("edit copy");
  EXPECT_EQ(LadderRows(), source); // the copy writes names into its buffer only

  Editor other(mDir.File("other.ldrp"), true);
  other.Do("call AddNewFunction 1");
  other.Do("call RenameFunction 3 Pump");
  other.Do("call AddNewFunction 1");
  other.Do("call RenameFunction 4 motor");
  other.Do("sql \"UPDATE LdrElements SET MoreParamsStr='mine'\"");
  other.Do("edit paste");
  other.Do("click " + At(1, 10, 3));
  auto calls = [&](const std::string& where) {
    return other.Db()
        .QueryValue("SELECT GROUP_CONCAT(Elmnt_Oprnd_Adrs) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=31" + where)
        .AsText();
  };
  // Motor is subroutine 4 here (names match without regard to case); Valve
  // is not here, so its call stays the missing reference.
  EXPECT_EQ(calls(" ORDER BY Elmnt_Oprnd_Adrs"), "4,32000");
  EXPECT_EQ(
      other.Db().QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=31 AND OprndAddress=4").AsText(),
      "motor");
  EXPECT_EQ(
      other.Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=601 AND MoreParamsStr IS NULL").AsLong(),
      2);
  EXPECT_EQ(other.Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE MoreParamsStr='mine'").AsLong(),
            other.Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=602").AsLong());
  EXPECT_EQ(other.Db().QueryValue("SELECT COUNT(*) FROM LdrElements WHERE MoreParamsStr='kept'").AsLong(), 1);
  // Pasted in its own project the calls keep their targets.
  PasteAt(3, 10, 3);
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=31 ORDER BY 1"),
            (std::vector<long>{3, 3, 4, 4}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE MoreParamsStr='kept'"), 3);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=601 AND MoreParamsStr IS NOT NULL"), 0);
}

TEST_F(ClipboardGesture, APasteIntoAProtectedOrMissingSubroutineIsRefusedUnchanged) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  Do("dialog secret77");
  Do("dialog secret77");
  Do("service srvLadderPassword SetLadderPassword");
  // A new session has not typed the password; Main gets protected under it.
  mEd = std::make_unique<Editor>(mDir.File("p.ldrp"), false);
  Do("sql \"UPDATE LdrFunctions SET Protected=1 WHERE FuncID=2\"");
  Do("sql \"UPDATE LdrStrips SET IsSelected=0\"");
  const std::string rows = LadderRows();
  PasteAt(2, 10, 3);
  EXPECT_TRUE(LogHas("The subroutine 'Main' is protected by the ladder password: nothing was pasted."));
  EXPECT_EQ(LadderRows(), rows);
  Do("dialog secret77");
  Do("service srvLadderPassword IsUserAuthorized -1");
  PasteAt(2, 10, 3);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 2);

  Do("sql \"DELETE FROM LdrFunctions WHERE FuncID=2\"");
  const std::string without = LadderRows();
  PasteAt(1, 10, 3);
  EXPECT_TRUE(LogHas("The subroutine 2 is not in the project: nothing was pasted."));
  EXPECT_EQ(LadderRows(), without);
}

TEST_F(ClipboardGesture, AForeignOrLockedBufferFileIsReportedAndPastesNothing) {
  SelectNets(1, 1);
  Do("edit copy");
  std::string file;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(mDir.File("config")))
    if (entry.path().filename() == "LdrBuffer.qdb") file = entry.path().string();
  ASSERT_FALSE(file.empty());
  Editor other(mDir.File("other.ldrp"), true);
  const auto rowsOf = [&] { return DumpLadder(other.Db()); };
  const std::string rows = rowsOf();
  {
    // Another program holds the file.
    auto holder = db::Connection::Open(file, db::OpenMode::ExistingReadWrite);
    holder->Execute("BEGIN EXCLUSIVE");
    holder->Execute("CREATE TABLE Held (x)");
    other.Do("edit paste");
    other.Do("click " + At(1, 10, 3));
    holder->Execute("ROLLBACK");
  }
  EXPECT_NE(other.Log().find("The clipboard of the other project cannot be pasted"), std::string::npos);
  EXPECT_EQ(rowsOf(), rows);
  std::ofstream(file, std::ios::trunc) << "not a buffer file";
  other.Do("edit paste");
  other.Do("click " + At(1, 10, 3));
  EXPECT_NE(other.Log().find("not a ladder buffer file"), std::string::npos);
  EXPECT_EQ(rowsOf(), rows);
}

TEST_F(ClipboardGesture, PasteCutAndSubroutineChangesAreEachOneUndoStep) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  SelectNets(1, 1);
  Do("edit copy");
  auto oneStep = [&](const std::function<void()>& edit, const std::string& action) {
    const std::string before = DumpContent(mEd->Db());
    edit();
    const std::string after = DumpContent(mEd->Db());
    EXPECT_NE(after, before) << action;
    Do("undo");
    EXPECT_TRUE(LogHas("undo \"" + action + "\"")) << action;
    EXPECT_EQ(DumpContent(mEd->Db()), before) << action;
    Do("redo");
    EXPECT_EQ(DumpContent(mEd->Db()), after) << action;
  };
  oneStep([&] { PasteAt(2, 10, 3); }, "Paste Strips");
  oneStep([&] { Do("edit cut"); }, "Cut Ladder Net");
  oneStep([&] { Do("call AddNewFunction 1"); }, "New Subroutine - Module 1.Subroutine 1");
  oneStep(
      [&] {
        Do("answer 6");
        Do("call DeleteFunction 3");
      },
      "Delete Subroutine -  Module 1.Subroutine 1"); // the name as the tree reports it
}

TEST_F(ClipboardGesture, ARubberBandSelectsTheElementsItTouchesForDelete) {
  Place("ID_LDirectContact", "MB 1", 1, 4, 5);
  Place("ID_LDirectCoil", "MB 2", 1, 40, 5);
  Do("drag " + At(1, 1, 1) + " " + At(1, 6, 6)); // over the contact only
  Do("edit delete");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204"), 1);
  EXPECT_TRUE(LogHas("action \"Delete Ladder Element - "));
}

} // namespace
} // namespace ldr::test
