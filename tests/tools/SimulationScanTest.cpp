// Contacts, coils and lines scan by scan.
#include "SimulationFixture.h"

namespace ldr::test {
namespace {

class SimulationScanTest : public SimulationFixture {};

// Start I1 AND NOT stop I2, OR the seal-in O1, drives O1.
TEST_F(SimulationScanTest, SealInCircuitHoldsUntilStop) {
  const long n = Net(1);
  Ladder().Element(n, 200, 0, 0, eOT_I, 1);
  Ladder().Element(n, 201, 6, 0, eOT_I, 2);
  Ladder().Line(n, 12, 0, 28, 0);
  Ladder().Element(n, 204, 40, 0, eOT_O, 1);
  Ladder().Element(n, 200, 0, 1, eOT_O, 1);
  Ladder().Line(n, 6, 0, 0, 1);
  std::vector<std::int64_t> trace;
  const std::vector<std::pair<const char*, int>> inputs = {{"I1", 1}, {"I1", 0}, {"I2", 1}, {"I2", 0}};
  for (const auto& [name, value] : inputs) {
    Scans(1);
    trace.push_back(Value("O1"));
    Set(name, value);
  }
  Scans(1);
  trace.push_back(Value("O1"));
  EXPECT_EQ(trace, (std::vector<std::int64_t>{0, 1, 1, 0, 0}));
}

// O1 = I1 AND I2; O2 = I3 OR I4, the branches joined by vertical lines at
// both ends (outlet on outlet).
TEST_F(SimulationScanTest, SeriesNeedsBothAndParallelNeedsEither) {
  const long n = Net(1);
  Ladder().Element(n, 200, 0, 0, eOT_I, 1);
  Ladder().Element(n, 200, 6, 0, eOT_I, 2);
  Ladder().Element(n, 204, 12, 0, eOT_O, 1);
  Ladder().Element(n, 200, 0, 2, eOT_I, 3);
  Ladder().Element(n, 200, 0, 3, eOT_I, 4);
  Ladder().Line(n, 6, 2, 0, 1);
  Ladder().Element(n, 204, 6, 2, eOT_O, 2);
  for (const auto& [i1, i2, i3, i4, o1, o2] : std::vector<std::array<int, 6>>{
           {0, 0, 0, 0, 0, 0}, {1, 0, 0, 1, 0, 1}, {0, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 1, 0}}) {
    Set("I1", i1);
    Set("I2", i2);
    Set("I3", i3);
    Set("I4", i4);
    Scans(1);
    EXPECT_EQ(Value("O1"), o1) << i1 << i2;
    EXPECT_EQ(Value("O2"), o2) << i3 << i4;
  }
}

TEST_F(SimulationScanTest, SetResetAndInvertedCoils) {
  const long n = Net(1);
  Ladder().Element(n, 200, 0, 0, eOT_I, 1);
  Ladder().Element(n, 206, 6, 0, eOT_MB, 1);
  Ladder().Element(n, 200, 0, 1, eOT_I, 2);
  Ladder().Element(n, 207, 6, 1, eOT_MB, 1);
  Ladder().Element(n, 200, 0, 2, eOT_I, 1);
  Ladder().Element(n, 205, 6, 2, eOT_O, 2);
  Scans(1);
  EXPECT_EQ(Value("O2"), 1);
  Set("I1", 1);
  Scans(1);
  EXPECT_EQ(Value("MB1"), 1);
  EXPECT_EQ(Value("O2"), 0);
  Set("I1", 0);
  Scans(2);
  EXPECT_EQ(Value("MB1"), 1) << "a set coil holds without power";
  Set("I2", 1);
  Scans(1);
  EXPECT_EQ(Value("MB1"), 0);
}

// A positive transition contact passes power in the one scan after its bit
// rose; a toggle coil behind it flips once per press. The negative transition
// counts releases.
TEST_F(SimulationScanTest, TransitionsSeeThePreviousScan) {
  const long n = Net(1);
  Ladder().Element(n, 202, 0, 0, eOT_I, 1);
  Ladder().Element(n, 212, 6, 0, eOT_O, 1);
  Ladder().Element(n, 203, 0, 1, eOT_I, 1);
  Ladder().Element(n, 212, 6, 1, eOT_O, 2);
  std::vector<std::int64_t> o1, o2;
  for (const int input : {0, 1, 1, 1, 0, 0, 1, 0}) {
    Set("I1", input);
    Scans(1);
    o1.push_back(Value("O1"));
    o2.push_back(Value("O2"));
  }
  EXPECT_EQ(o1, (std::vector<std::int64_t>{0, 1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(o2, (std::vector<std::int64_t>{0, 0, 0, 0, 1, 1, 1, 0}));
}

// Values live in the virtual controller: the on-line view reads the coil
// there, and a value the host writes there is what the next scan reads.
TEST_F(SimulationScanTest, ValuesLiveInTheVirtualController) {
  const long n = Net(1);
  Ladder().Element(n, 200, 0, 0, eOT_I, 5);
  Ladder().Element(n, 204, 6, 0, eOT_O, 7);
  Sim();
  mController->SetValue({eOT_I, 5, 0}, 1);
  Scans(1);
  EXPECT_EQ(mController->Value({eOT_O, 7, 0}), 1);
  Sim().Force(Key("I5"), 0);
  mController->SetValue({eOT_I, 5, 0}, 1);
  Scans(1);
  EXPECT_EQ(mController->Value({eOT_O, 7, 0}), 0) << "a forced input ignores other writes";
}

TEST_F(SimulationScanTest, UnknownElementIsReportedOnceAndStaysOpen) {
  const long n = Net(1);
  Ladder().Element(n, 1230, 0, 0);
  Ladder().Element(n, 204, 19, 0, eOT_O, 1);
  Ladder().Element(n, 204, 0, 1, eOT_O, 2);
  Scans(3);
  EXPECT_EQ(Value("O1"), 0);
  EXPECT_EQ(Value("O2"), 1) << "a coil on the rail always has power";
  ASSERT_EQ(Sim().Reports().size(), 1u);
  EXPECT_NE(Sim().Reports()[0].find("1230"), std::string::npos);
  EXPECT_NE(Sim().Reports()[0].find("net 1 of subroutine \"Main\""), std::string::npos);
}

TEST_F(SimulationScanTest, DisabledNetDoesNotRun) {
  Ladder().Element(Net(1), 204, 0, 0, eOT_O, 1);
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=?", {Net(1)});
  Scans(1);
  EXPECT_EQ(Value("O1"), 0);
}

} // namespace
} // namespace ldr::test
