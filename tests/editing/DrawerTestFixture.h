#pragma once
// A drawer on two in-memory boards (left 28 x 280, right 770 x 280) with a
// headless host over a new project, and helpers to read the boards' pixels.

#include "DrawerTestDoubles.h"

#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "editing/srvDrawer.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "support/ProjectFixture.h"

#include <memory>

namespace ldr::test {

inline constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
inline constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);
inline constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
inline constexpr gdi::COLORREF kGreen = gdi::RGB(0, 160, 0);
inline constexpr gdi::COLORREF kOrange = gdi::RGB(255, 128, 0);
inline constexpr gdi::COLORREF kPurple = gdi::RGB(128, 0, 128);

class DrawerTestFixture : public ProjectFixture {
protected:
  static constexpr int kBoardHeight = 280;

  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
    mCtx.Connection = mDb;
    mCtx.SetHost(mHost.Services);
    mCtx.State = std::make_unique<clsLdrState>(mCtx);
    mLeft = std::make_shared<MemoryPictureBoard>(28, kBoardHeight);
    mRight = std::make_shared<MemoryPictureBoard>(770, kBoardHeight);
    mDrawer = std::make_shared<srvDrawer>(mCtx);
    mCtx.Drawer = mDrawer.get();
    mDrawer->Init(mLeft, mRight);
    mDrawer->SetViewWidth(54);
    mDrawer->SetViewHeight(kBoardHeight / 14);
    mStrips = std::make_shared<KeyedCollection<itfStrip>>();
    mDrawer->SetStrips(mStrips.get());
  }

  template <typename T> std::shared_ptr<T> AddStrip(std::shared_ptr<T> strip) {
    mStrips->Add(strip->StripID(), strip);
    return strip;
  }
  std::shared_ptr<MarkerElement> Marker(std::int32_t id, std::int32_t x, std::int32_t y, gdi::COLORREF color,
                                        bool selected = false) {
    auto element = std::make_shared<MarkerElement>(mCtx, id, x, y, color);
    element->SetIsSelected(selected);
    return element;
  }
  // Pixels of the persistent image and of the visible surface.
  gdi::COLORREF Persistent(const MemoryPictureBoard& board, int x, int y) const {
    return board.PersistentImage().GetPixel(x, y);
  }
  gdi::COLORREF Visible(const MemoryPictureBoard& board, int x, int y) const {
    return board.VisibleImage().GetPixel(x, y);
  }
  // Paints both images of a board in one colour.
  void Paint(MemoryPictureBoard& board, gdi::COLORREF color) {
    board.PersistentImage().Fill(color);
    board.VisibleImage().Fill(color);
  }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mCtx;
  std::shared_ptr<MemoryPictureBoard> mLeft;
  std::shared_ptr<MemoryPictureBoard> mRight;
  std::shared_ptr<srvDrawer> mDrawer;
  std::shared_ptr<KeyedCollection<itfStrip>> mStrips;
};

} // namespace ldr::test
