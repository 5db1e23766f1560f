// The small ladder programs of tests/tools/programs, each an `ldr script`
// that builds a project and runs it in the simulator, against the trace
// expected beside it.
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ldr::test {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SimulationProgramsTest, EveryProgramGivesItsExpectedTrace) {
  const std::filesystem::path folder = std::filesystem::path(LDR_SOURCE_DIR) / "tests/tools/programs";
  int programs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".ldrs") continue;
    ++programs;
    TempDir dir;
    std::string script = ReadAll(entry.path());
    script.replace(script.find("$PROJECT"), 8, dir.File("program.ldrp"));
    const std::string scriptPath = dir.File("program.ldrs");
    std::ofstream(scriptPath) << script;
    const auto run = RunLdr("script " + Quoted(scriptPath));
    EXPECT_EQ(run.status, 0) << entry.path().filename() << run.out;
    auto expected = entry.path();
    EXPECT_EQ(run.out, ReadAll(expected.replace_extension(".expected"))) << entry.path().filename();
  }
  EXPECT_GE(programs, 8);
}

} // namespace
} // namespace ldr::test
