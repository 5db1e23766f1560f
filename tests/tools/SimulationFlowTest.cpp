// Jumps, calls and returns, and the faults that stop a simulation.
#include "SimulationFixture.h"

namespace ldr::test {
namespace {

class SimulationFlowTest : public SimulationFixture {};

// Net 1: I1 jumps to the label; net 2 (skipped by the jump) drives O1; the
// label; net 3 drives O2.
TEST_F(SimulationFlowTest, JumpSkipsTheNetsBeforeItsLabel) {
  const long label = Ladder().Label(2, 3, "Skip");
  const long jump = Ladder().Element(Net(1), 200, 0, 0, eOT_I, 1);
  (void)jump;
  Ladder().Element(Net(1), 600, 6, 0, eOT_Label, label);
  Ladder().Element(Net(2), 200, 0, 0, eOT_I, 2);
  Ladder().Element(Net(2), 204, 6, 0, eOT_O, 1);
  Ladder().Element(Net(4), 200, 0, 0, eOT_I, 2);
  Ladder().Element(Net(4), 204, 6, 0, eOT_O, 2);
  Set("I2", 1);
  Scans(1);
  EXPECT_EQ(Value("O1"), 1);
  Set("I1", 1);
  Set("I2", 0);
  Scans(1);
  EXPECT_EQ(Value("O1"), 1) << "the skipped net keeps its coil";
  EXPECT_EQ(Value("O2"), 0);
}

TEST_F(SimulationFlowTest, CallRunsTheSubroutineWhilePowered) {
  const long sub = Ladder().Subroutine("Pump");
  Ladder().Element(Net(1), 200, 0, 0, eOT_I, 1);
  Ladder().Element(Net(1), 601, 6, 0, eOT_Subroutine, sub);
  Ladder().Element(Net(1, sub), 200, 0, 0, eOT_I, 2);
  Ladder().Element(Net(1, sub), 204, 6, 0, eOT_O, 3);
  Set("I2", 1);
  Scans(1);
  EXPECT_EQ(Value("O3"), 0);
  Set("I1", 1);
  Scans(1);
  EXPECT_EQ(Value("O3"), 1);
}

TEST_F(SimulationFlowTest, StartSubroutineRunsOnlyInTheFirstScan) {
  Ladder().Element(Net(1, 1), 207, 0, 0, eOT_MB, 1);
  Ladder().Element(Net(1, 1), 206, 0, 1, eOT_MB, 2);
  Ladder().Element(Net(1), 206, 0, 0, eOT_MB, 1);
  Scans(2);
  EXPECT_EQ(Value("MB1"), 1) << "the start subroutine's reset does not repeat";
  EXPECT_EQ(Value("MB2"), 1);
}

TEST_F(SimulationFlowTest, FaultsNameTheNetStopAndLeaveTheProjectAlone) {
  const long self = Ladder().Subroutine("Loop");
  Ladder().Element(Net(2), 601, 0, 0, eOT_Subroutine, self);
  Ladder().Element(Net(1, self), 200, 0, 0, eOT_I, 1);
  Ladder().Element(Net(1, self), 601, 6, 0, eOT_Subroutine, self);
  const long changesBefore = Scalar("SELECT total_changes()");
  Scans(1);
  Set("I1", 1);
  const std::string fault = FaultOfScan();
  EXPECT_NE(fault.find("net 1 of subroutine \"Loop\": subroutine \"Loop\" calls itself"), std::string::npos) << fault;
  EXPECT_TRUE(Sim().Stopped());
  EXPECT_EQ(FaultOfScan(), fault) << "a stopped simulation stays stopped";
  EXPECT_EQ(Scalar("SELECT total_changes()"), changesBefore);
}

TEST_F(SimulationFlowTest, JumpToAMissingLabelAndEndlessLoopsStop) {
  Ladder().Element(Net(3), 200, 0, 0, eOT_I, 1);
  Ladder().Element(Net(3), 600, 6, 0, eOT_Label, 32000);
  const long back = Ladder().Label(2, 1, "Top");
  Ladder().Element(Net(3), 200, 0, 0, eOT_I, 2);
  Ladder().Element(Net(3), 600, 6, 0, eOT_Label, back);
  Set("I1", 1);
  EXPECT_NE(FaultOfScan().find("net 3 of subroutine \"Main\": jump to a missing label"), std::string::npos);
  Sim().Restart();
  Set("I2", 1);
  EXPECT_NE(FaultOfScan().find("scan limit exceeded"), std::string::npos);
}

TEST_F(SimulationFlowTest, SubroutineWithoutReturnStops) {
  const long sub = Ladder().Subroutine("Open");
  Db().Execute("DELETE FROM LdrElements WHERE ElmntType=602 AND StripID=?", {Net(2, sub)});
  Ladder().Element(Net(1), 601, 0, 0, eOT_Subroutine, sub);
  EXPECT_NE(FaultOfScan().find("subroutine \"Open\" ends without a return (after net 2)"), std::string::npos);
}

} // namespace
} // namespace ldr::test
