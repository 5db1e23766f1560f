// `ldr simulate`: the CSV trace, bad arguments (exit 2) and a program fault
// (exit 1, rows so far kept).
#include "support/CommandLine.h"
#include "support/LadderBuilder.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class SimulateCommandTest : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    LadderBuilder ladder(Db());
    const long net = ladder.Strip(2, 1);
    ladder.Element(net, 200, 0, 0, 9, 1);
    ladder.Element(net, 204, 6, 0, 10, 3);
    mDb.reset();
  }
  CommandRun Simulate(const std::string& args) { return RunLdr("simulate " + Quoted(ProjectPath()) + " " + args); }
};

TEST_F(SimulateCommandTest, PrintsOneRowPerScanOfTheWatchedOperands) {
  const auto run = Simulate("--scans 4 --set I1=1@2 --set I1=0@4 --watch I1 --watch O3");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "scan,I1,O3\n1,0,0\n2,1,1\n3,1,1\n4,0,0\n");
}

TEST_F(SimulateCommandTest, BadOperandsAndValuesExitWithTwo) {
  for (const char* args : {"--scans 2 --watch Q1", "--scans 2 --watch MB99999", "--scans 2 --set I1=x@1",
                           "--scans 2 --set I1=1@3", "--scans 0"}) {
    const auto run = Simulate(args);
    EXPECT_EQ(run.status, 2) << args << run.out;
    EXPECT_NE(run.out.find("ldr: simulate: "), std::string::npos) << args;
  }
}

TEST_F(SimulateCommandTest, AFaultStopsTheTraceNamingTheNet) {
  {
    auto db = db::Connection::Open(ProjectPath(), db::OpenMode::ExistingReadWrite);
    LadderBuilder ladder(*db);
    ladder.Element(ladder.Strip(2, 2), 200, 0, 0, 9, 2);
    ladder.Element(ladder.Strip(2, 2), 600, 6, 0, 29, 32000);
  }
  const auto run = Simulate("--scans 3 --set I2=1@2 --watch O3");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("scan,O3\n1,0\nldr: simulate: scan 2: net 2 of subroutine \"Main\": jump to a missing label"),
            std::string::npos)
      << run.out;
}

} // namespace
} // namespace ldr::test
