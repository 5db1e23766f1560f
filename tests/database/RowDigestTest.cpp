// The row digest: the same rows in any order give the same digest; a value
// moved between columns, or of another storage class, gives another.
#include "platform/database/RowDigest.h"
#include "platform/database/Connection.h"

#include <gtest/gtest.h>

using namespace ldr::db;

namespace {

std::string DigestOf(const std::vector<std::string>& inserts) {
  auto db = Connection::Open("", OpenMode::Memory);
  db->Execute("CREATE TABLE t (a, b)");
  for (const auto& values : inserts) db->Execute("INSERT INTO t VALUES (" + values + ")");
  RowDigest::Register(*db);
  return db->QueryValue("SELECT ldr_row_digest(a, b) FROM t").AsText();
}

} // namespace

TEST(RowDigest, SameRowsInAnyOrderMatchAndAnyChangedValueDoesNot) {
  const std::string digest = DigestOf({"1, 'x'", "2, x'00ff'", "NULL, 2.5"});
  EXPECT_EQ(digest.substr(0, 2), "3/");
  EXPECT_EQ(DigestOf({"NULL, 2.5", "1, 'x'", "2, x'00ff'"}), digest);
  EXPECT_NE(DigestOf({"1, 'x'", "2, x'00fe'", "NULL, 2.5"}), digest);
  EXPECT_NE(DigestOf({"'ab', 'c'"}), DigestOf({"'a', 'bc'"}));
  EXPECT_NE(DigestOf({"1, 1"}), DigestOf({"'1', 1"}));
  EXPECT_NE(DigestOf({"1, 1"}), DigestOf({"1.0, 1"}));
  EXPECT_EQ(DigestOf({}), "0/0");
}
