// Change sessions and changesets: what a session records across savepoints
// rolled back, that a changeset written back by us reads and applies as the
// session's own, and that conflicts reach the handler.
#include "platform/database/Changeset.h"
#include "platform/database/ChangeSession.h"
#include "platform/database/Connection.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"

#include <gtest/gtest.h>

using namespace ldr::db;

namespace {

std::shared_ptr<Connection> MemoryDb() {
  auto db = Connection::Open("", OpenMode::Memory);
  db->ExecuteScript("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, r REAL, b BLOB, n INTEGER);"
                    "CREATE TABLE skipped (id INTEGER PRIMARY KEY, v);");
  return db;
}

std::string Dump(Connection& db) {
  std::string text;
  auto rows = db.Query("SELECT id, quote(name), quote(r), quote(b), quote(n) FROM t ORDER BY id");
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
    for (int i = 0; i < 5; ++i) text += rows.Field(i).ToDisplay() + (i == 4 ? "\n" : "|");
  return text;
}

Blob Record(Connection& db, const std::function<void()>& edit) {
  ChangeSession session(db, [](const std::string& table) { return table == "t"; });
  edit();
  return session.Changes();
}

} // namespace

TEST(Changeset, RowsRolledBackLeaveNothingAndFilteredTablesAreNotRecorded) {
  auto db = MemoryDb();
  db->Execute("INSERT INTO t VALUES (1, 'one', 1.5, x'01', 1)");
  const Blob changes = Record(*db, [&] {
    Transaction withdrawn(*db);
    db->Execute("UPDATE t SET name='changed' WHERE id=1");
    db->Execute("INSERT INTO t VALUES (2, 'two', 0, NULL, 2)");
    db->Execute("DELETE FROM t WHERE id=1");
    withdrawn.Rollback();
    db->Execute("INSERT INTO skipped VALUES (1, 1)");
    db->Execute("UPDATE t SET n=5 WHERE id=1");
  });
  const auto rows = Changeset::Read(changes);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Op, ChangeOp::Update);
  EXPECT_FALSE(rows[0].New[1].has_value()); // unchanged columns are not in an update
  EXPECT_EQ(rows[0].Old[4]->AsLong(), 1);
  EXPECT_EQ(rows[0].New[4]->AsLong(), 5);
}

TEST(Changeset, WrittenBackItAppliesLikeTheSessionsOwnBothWays) {
  auto db = MemoryDb();
  db->Execute("INSERT INTO t VALUES (1, 'one', 1.5, x'01', 1)");
  db->Execute("INSERT INTO t VALUES (3, 'gone', NULL, NULL, -7)");
  const std::string before = Dump(*db);
  const std::string longText(20000, 'x'); // lengths of one, two and three varint bytes
  const Blob changes = Record(*db, [&] {
    db->Execute("INSERT INTO t VALUES (2, ?, -2.25, ?, -9223372036854775807)", {longText, Blob(300, 0xAB)});
    db->Execute("UPDATE t SET name=?, r=1e300 WHERE id=1", {std::string(130, 'y')});
    db->Execute("DELETE FROM t WHERE id=3");
  });
  const std::string after = Dump(*db);
  const Blob rewritten = Changeset::Write(Changeset::Read(changes));
  EXPECT_EQ(rewritten, changes);

  auto abort = [](ConflictKind, const ChangedRow&, const std::vector<DbValue>&) { return ConflictAnswer::Abort; };
  Changeset::Apply(*db, Changeset::Invert(rewritten), abort);
  EXPECT_EQ(Dump(*db), before);
  Changeset::Apply(*db, rewritten, abort);
  EXPECT_EQ(Dump(*db), after);
}

TEST(Changeset, AConflictReachesTheHandlerAndAnAbortChangesNothing) {
  auto db = MemoryDb();
  db->Execute("INSERT INTO t VALUES (1, 'one', 0, NULL, 1)");
  const Blob changes = Record(*db, [&] {
    db->Execute("INSERT INTO t VALUES (2, 'two', 0, NULL, 2)");
    db->Execute("UPDATE t SET n=10 WHERE id=1");
  });
  const Blob undo = Changeset::Invert(changes);
  db->Execute("UPDATE t SET n=11 WHERE id=1"); // someone else, later
  const std::string now = Dump(*db);
  std::vector<ConflictKind> seen;
  std::vector<DbValue> current;
  auto handler = [&](ConflictKind kind, const ChangedRow&, const std::vector<DbValue>& row) {
    seen.push_back(kind);
    current = row;
    return ConflictAnswer::Abort;
  };
  EXPECT_THROW(Changeset::Apply(*db, undo, handler), DbError);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], ConflictKind::Data);
  ASSERT_EQ(current.size(), 5u);
  EXPECT_EQ(current[4].AsLong(), 11);
  EXPECT_EQ(Dump(*db), now);
  EXPECT_THROW(Changeset::Read(Blob{'T', 0xff, 0xff}), DbError);
  EXPECT_THROW(Changeset::Invert(Blob{'T', 3, 1, 0, 0}), DbError); // a header without its table
}
