// Snapping a new element onto a neighbour and opening space below it.

#include "editing/PlacementSteps.h"
#include "EditingFixture.h"
#include "core/KeyCodes.h"
#include "editing/srvOperandsSelection.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

constexpr int kUp = eKey_Up;
constexpr int kDown = eKey_Down;
constexpr int kLeft = eKey_Left;

class PlacementStepsTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
  }
  std::shared_ptr<itfLdrElement> Placed(std::int32_t type, int x, int y) {
    auto element = Store(mNet, type, x, y);
    element->SetIsSelected(true);
    return element;
  }
  std::vector<int> Keys(long limit = 2) { return PlacementSteps::SnapKeys(Net(mNet), limit, limit); }

  std::shared_ptr<itfStrip> mNet;
};

TEST_F(PlacementStepsTest, TheNearestOutletWithinTheLimitsIsChosen) {
  Store(mNet, eET_DirectContact, 5, 5); // outlet (11, 5)
  Placed(eET_DirectCoil, 12, 6);
  EXPECT_EQ(Keys(), (std::vector<int>{kUp, kLeft}));
}

TEST_F(PlacementStepsTest, AboveTheOutletMovesDown) {
  Store(mNet, eET_DirectContact, 5, 8);
  Placed(eET_DirectCoil, 13, 6);
  EXPECT_EQ(Keys(), (std::vector<int>{kDown, kDown, kLeft, kLeft}));
}

TEST_F(PlacementStepsTest, NothingBeyondTheLimitsOrLeftOfTheOutlet) {
  Store(mNet, eET_DirectContact, 5, 5);
  auto placed = Placed(eET_DirectCoil, 14, 5); // three columns away
  EXPECT_TRUE(Keys(2).empty());
  EXPECT_EQ(Keys(3), (std::vector<int>{kLeft, kLeft, kLeft}));
  placed->SetIsSelected(false);
  Placed(eET_DirectCoil, 30, 12);
  Store(mNet, eET_DirectContact, 26, 12); // outlet (32, 12): to the right of the inlet
  EXPECT_TRUE(Keys().empty());
}

TEST_F(PlacementStepsTest, OnlyASingleSelectedElementSnaps) {
  Store(mNet, eET_DirectContact, 5, 5);
  Placed(eET_DirectCoil, 12, 5);
  EXPECT_EQ(Keys(), (std::vector<int>{kLeft}));
  Placed(eET_DirectCoil, 30, 5);
  EXPECT_TRUE(Keys().empty());
}

TEST_F(PlacementStepsTest, TheNetCarriesOutTheKeys) {
  Store(mNet, eET_DirectContact, 5, 5);
  auto placed = Placed(eET_DirectCoil, 12, 6);
  srvOperandsSelection keys(mCtx);
  PlacementSteps::Snap(mCtx, mNet.get(), [&](int key) { Net(mNet).KeyPress(key, keys); });
  EXPECT_EQ(placed->Inlet(), (tyLdrPoint{11, 5}));
  EXPECT_EQ(Scalar("SELECT Xs FROM LdrElements WHERE ElmntID=" + std::to_string(placed->ObjectID())), 11);
}

TEST_F(PlacementStepsTest, OpeningSpaceIsTheHostsChoice) {
  auto placed = Placed(eET_DirectContact, 5, 12); // bottom row 13
  KeyedCollection<itfStrip> strips;
  strips.Add(static_cast<long>(mNet->StripID()), mNet);
  EXPECT_CALL(mControl, ReLoad()).Times(0);
  EXPECT_FALSE(PlacementSteps::OpenSpace(mCtx, 2, mNet.get(), placed->ObjectID(), mControl, strips));
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mNet->StripID())), 14);
  ::testing::Mock::VerifyAndClearExpectations(&mControl);

  mHost.Settings->SetHostSetting(6000, 6003, "1");
  placed->SetIsSelected(false);
  EXPECT_CALL(mControl, ReLoad());
  EXPECT_CALL(*mDrawer, DrawAll());
  EXPECT_TRUE(PlacementSteps::OpenSpace(mCtx, 2, mNet.get(), placed->ObjectID(), mControl, strips));
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mNet->StripID())), 18);
  EXPECT_TRUE(placed->IsSelected()); // marked again
  auto comment = std::make_shared<PlainStrip>(999, 14, 3);
  EXPECT_FALSE(PlacementSteps::OpenSpace(mCtx, 2, comment.get(), placed->ObjectID(), mControl, strips));
}

} // namespace
} // namespace ldr::test
