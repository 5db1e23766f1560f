// The strip contract as the view, the drawer and the clipboard use it: the
// strip type numbers, a net reached through itfStrip and cast to itfLdrNet,
// and a replica that is a net of its own.
#include "NetTestFixture.h"

#include "core/enStripType.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class StripContract : public NetTestFixture {};

TEST(StripTypes, NumbersAreTheStoredOnes) {
  EXPECT_EQ(eST_Undefined, 0);
  EXPECT_EQ(eST_LdrNet, 1);
  EXPECT_EQ(eST_LdrComment, 2);
  EXPECT_EQ(eST_LdrLabel, 3);
  EXPECT_EQ(eST_LdrSTL, 4);
}

TEST_F(StripContract, NetIsReachedThroughBothInterfaces) {
  const long id = NetID(2);
  AddContact(id, 0, 4, 1);
  std::shared_ptr<itfStrip> strip = LoadNet(id, 5);
  auto net = std::dynamic_pointer_cast<itfLdrNet>(strip);
  ASSERT_TRUE(net);
  EXPECT_EQ(strip->StripID(), id);
  EXPECT_EQ(strip->Top(), 5);
  EXPECT_EQ(net->GetAllElements()->Count(), 1u);
  net->SetShowNum(9);
  EXPECT_EQ(std::dynamic_pointer_cast<clsLdrNet>(strip)->ShowNum(), 9);

  auto replica = strip->GetReplica();
  ASSERT_TRUE(replica);
  EXPECT_NE(replica, strip);
  auto replicaNet = std::dynamic_pointer_cast<itfLdrNet>(replica);
  ASSERT_TRUE(replicaNet);
  EXPECT_NE(replicaNet->GetAllElements(), net->GetAllElements());
  EXPECT_EQ(replicaNet->GetAllElements()->Count(), 1u);
  EXPECT_EQ(replica->Top(), 5);
}

TEST_F(StripContract, PrintedNetPutsItsElementsOnTheirGridPoints) {
  const long id = NetID();
  AddContact(id, 4, 3, 1);
  auto net = LoadNet(id, 2);
  gdi::DeviceContext page = Surface(770, 300);
  net->PrintStrip(page);
  EXPECT_EQ(page.WindowOrg(), (gdi::Point{0, 0}));
  EXPECT_EQ(page.GetPixel(27, 28 + 10), kBlack);                // the power rail
  EXPECT_EQ(page.GetPixel(14 * (2 + 4), 14 * (2 + 3)), kBlack); // the rung starts on the inlet
  EXPECT_EQ(page.GetPixel(14 * (2 + 4) - 1, 14 * (2 + 3)), kBackground);
}

} // namespace
} // namespace ldr::test
