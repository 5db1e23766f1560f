// One database file seen by two connections: writers wait for each other,
// changes by the other connection are noticed, a read-only connection and a
// memory copy leave the file as it was, and a checkpoint puts every commit
// into the file itself.
#include "platform/database/Connection.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace ldr::db;

namespace {

class SharedFile : public ::testing::Test {
protected:
  void SetUp() override {
    auto db = Connection::Open(Path(), OpenMode::CreateNew);
    db->UseWriteAheadLog();
    db->ExecuteScript("CREATE TABLE t (id INTEGER PRIMARY KEY, n INTEGER); INSERT INTO t (n) VALUES (1);");
  }
  std::string Path() const { return mDir.File("shared.db"); }
  std::shared_ptr<Connection> OpenWriter() { return Connection::Open(Path(), OpenMode::ExistingReadWrite); }
  static long Count(Connection& db) { return db.QueryValue("SELECT COUNT(*) FROM t").AsLong(); }

  ldr::test::TempDir mDir;
};

} // namespace

// The second writer reads, then writes on what it read: it must wait for the
// first writer's commit before it reads, or its write would rest on a stale
// snapshot and fail.
TEST_F(SharedFile, SecondWriterWaitsForTheFirstInsteadOfFailing) {
  auto first = OpenWriter();
  auto second = OpenWriter();
  Transaction holding(*first);
  first->Execute("INSERT INTO t (n) VALUES (2)");
  std::string failure;
  long seen = 0;
  std::thread writer([&] {
    try {
      Transaction transaction(*second);
      seen = Count(*second);
      second->Execute("INSERT INTO t (n) VALUES (?)", {seen + 1});
      transaction.Commit();
    } catch (const DbError& e) {
      failure = e.what();
    }
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  holding.Commit();
  writer.join();
  EXPECT_EQ(failure, "");
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(Count(*first), 3);
}

TEST_F(SharedFile, NestedTransactionsRollBackInnerAndOuterWork) {
  auto db = OpenWriter();
  {
    Transaction outer(*db);
    db->Execute("INSERT INTO t (n) VALUES (2)");
    {
      Transaction inner(*db);
      db->Execute("INSERT INTO t (n) VALUES (3)");
    } // rolled back
    EXPECT_TRUE(db->InTransaction());
    outer.Commit();
  }
  EXPECT_FALSE(db->InTransaction());
  EXPECT_EQ(Count(*db), 2);
  {
    Transaction outer(*db);
    db->Execute("INSERT INTO t (n) VALUES (4)");
  }
  EXPECT_FALSE(db->InTransaction());
  EXPECT_EQ(Count(*db), 2);
}

TEST_F(SharedFile, ChangesOfAnotherConnectionAreNoticedOnce) {
  auto mine = OpenWriter();
  auto other = OpenWriter();
  EXPECT_FALSE(mine->ChangedByOthers()); // takes note
  mine->Execute("INSERT INTO t (n) VALUES (2)");
  EXPECT_FALSE(mine->ChangedByOthers()); // its own commit
  other->Execute("INSERT INTO t (n) VALUES (3)");
  EXPECT_TRUE(mine->ChangedByOthers());
  EXPECT_FALSE(mine->ChangedByOthers());
}

TEST_F(SharedFile, ReadOnlyConnectionAndMemoryCopyLeaveTheFileUnchanged) {
  OpenWriter()->Execute("INSERT INTO t (n) VALUES (2)"); // closed: checkpointed
  const std::string before = ldr::test::ReadFileBytes(Path());
  std::filesystem::permissions(Path(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  {
    auto reader = Connection::Open(Path(), OpenMode::ExistingReadOnly);
    EXPECT_TRUE(reader->ReadOnly());
    EXPECT_EQ(Count(*reader), 2);
    EXPECT_THROW(reader->Execute("INSERT INTO t (n) VALUES (3)"), DbError);
    Transaction reading(*reader);
    EXPECT_EQ(Count(*reader), 2);
    reading.Commit();
    auto copy = reader->CopyToMemory();
    EXPECT_FALSE(copy->ReadOnly());
    copy->Execute("DELETE FROM t");
    EXPECT_EQ(Count(*copy), 0);
    EXPECT_EQ(Count(*reader), 2);
  }
  EXPECT_EQ(ldr::test::ReadFileBytes(Path()), before);
}

// A user who copies the database file alone must find every commit in it.
TEST_F(SharedFile, CheckpointPutsCommitsIntoTheFileItself) {
  auto db = OpenWriter();
  auto keepsLogOpen = OpenWriter();
  db->Execute("INSERT INTO t (n) VALUES (2)");
  db->Checkpoint();
  const std::string copy = mDir.File("copy.db");
  std::filesystem::copy_file(Path(), copy);
  EXPECT_EQ(Count(*Connection::Open(copy, OpenMode::ExistingReadWrite)), 2);
}
