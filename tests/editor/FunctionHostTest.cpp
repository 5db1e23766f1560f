// The function view as a host runs it: the standard parts (real strips and
// drawer), the main object, in-memory boards and the main board's scroll bar
// wired back to the main object as a host wires it.

#include "editor/StandardParts.h"
#include "editor/clsLdrFunction.h"
#include "editor/clsLdrMain.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/boards/ScrollBarEvents.h"
#include "platform/drawing/GdiTypes.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace ldr;

namespace {

constexpr int kWidth = 798, kHeight = 700; // 50 rows
const gdi::COLORREF kGrey = gdi::RGB(192, 192, 192);

class FunctionHost : public test::ProjectFixture, public ScrollBarEvents {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, std::make_shared<MemoryLog>(), mDir.File("host-settings.ini"));
    mMainBoard = std::make_shared<MemoryMainBoard>();
    mRight = std::make_shared<MemoryPictureBoard>(kWidth - 28, kHeight);
    mHost.Gui->AttachScrollBars(mMainBoard->ScrollBar("vscrl"), mMainBoard->ScrollBar("hscrl"));
    mMainBoard->ScrollBar("vscrl").AddListener(this);
    mMain = std::make_unique<clsLdrMain>(mHost.Services, MakeStandardParts());
    mMain->Init(mMainBoard, std::make_shared<MemoryPictureBoard>(28, kHeight), mRight);
    mMain->Resize(kWidth, kHeight);
  }
  void TearDown() override {
    mMainBoard->ScrollBar("vscrl").RemoveListener(this);
    mMain->Terminate();
  }
  void OnChange(BoardScrollBar&, int value) override {
    ++mChanges;
    mMain->VerticalScrollBarChange(value);
  }

  clsLdrFunction& View() { return dynamic_cast<clsLdrFunction&>(*mMain->View()); }
  BoardScrollBar& Bar() { return mMainBoard->ScrollBar("vscrl"); }
  std::vector<long> ViewIDs() {
    std::vector<long> ids;
    for (const auto& [key, strip] : *View().Strips()) ids.push_back(strip->StripID());
    return ids;
  }
  std::vector<long> LoadedIDs() { return Longs("SELECT StripID FROM LdrStrips WHERE IsLoaded<>0 ORDER BY SeqNum"); }
  std::vector<long> StripIDs() { return Longs("SELECT StripID FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum"); }
  gdi::COLORREF RightPixel(int x, int y) { return mRight->VisibleImage().GetPixel(x, y); }

  HeadlessHost mHost;
  std::shared_ptr<MemoryMainBoard> mMainBoard;
  std::shared_ptr<MemoryPictureBoard> mRight;
  std::unique_ptr<clsLdrMain> mMain;
  int mChanges = 0;
};

TEST_F(FunctionHost, LoadingShowsTheFirstNetsAndSetsTheBar) {
  mMain->LoadFunction(2);
  const auto ids = StripIDs();
  EXPECT_EQ(ViewIDs(), std::vector<long>(ids.begin(), ids.begin() + 4)); // tops 0, 14, 28, 42
  EXPECT_EQ(LoadedIDs(), ViewIDs());
  EXPECT_EQ(Bar().Max(), 17 * 14 - 50);
  EXPECT_EQ(Bar().Value(), 0);
  // The first net's bottom line is drawn on its 14th row.
  EXPECT_EQ(RightPixel(400, 14 * 14), kGrey);
}

TEST_F(FunctionHost, TheBarMovesTheViewAndThePicture) {
  mMain->LoadFunction(2);
  Bar().SetValue(7);
  EXPECT_EQ(View().VerticalScrollLocation(), 7);
  EXPECT_EQ(mDb->QueryValue("SELECT VscrlPos FROM LdrFunctions WHERE FuncID=2").AsLong(), 7);
  EXPECT_EQ(RightPixel(400, 7 * 14), kGrey);
  EXPECT_NE(RightPixel(400, 14 * 14), kGrey);
  Bar().SetValue(14);
  const auto ids = StripIDs();
  EXPECT_EQ(ViewIDs(), std::vector<long>(ids.begin() + 1, ids.begin() + 5));
  EXPECT_EQ(LoadedIDs(), ViewIDs());
}

TEST_F(FunctionHost, ReopeningComesBackWhereTheUserLeft) {
  mMain->LoadFunction(2);
  Bar().SetValue(30);
  mMain->LoadFunction(1);
  EXPECT_EQ(Bar().Value(), 0);
  mMain->LoadFunction(2);
  EXPECT_EQ(Bar().Value(), 30);
  EXPECT_EQ(View().VerticalScrollLocation(), 30);
  EXPECT_EQ(LoadedIDs(), ViewIDs());
}

TEST_F(FunctionHost, GoingToAStripMovesTheBarOnce) {
  mMain->LoadFunction(2);
  const auto ids = StripIDs();
  mChanges = 0;
  mMain->GotoLabel(1, 2, ids[9]);
  EXPECT_EQ(mChanges, 1);
  EXPECT_EQ(Bar().Value(), 9 * 14);
  EXPECT_EQ(View().CurrentStripID(), ids[9]);
  EXPECT_EQ(LoadedIDs(), ViewIDs());
}

TEST_F(FunctionHost, ACollapseClickShortensTheSubroutine) {
  mMain->LoadFunction(2);
  mRight->MouseDown(1, 0, 7, 14);
  mRight->MouseUp(1, 0, 7, 14);
  EXPECT_EQ(mDb->QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE IsCollapsed<>0").AsLong(), 1);
  EXPECT_EQ(Bar().Max(), 16 * 14 + 1 - 50);
  EXPECT_EQ(View().Strips()->At(1)->Top(), 1);
}

} // namespace
