// Rectangle selection on a loaded net: touching is enough, sharing an edge
// is not, and a band started outside a net selects nothing.

#include "editing/srvRectSelector.h"
#include "EditingFixture.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"

namespace ldr::test {
namespace {

class RectSelector : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
    mSelector = std::make_shared<srvRectSelector>(mCtx);
    mSelector->Init(mControl, *mDrawer);
  }
  // A band dragged from (x1, y1) to (x2, y2), element points of the net.
  void Band(int x1, int y1, int x2, int y2) {
    PointAt(mNet, x1, y1);
    mSelector->MouseDown(mNet);
    PointAt(mNet, x2, y2);
    mSelector->MouseMove(mNet);
    mSelector->MouseUp(mNet);
  }

  std::shared_ptr<itfStrip> mNet;
  std::shared_ptr<srvRectSelector> mSelector;
};

TEST_F(RectSelector, ABandSelectsWhatItCrossesButNotWhatOnlySharesAnEdge) {
  auto contact = Store(mNet, 200, 10, 5);
  auto line = StoreLine(mNet, 30, 8, 6, 0);
  Net(mNet).ReloadAllElements();
  const Rect box = contact->GetBoundingRect();
  auto selected = [&] { return Net(mNet).GetSelectedElements()->Count(); };

  Band(box.Left - 3, box.Top - 1, box.Left, box.Bottom); // up to the left edge only
  EXPECT_EQ(selected(), 0u);
  Band(box.Left - 3, box.Top - 1, box.Left + 1, box.Bottom);
  EXPECT_EQ(selected(), 1u);
  // Across the line's middle, well inside neither end.
  Band(32, 6, 34, 10);
  EXPECT_EQ(selected(), 2u);
  (void)line;
}

TEST_F(RectSelector, ABandStartedOutsideANetSelectsNothing) {
  Store(mNet, 200, 10, 5);
  Net(mNet).ReloadAllElements();
  mSelector->MouseDown(nullptr);
  PointAt(mNet, 40, 12);
  mSelector->MouseMove(mNet);
  mSelector->MouseUp(mNet);
  EXPECT_EQ(Net(mNet).GetSelectedElements()->Count(), 0u);
}

} // namespace
} // namespace ldr::test
