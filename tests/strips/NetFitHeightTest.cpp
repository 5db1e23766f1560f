// A double click on a net's header or resize handle fits its height to the
// rows its elements use and has the subroutine loaded again.

#include "NetTestFixture.h"

#include "core/ViewRefresh.h"
#include "outside/headless/HeadlessGui.h"

namespace ldr::test {
namespace {

class ReloadCountingControl : public RecordingProcessControl, public ViewRefresh {
public:
  void RedrawAll() override {}
  void ReLoad() override { ++Reloads; }
  int Reloads = 0;
};

class NetFitHeight : public NetTestFixture {
protected:
  void SetUp() override {
    NetTestFixture::SetUp();
    mCtx.State->SetView(&mControl);
    mStrip = NetID(1);
    Db().Execute("UPDATE LdrStrips SET Height=14 WHERE StripID=" + std::to_string(mStrip));
  }
  void TearDown() override {
    mCtx.State->SetView(nullptr);
    NetTestFixture::TearDown();
  }
  long StoredHeight() { return Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mStrip)); }
  void DoubleClickAt(std::int32_t x, std::int32_t y, std::int32_t vertSide = 0) {
    auto net = LoadNet(mStrip);
    HitRecord hit;
    hit.X = x;
    hit.Y = y;
    hit.VertSide = vertSide;
    hit.Button = 1;
    net->HitTestByPoint(hit);
    net->DoubleClick(mControl);
  }

  ReloadCountingControl mControl;
  long mStrip = 0;
};

TEST_F(NetFitHeight, HeaderDoubleClickShrinksTheNetToItsUsedRows) {
  AddContact(mStrip, 0, 3, 1);
  DoubleClickAt(1, 5);
  // A contact at row 3 counts from row 0 and spans 4 rows; nothing moves up.
  EXPECT_EQ(StoredHeight(), 4);
  EXPECT_EQ(Scalar("SELECT Ys FROM LdrElements WHERE StripID=" + std::to_string(mStrip)), 3);
  EXPECT_EQ(mControl.Reloads, 1);
  EXPECT_EQ(mCtx.State->ReloadRequest(), eRR_Redraw);
  EXPECT_EQ(mCtx.Host->Gui->MousePointer(), eMPtr_Default);
}

TEST_F(NetFitHeight, ResizeHandleDoubleClickMovesTheElementsUpFirst) {
  // A compare element at row 6: the rows above it (5) go, then the net ends
  // below its 8 rows of two operand rows.
  AddElementRow(mStrip, 300, 0, 6);
  DoubleClickAt(1, 13);
  EXPECT_EQ(Scalar("SELECT Ys FROM LdrElements WHERE StripID=" + std::to_string(mStrip)), 1);
  EXPECT_EQ(StoredHeight(), 9);
  EXPECT_EQ(mControl.Reloads, 1);
}

TEST_F(NetFitHeight, EditZoneAndCollapseButtonDoNotResize) {
  AddContact(mStrip, 0, 3, 1);
  DoubleClickAt(10, 10); // edit zone: toggles the work mode instead
  DoubleClickAt(1, 0);   // collapse button
  EXPECT_EQ(StoredHeight(), 14);
  EXPECT_EQ(mControl.Reloads, 0);
  EXPECT_EQ(mControl.WorkMode, 1);
}

TEST_F(NetFitHeight, NetOfOnlyLinesKeepsItsHeightButIsReloaded) {
  AddElementRow(mStrip, 100, 0, 3, 4, 0);
  DoubleClickAt(1, 5);
  EXPECT_EQ(StoredHeight(), 14);
  EXPECT_EQ(mControl.Reloads, 1);
}

} // namespace
} // namespace ldr::test
