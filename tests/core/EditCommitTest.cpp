// One host call is one edit: its writes land together or not at all, the
// savepoint opens only at the first write, and a rollback loads the view
// once so that it shows what is stored.

#include "core/EditCommit.h"
#include "core/ViewRefresh.h"
#include "core/clsLdrState.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Transaction.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ldr;

namespace {

class CountingView : public ViewRefresh {
public:
  void RedrawAll() override { ++Redraws; }
  void ReLoad() override { ++Reloads; }
  int Redraws = 0;
  int Reloads = 0;
};

class EditCommitTest : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("settings.ini"));
    mContext.Connection = mDb;
    mContext.SetHost(mHost.Services);
    mContext.State = std::make_unique<clsLdrState>(mContext);
    mContext.State->SetView(&mView);
  }
  EditCommit& Edits() { return EditsOf(mContext); }
  void Rename(const std::string& name) { Db().Execute("UPDATE LdrFunctions SET FuncName=? WHERE FuncID=2", {name}); }
  std::string Name() { return Db().QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=2").AsText(); }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mContext;
  CountingView mView;
};

TEST_F(EditCommitTest, ACallThatOnlyReadsTakesNoTransaction) {
  Edits().Run([&] {
    Name();
    EXPECT_FALSE(Db().InTransaction());
    EXPECT_FALSE(Edits().Writing());
  });
  EXPECT_EQ(mView.Reloads, 0);
}

TEST_F(EditCommitTest, EveryWriteOfTheCallLandsOrNone) {
  const std::string before = Name();
  EXPECT_THROW(Edits().Run([&] {
    Rename("first");
    EXPECT_TRUE(Edits().Writing());
    // A transaction of its own inside the call, and a call made by the call.
    db::Transaction inner(Db());
    Rename("second");
    inner.Commit();
    Edits().Run([&] { Rename("third"); });
    throw std::runtime_error("late fault");
  }),
               std::runtime_error);
  EXPECT_EQ(Name(), before);
  EXPECT_FALSE(Db().InTransaction());
  EXPECT_EQ(mView.Reloads, 1);

  Edits().Run([&] { Rename("kept"); });
  EXPECT_EQ(Name(), "kept");
  EXPECT_FALSE(Db().InTransaction());
  EXPECT_EQ(mView.Reloads, 1);
}

TEST_F(EditCommitTest, AFaultBeforeAnyWriteLeavesTheViewAlone) {
  EXPECT_THROW(Edits().Run([] { throw std::runtime_error("no write"); }), std::runtime_error);
  EXPECT_EQ(mView.Reloads, 0);
}

TEST_F(EditCommitTest, CommitSetsTheFlagsReportsTheNameAndRedraws) {
  Edits().Commit("", false);
  EXPECT_TRUE(mContext.State->NeedToSave());
  EXPECT_FALSE(mContext.State->NeedToCompile());
  EXPECT_TRUE(mLog->Lines().empty());
  Edits().Commit("Paste Strips", true);
  EXPECT_TRUE(mContext.State->NeedToCompile());
  EXPECT_EQ(mContext.ActionName, "Paste Strips");
  ASSERT_EQ(mLog->Lines().size(), 1u);
  EXPECT_EQ(mLog->Lines()[0], "action \"Paste Strips\"");
  EXPECT_EQ(mView.Redraws, 2);
}

TEST_F(EditCommitTest, RevertTakesBackWhatTheCallWroteAndLaterWritesStillLand) {
  const std::string before = Name();
  Edits().Run([&] {
    Edits().Revert(); // nothing written yet: nothing to load again
    EXPECT_EQ(mView.Reloads, 0);
    Rename("withdrawn");
    Edits().Revert();
    EXPECT_EQ(Name(), before);
    EXPECT_EQ(mView.Reloads, 1);
    Rename("after");
  });
  EXPECT_EQ(Name(), "after");
  EXPECT_FALSE(Db().InTransaction());
}

} // namespace
