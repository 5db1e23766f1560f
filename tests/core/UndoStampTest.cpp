// The stamp that ties the undo history to the rows it was recorded on: our
// own edits, view state and a close keep the history; a change by another
// connection while the file was closed, a write of ours that never got its
// stamp (a crash in between) or a missing stamp clear it, and nothing else.

#include "core/UndoStamp.h"
#include "core/EditCommit.h"
#include "core/ProjectDatabase.h"
#include "core/UndoStore.h"
#include "core/clsLdrState.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace ldr;

namespace {

class UndoStampTest : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, std::make_shared<MemoryLog>(), mDir.File("settings.ini"));
    mContext.Connection = mDb;
    mContext.SetHost(mHost.Services);
    mContext.State = std::make_unique<clsLdrState>(mContext);
    Edit("INSERT INTO LdrStrips (StripID, FuncID, SeqNum, StrpType) VALUES (50, 2, 0, 1)");
    Edit("INSERT INTO LdrElements (ElmntID, StripID, ElmntType, Xs, Ys) VALUES (70, 50, 200, 2, 1)");
  }

  void Edit(const std::string& sql) {
    EditsOf(mContext).Run([&] {
      Db().Execute(sql);
      mContext.Host->Actions->ReportAction("Edit");
    });
  }
  // Another program's connection to the file.
  void WriteElsewhere(const std::string& sql) { ProjectDatabase::Open(ProjectPath())->Execute(sql); }
  // What an editor opening the file finds: true when it cleared the history.
  bool ClearedOnOpen() { return UndoStamp(*ProjectDatabase::Open(ProjectPath())).ClearIfChanged(); }
  size_t Steps() { return UndoStore(Db()).Names(false).size(); }
  std::string Elements() {
    std::string text;
    auto rows = Db().Query("SELECT ElmntID, StripID, Xs, Ys FROM LdrElements ORDER BY ElmntID");
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
      for (int i = 0; i < 4; ++i) text += rows.Field(i).AsText() + (i < 3 ? "," : ";");
    return text;
  }

  HeadlessHost mHost;
  LdrContext mContext;
};

TEST_F(UndoStampTest, OwnEditsViewStateAndAReopenKeepTheHistory) {
  ASSERT_EQ(Steps(), 2u);
  EXPECT_FALSE(ClearedOnOpen()) << "ended without a close: the summary of the last step vouches";
  Db().Execute("UPDATE LdrStrips SET IsSelected=-1, IsLoaded=-1");
  Db().Execute("INSERT OR REPLACE INTO ProjectSettings VALUES (21, '2')");
  EXPECT_FALSE(ClearedOnOpen()) << "view state is no change";
  UndoStamp(Db()).Seal();
  EXPECT_FALSE(ClearedOnOpen());
  EXPECT_EQ(Steps(), 2u);
}

TEST_F(UndoStampTest, AChangeByAnotherProgramWhileClosedClearsTheHistoryAndKeepsTheRows) {
  for (const char* change :
       {"UPDATE LdrElements SET Xs=9 WHERE ElmntID=70", // the same rows, another value
        "INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) VALUES (50, 200, 5, 1)", "CREATE TABLE Extra (x)"}) {
    Edit("UPDATE LdrElements SET Ys=Ys+1");
    UndoStamp(Db()).Seal();
    WriteElsewhere(change);
    const std::string changed = Elements();
    EXPECT_TRUE(ClearedOnOpen()) << change;
    EXPECT_EQ(Steps(), 0u) << change;
    EXPECT_EQ(Elements(), changed) << change;
    EXPECT_FALSE(ClearedOnOpen()) << "nothing left to clear";
  }
}

TEST_F(UndoStampTest, AWriteThatNeverGotItsStampClearsTheHistory) {
  // Our own ladder write after the last stamped step, then no close: as
  // after a crash between the write and its stamp.
  Db().Execute("DELETE FROM LdrElements WHERE ElmntID=70");
  EXPECT_TRUE(ClearedOnOpen());
  EXPECT_EQ(Steps(), 0u);

  Edit("INSERT INTO LdrElements (ElmntID, StripID, ElmntType, Xs, Ys) VALUES (71, 50, 200, 2, 1)");
  Db().Execute("DROP TABLE undo_Stamp");
  EXPECT_TRUE(ClearedOnOpen()) << "a history nothing vouches for";
}

} // namespace
