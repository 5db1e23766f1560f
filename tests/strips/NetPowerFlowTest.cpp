// On-line evaluation of a net: operands registered with the controller,
// contacts conducting by their values, and power passed along the lines.
#include "NetTestFixture.h"

#include "outside/operands/OperandType.h"
#include "outside/operands/VirtualController.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class NetPowerFlowTest : public NetTestFixture {
protected:
  void SetUp() override {
    NetTestFixture::SetUp();
    mStrip = NetID();
    mController = std::make_shared<VirtualController>();
  }
  long Line(long x, long y, long dx, long dy) { return AddElementRow(mStrip, dy ? 101 : 100, x, y, dx, dy); }
  // Evaluates the net and answers which of `ids` conduct.
  std::vector<bool> Conducting(const std::vector<long>& ids) {
    auto net = LoadNet(mStrip);
    net->AppendTestValue(mController);
    std::vector<bool> result;
    for (long id : ids) result.push_back(net->GetAllElements()->Find(id)->IsConducting());
    return result;
  }
  void SetBit(long address, long value) { mController->SetValue({eOT_MB, address, 0}, value); }

  long mStrip = 0;
  std::shared_ptr<VirtualController> mController;
};

TEST_F(NetPowerFlowTest, LineOnTheRailConductsAndALineAwayFromItDoesNot) {
  const long onRail = Line(0, 4, 5, 0);
  const long away = Line(1, 8, 5, 0);
  EXPECT_EQ(Conducting({onRail, away}), (std::vector<bool>{true, false}));
}

TEST_F(NetPowerFlowTest, LinesMeetingEndToEndConductWhateverTheirOrder) {
  const long third = Line(10, 4, 5, 0);
  const long second = Line(5, 4, 5, 0);
  const long first = Line(0, 4, 5, 0);
  EXPECT_EQ(Conducting({first, second, third}), (std::vector<bool>{true, true, true}));
}

TEST_F(NetPowerFlowTest, ContactPassesPowerOnlyWhenItsBitIsOn) {
  const long contact = AddContact(mStrip, 0, 4, 5);
  const long after = Line(6, 4, 4, 0);
  SetBit(5, 0);
  EXPECT_EQ(Conducting({contact, after}), (std::vector<bool>{false, false}));
  SetBit(5, 1);
  EXPECT_EQ(Conducting({contact, after}), (std::vector<bool>{true, true}));
  EXPECT_TRUE(mController->IsMonitored({eOT_MB, 5, 0}));
}

TEST_F(NetPowerFlowTest, ClosedContactBehindAnOpenOneStaysUnlitUntilPowerReachesIt) {
  const long first = AddContact(mStrip, 0, 4, 1);
  const long second = AddContact(mStrip, 6, 4, 2);
  const long after = Line(12, 4, 4, 0);
  SetBit(1, 0);
  SetBit(2, 1);
  EXPECT_EQ(Conducting({first, second, after}), (std::vector<bool>{false, false, false}));
  SetBit(1, 1);
  EXPECT_EQ(Conducting({first, second, after}), (std::vector<bool>{true, true, true}));
}

TEST_F(NetPowerFlowTest, VerticalLinesTakePowerAtEitherEnd) {
  // Rule a: the top of the line sits on the outlet of a conducting contact.
  const long contact = AddContact(mStrip, 0, 2, 1);
  const long down = Line(6, 2, 0, 3);
  // Rule b: the bottom of the line meets the end of a conducting line.
  const long rail = Line(0, 9, 12, 0);
  const long up = Line(12, 6, 0, 3);
  // Nothing feeds this one.
  const long loose = Line(30, 2, 0, 3);
  SetBit(1, 1);
  EXPECT_EQ(Conducting({contact, down, rail, up, loose}), (std::vector<bool>{true, true, true, true, false}));
}

TEST_F(NetPowerFlowTest, LineStartingWhereAConductingLineStartsConducts) {
  const long rail = Line(0, 6, 5, 0);
  const long riser = Line(5, 2, 0, 4);  // conducts through its bottom end (rule b)
  const long branch = Line(5, 2, 5, 0); // shares the riser's start (rule c)
  const long elsewhere = Line(20, 2, 5, 0);
  EXPECT_EQ(Conducting({rail, riser, branch, elsewhere}), (std::vector<bool>{true, true, true, false}));
}

TEST_F(NetPowerFlowTest, EvaluationStartsAfreshEachTime) {
  const long contact = AddContact(mStrip, 0, 4, 5);
  const long after = Line(6, 4, 4, 0);
  auto net = LoadNet(mStrip);
  SetBit(5, 1);
  net->AppendTestValue(mController);
  EXPECT_TRUE(net->GetAllElements()->Find(after)->IsConducting());
  SetBit(5, 0);
  net->AppendTestValue(mController);
  EXPECT_FALSE(net->GetAllElements()->Find(contact)->IsConducting());
  EXPECT_FALSE(net->GetAllElements()->Find(after)->IsConducting());
  EXPECT_TRUE(net->PowerRail());
}

} // namespace
} // namespace ldr::test
