// Compare and math boxes, store, timers, counters and clocks.
#include "SimulationFixture.h"

namespace ldr::test {
namespace {

class SimulationBoxTest : public SimulationFixture {};

// MI1 > constant 10 drives O1 (the box's outlet is 13 columns on).
TEST_F(SimulationBoxTest, CompareDrivesACoil) {
  const long box = Ladder().Element(Net(1), 300, 0, 0);
  Ladder().Input(box, 1, eOT_MI, 1);
  Ladder().Input(box, 2, eOT_ConstInt, 4);
  Ladder().PowerUp(eOT_ConstInt, 4, 10);
  Ladder().Element(Net(1), 204, 13, 0, eOT_O, 1);
  Set("MI1", 10);
  Scans(1);
  EXPECT_EQ(Value("O1"), 0);
  Set("MI1", 11);
  Scans(1);
  EXPECT_EQ(Value("O1"), 1);
}

// ADD wraps at the output's 16 bits; DIV by zero leaves its output and
// passes no power.
TEST_F(SimulationBoxTest, MathWrapsAndDivisionByZeroStaysOpen) {
  const long add = Ladder().Element(Net(1), 405, 0, 0);
  Ladder().Input(add, 1, eOT_MI, 1);
  Ladder().Input(add, 2, eOT_MI, 2);
  Ladder().Output(add, 1, eOT_MI, 3);
  const long div = Ladder().Element(Net(2), 401, 0, 0);
  Ladder().Input(div, 1, eOT_MI, 1);
  Ladder().Input(div, 2, eOT_MI, 4);
  Ladder().Output(div, 1, eOT_MI, 5);
  Ladder().Element(Net(2), 204, 19, 0, eOT_O, 1);
  Set("MI1", 32767);
  Set("MI2", 2);
  Set("MI5", 7);
  Scans(1);
  EXPECT_EQ(Value("MI3"), -32767);
  EXPECT_EQ(Value("MI5"), 7);
  EXPECT_EQ(Value("O1"), 0);
  Set("MI4", 2);
  Scans(1);
  EXPECT_EQ(Value("MI5"), 16383);
  EXPECT_EQ(Value("O1"), 1);
}

// Store indirect [MI]: MI1 into the MI whose address MI2 holds; load
// indirect [MI] back into MI4 through the pointer MI3; an ADD of three inputs;
// the in-range box B <= A <= C.
TEST_F(SimulationBoxTest, IndirectStoreAndLoadAddOfThreeAndInRange) {
  const long store = Ladder().Element(Net(1), 901, 0, 0);
  Ladder().Input(store, 1, eOT_MI, 1);
  Ladder().Output(store, 1, eOT_MI, 2);
  const long load = Ladder().Element(Net(2), 1000, 0, 0);
  Ladder().Input(load, 1, eOT_MI, 3);
  Ladder().Output(load, 1, eOT_MI, 4);
  const long add = Ladder().Element(Net(3), 501, 0, 0);
  for (long slot = 1; slot <= 3; ++slot) Ladder().Input(add, slot, eOT_MI, slot);
  Ladder().Output(add, 1, eOT_ML, 5);
  const long range = Ladder().Element(Net(4), 1701, 0, 0);
  for (long slot = 1; slot <= 3; ++slot) Ladder().Input(range, slot, eOT_MI, 9 + slot);
  Ladder().Element(Net(4), 204, 13, 0, eOT_O, 1);
  Set("MI1", 42);
  Set("MI2", 100);
  Set("MI3", 100);
  Set("MI10", 5);
  Set("MI11", 5);
  Set("MI12", 6);
  Scans(1);
  EXPECT_EQ(Value("MI100"), 42);
  EXPECT_EQ(Value("MI4"), 42);
  EXPECT_EQ(Value("ML5"), 42 + 100 + 100);
  EXPECT_EQ(Value("O1"), 1);
  Set("MI2", 5000); // beyond the last MI: nothing is written
  Set("MI10", 7);
  Scans(1);
  EXPECT_EQ(Value("MI100"), 42);
  EXPECT_EQ(Value("O1"), 0);
}

// I1 drives timer T1 (preset 30 ms from its power-up value, scans of 10 ms);
// the timer's contact drives O1.
TEST_F(SimulationBoxTest, OnDelayTimer) {
  Ladder().PowerUp(eOT_T, 1, 30);
  Ladder().Element(Net(1), 200, 0, 0, eOT_I, 1);
  Ladder().Element(Net(1), 204, 6, 0, eOT_T, 1);
  Ladder().Element(Net(2), 200, 0, 0, eOT_T, 1);
  Ladder().Element(Net(2), 204, 6, 0, eOT_O, 1);
  Set("I1", 1);
  std::vector<std::int64_t> bits, outputs;
  for (int scan = 1; scan <= 5; ++scan) {
    if (scan == 5) Set("I1", 0);
    Scans(1);
    bits.push_back(Value("T1"));
    outputs.push_back(Value("O1"));
  }
  EXPECT_EQ(bits, (std::vector<std::int64_t>{0, 0, 1, 1, 0}));
  EXPECT_EQ(outputs, (std::vector<std::int64_t>{0, 0, 0, 1, 0}));
}

// A preset stored by the timer box, and the current value loaded back.
TEST_F(SimulationBoxTest, TimerBoxesStoreThePresetAndLoadTheCurrentValue) {
  const long store = Ladder().Element(Net(1), 1100, 0, 0);
  Ladder().Input(store, 1, eOT_MI, 1);
  Ladder().Output(store, 1, eOT_T, 2);
  Ladder().Element(Net(2), 204, 0, 0, eOT_T, 2);
  const long load = Ladder().Element(Net(3), 1103, 0, 0);
  Ladder().Input(load, 1, eOT_T, 2);
  Ladder().Output(load, 1, eOT_MI, 2);
  Set("MI1", 100);
  Scans(3);
  EXPECT_EQ(Sim().TimerPreset(Key("T2")), 100);
  EXPECT_EQ(Value("MI2"), 20) << "loaded during scan 3, before that scan's 10 ms were added";
  EXPECT_EQ(Sim().TimerCurrent(Key("T2")), 30);
}

// The counter counts rising edges of its coil's power up to its preset;
// the reset coil clears it.
TEST_F(SimulationBoxTest, CounterCountsRisingEdges) {
  Ladder().PowerUp(eOT_C, 1, 2);
  Ladder().Element(Net(1), 200, 0, 0, eOT_I, 1);
  Ladder().Element(Net(1), 204, 6, 0, eOT_C, 1);
  Ladder().Element(Net(1), 200, 0, 1, eOT_I, 2);
  Ladder().Element(Net(1), 207, 6, 1, eOT_C, 1);
  std::vector<std::int64_t> bits;
  for (const auto& [i1, i2] : std::vector<std::pair<int, int>>{{1, 0}, {1, 0}, {0, 0}, {1, 0}, {0, 1}}) {
    Set("I1", i1);
    Set("I2", i2);
    Scans(1);
    bits.push_back(Value("C1"));
  }
  EXPECT_EQ(bits, (std::vector<std::int64_t>{0, 0, 0, 1, 0}));
}

// An hour clock from 08:00 to 09:00 on a clock starting at 07:59 with scans
// of one minute.
TEST_F(SimulationBoxTest, HourClockFollowsTheSimulatedClock) {
  const long clock = Ladder().Element(Net(1), 700, 0, 0);
  Ladder().SetParam(clock, 0x08000900);
  Ladder().Element(Net(1), 204, 13, 0, eOT_O, 1);
  ASSERT_TRUE(Sim().Clock().SetStart("2026-03-02T07:59"));
  Sim().SetScanMs(60000);
  std::vector<std::int64_t> trace;
  for (int scan = 0; scan < 63; ++scan) {
    Scans(1);
    if (scan < 2 || scan > 59) trace.push_back(Value("O1"));
  }
  EXPECT_EQ(trace, (std::vector<std::int64_t>{0, 1, 1, 1, 0})) << "07:59, 08:00, 08:59, 09:00, 09:01";
  EXPECT_FALSE(Sim().Clock().SetStart("2026-02-30T07:59"));
}

} // namespace
} // namespace ldr::test
