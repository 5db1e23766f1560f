#include "platform/database/Connection.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace ldr::db;

namespace {

std::shared_ptr<Connection> MemoryDb() {
  auto db = Connection::Open("", OpenMode::Memory);
  db->ExecuteScript(
      "CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, n INTEGER, b BLOB);"
      "CREATE TABLE parent (id INTEGER PRIMARY KEY);"
      "CREATE TABLE child (id INTEGER PRIMARY KEY, pid INTEGER REFERENCES parent(id) ON DELETE CASCADE);");
  return db;
}

} // namespace

TEST(Connection, ForeignKeysAreOnAndCascade) {
  auto db = MemoryDb();
  EXPECT_EQ(db->QueryValue("PRAGMA foreign_keys").AsLong(), 1);
  db->Execute("INSERT INTO parent VALUES (1)");
  db->Execute("INSERT INTO child VALUES (10, 1)");
  EXPECT_THROW(db->Execute("INSERT INTO child VALUES (11, 99)"), DbError);
  db->Execute("DELETE FROM parent WHERE id=1");
  EXPECT_EQ(db->QueryValue("SELECT COUNT(*) FROM child").AsLong(), 0);
}

TEST(Connection, UserTextIsBoundNotPasted) {
  auto db = MemoryDb();
  const std::string nasty = "O'Brien\"; DROP TABLE t; -- 100%";
  auto key = db->AddRow("t", {{"name", nasty}, {"n", 5}});
  EXPECT_EQ(db->QueryValue("SELECT name FROM t WHERE id=?", {key}).AsText(), nasty);
  EXPECT_EQ(db->QueryValue("SELECT COUNT(*) FROM t WHERE name=?", {nasty}).AsLong(), 1);
}

TEST(Connection, AddRowReturnsConsecutiveNewKeys) {
  auto db = MemoryDb();
  auto first = db->AddRow("t", {{"n", 1}});
  auto second = db->AddRow("t", {{"n", 2}});
  EXPECT_EQ(second, first + 1);
  EXPECT_THROW(db->AddRow("t; DROP TABLE t", {{"n", 1}}), DbError);
  EXPECT_THROW(db->AddRow("t", {{"n) VALUES (1); --", 1}}), DbError);
}

TEST(Connection, ErrorsCarryCodeMessageAndStatement) {
  auto db = MemoryDb();
  try {
    db->Execute("SELECT x FROM nowhere");
    FAIL() << "no error";
  } catch (const DbError& e) {
    EXPECT_EQ(e.Code(), 1);
    EXPECT_NE(e.Message().find("no such"), std::string::npos) << e.what();
    EXPECT_EQ(e.Statement(), "SELECT x FROM nowhere");
  }
}

TEST(Connection, OpenModesRefuseWrongFiles) {
  ldr::test::TempDir dir;
  EXPECT_THROW(Connection::Open(dir.File("missing.db"), OpenMode::ExistingReadWrite), DbError);
  EXPECT_THROW(Connection::Open(dir.Path().string(), OpenMode::ExistingReadWrite), DbError);
  auto created = Connection::Open(dir.File("new.db"), OpenMode::CreateNew);
  created->UseWriteAheadLog();
  EXPECT_EQ(created->QueryValue("PRAGMA journal_mode").AsText(), "wal");
  EXPECT_THROW(Connection::Open(dir.File("new.db"), OpenMode::CreateNew), DbError);

  std::ofstream(dir.File("text.db")) << "this is not a database at all, just some words in a file";
  auto foreign = Connection::Open(dir.File("text.db"), OpenMode::ExistingReadWrite);
  EXPECT_THROW(foreign->Query("SELECT * FROM sqlite_master"), DbError);
}

TEST(Recordset, EmptyIsAtBothEnds) {
  auto db = MemoryDb();
  auto rs = db->Query("SELECT * FROM t");
  EXPECT_TRUE(rs.IsBOF());
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_THROW(rs.Field("name"), DbError);
}

TEST(Recordset, MovesAndReadsFieldsByNameWithNull) {
  auto db = MemoryDb();
  db->AddRow("t", {{"name", "a"}, {"n", 1}});
  db->AddRow("t", {{"name", nullptr}, {"n", 2}});
  auto rs = db->Query("SELECT name, n FROM t ORDER BY n");
  ASSERT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.Field("NAME").AsText(), "a");
  rs.MoveNext();
  EXPECT_TRUE(rs.Field("name").IsNull());
  EXPECT_EQ(rs.Field("name").AsText("none"), "none");
  EXPECT_EQ(rs.Field("name").AsLong(-7), -7);
  rs.MoveNext();
  EXPECT_TRUE(rs.IsEOF());
  rs.MoveNext();
  EXPECT_TRUE(rs.IsEOF());
  rs.MoveFirst();
  rs.MovePrevious();
  EXPECT_TRUE(rs.IsBOF());
  EXPECT_THROW(rs.Field("nosuch"), DbError);
}

TEST(Recordset, FindForwardSkipsOtherRowsAndStopsAtEOF) {
  auto db = MemoryDb();
  for (int n : {5, 7, 5, 9, 5}) db->AddRow("t", {{"n", n}});
  auto rs = db->Query("SELECT id, n FROM t ORDER BY id");
  std::vector<long> found;
  rs.MoveFirst();
  while (rs.Find("n=5")) {
    found.push_back(rs.Field("id").AsLong());
    rs.MoveNext();
  }
  EXPECT_EQ(found, (std::vector<long>{1, 3, 5}));
  EXPECT_TRUE(rs.IsEOF());
  rs.MoveFirst();
  EXPECT_FALSE(rs.FindForward("n", 42));
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_THROW(rs.Find("garbage"), DbError);
}

TEST(ForwardRecordset, StepsOnce) {
  auto db = MemoryDb();
  for (int n = 1; n <= 3; ++n) db->AddRow("t", {{"n", n}});
  auto rs = db->QueryForward("SELECT n FROM t WHERE n>=? ORDER BY n", {2});
  std::vector<long> seen;
  for (; !rs.IsEOF(); rs.MoveNext()) seen.push_back(rs.Field("n").AsLong());
  EXPECT_EQ(seen, (std::vector<long>{2, 3}));
  EXPECT_THROW(rs.Field(0), DbError);
}

TEST(Transaction, RollsBackOnExceptionAndNests) {
  auto db = MemoryDb();
  try {
    Transaction tx(*db);
    db->AddRow("t", {{"n", 1}});
    db->Execute("INSERT INTO child VALUES (1, 999)"); // foreign key fails
    tx.Commit();
  } catch (const DbError&) {
  }
  EXPECT_EQ(db->QueryValue("SELECT COUNT(*) FROM t").AsLong(), 0);
  EXPECT_FALSE(db->InTransaction());

  {
    Transaction outer(*db);
    db->AddRow("t", {{"n", 1}});
    {
      Transaction inner(*db);
      db->AddRow("t", {{"n", 2}});
    } // inner rolled back
    outer.Commit();
  }
  EXPECT_EQ(db->QueryValue("SELECT group_concat(n) FROM t").AsText(), "1");
}

TEST(DbValue, ConvertsAndCompares) {
  EXPECT_EQ(DbValue(true).AsLong(), -1);
  EXPECT_TRUE(DbValue(-1).AsBool());
  EXPECT_EQ(DbValue("12").AsLong(), 12);
  EXPECT_EQ(DbValue("12x").AsLong(3), 3);
  EXPECT_EQ(DbValue(2.0), DbValue(2));
  EXPECT_EQ(DbValue().ToDisplay(), "NULL");
  EXPECT_EQ(DbValue(Blob{0x0a, 0xff}).ToDisplay(), "x'0AFF'");
}

TEST(Connection, TheWriteHookRunsOnceBeforeTheFirstWrite) {
  auto db = MemoryDb();
  int calls = 0;
  bool inTransactionAtHook = true;
  db->SetBeforeWrite([&] {
    ++calls;
    inTransactionAtHook = db->InTransaction();
  });
  db->QueryValue("SELECT COUNT(*) FROM t");
  EXPECT_EQ(calls, 0);
  db->Execute("INSERT INTO t (name) VALUES ('a')");
  db->Execute("INSERT INTO t (name) VALUES ('b')");
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(inTransactionAtHook); // before the statement, not inside it
  // A transaction is a write too, announced before its savepoint opens.
  db->SetBeforeWrite([&] { ++calls; });
  Transaction transaction(*db);
  EXPECT_EQ(calls, 2);
  transaction.Commit();
}
