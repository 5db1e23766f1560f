// The `ldr` command line run as a user runs it.
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ldr::test::CommandRun;

CommandRun Ldr(const std::string& args) { return ldr::test::RunLdr(args); }

} // namespace

TEST(LdrCommand, NewInfoSqlRoundTrip) {
  ldr::test::TempDir dir;
  const std::string path = dir.File("p.ldrp");
  ASSERT_EQ(Ldr("new '" + path + "'").status, 0);
  CommandRun info = Ldr("info '" + path + "'");
  ASSERT_EQ(info.status, 0) << info.out;
  EXPECT_NE(info.out.find("module 1 \"Module 1\""), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("subroutine 2 \"Main\" main: 17 strips, 17 nets, 1 elements"), std::string::npos) << info.out;
  CommandRun sql =
      Ldr("sql '" + path + "' \"SELECT ElmntType, Xs, Ys, MoreParamsStr FROM LdrElements ORDER BY ElmntID\"");
  EXPECT_EQ(sql.status, 0);
  EXPECT_EQ(sql.out, "602|0|5|NULL\n602|0|5|NULL\n");
}

TEST(LdrCommand, BadInputFailsClearly) {
  ldr::test::TempDir dir;
  const std::string path = dir.File("p.ldrp");
  CommandRun missing = Ldr("info '" + dir.File("none.ldrp") + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("no such file"), std::string::npos) << missing.out;
  ASSERT_EQ(Ldr("new '" + path + "'").status, 0);
  CommandRun twice = Ldr("new '" + path + "'");
  EXPECT_EQ(twice.status, 1);
  EXPECT_NE(twice.out.find("already exists"), std::string::npos);
  CommandRun badSql = Ldr("sql '" + path + "' \"SELEKT 1\"");
  EXPECT_EQ(badSql.status, 1);
  EXPECT_NE(badSql.out.find("syntax error"), std::string::npos) << badSql.out;
  EXPECT_NE(Ldr("frobnicate").status, 0);
}
