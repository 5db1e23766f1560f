// `ldr export-plcopen` and `ldr dump` run as a user runs them.
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ldr::test::CommandRun;
using ldr::test::Quoted;
using ldr::test::RunLdr;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string Read(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ExportCommands, ExportWritesTheFileAndWarnsAboutWhatItCannotCarry) {
  ldr::test::TempDir dir;
  const std::string project = Quoted(dir.File("p.ldrp"));
  const std::string xml = dir.File("p.xml");
  ASSERT_EQ(RunLdr("new " + project).status, 0);
  ASSERT_EQ(RunLdr("sql " + project +
                   " \"INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) SELECT StripID, 200, 0, 3 "
                   "FROM LdrStrips WHERE FuncID=2 AND SeqNum=1\"")
                .status,
            0);
  const CommandRun first = RunLdr("export-plcopen " + project + " -o " + Quoted(xml) + " --func 2");
  ASSERT_EQ(first.status, 0) << first.out;
  EXPECT_THAT(first.out, HasSubstr("warning: Module 1.Main net 1: element 200 at (0,3) has no operand"));
  EXPECT_THAT(Read(xml), StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  EXPECT_THAT(Read(xml), HasSubstr("<pou name=\"Module_1_Main\" pouType=\"program\">"));
  EXPECT_THAT(Read(xml), Not(HasSubstr("Module_1_Start\" pouType")));

  const CommandRun unknown = RunLdr("export-plcopen " + project + " -o " + Quoted(dir.File("x.xml")) + " --func 999");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_THAT(unknown.out, HasSubstr("no subroutine with id 999"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.xml")));
}

TEST(ExportCommands, DumpBeforeAndAfterAGestureShowsExactlyThatEdit) {
  ldr::test::TempDir dir;
  const std::string path = dir.File("p.ldrp");
  ASSERT_EQ(RunLdr("new " + Quoted(path)).status, 0);
  const CommandRun before = RunLdr("dump " + Quoted(path));
  ASSERT_EQ(before.status, 0) << before.out;
  std::ofstream(dir.File("edit.txt")) << "open " << path << "\ninit\nload 2\noperand MB 12\n"
                                      << "tool ID_LDirectContact\nclick 84 70\n";
  ASSERT_EQ(RunLdr("script " + Quoted(dir.File("edit.txt"))).status, 0);
  const CommandRun after = RunLdr("dump " + Quoted(path));
  ASSERT_EQ(after.status, 0) << after.out;

  const auto old = Lines(before.out);
  const auto now = Lines(after.out);
  ASSERT_EQ(now.size(), old.size() + 1) << after.out;
  std::size_t i = 0;
  while (i < old.size() && old[i] == now[i]) ++i;
  EXPECT_THAT(now[i], AllOf(HasSubstr("\"Direct Contact\" 200 at "), HasSubstr(" in1=MB 12")));
  EXPECT_TRUE(std::equal(old.begin() + i, old.end(), now.begin() + i + 1));
}

} // namespace
