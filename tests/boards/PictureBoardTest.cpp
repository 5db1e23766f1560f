// Picture boards: the two layers, resizing, mouse events and the rendered picture.

#include "platform/boards/BoardPicture.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "support/TempDir.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace ldr::test {
namespace {

using gdi::RGB;

constexpr gdi::COLORREF kWhite = RGB(255, 255, 255);
constexpr gdi::COLORREF kRed = RGB(255, 0, 0);
constexpr gdi::COLORREF kBlue = RGB(0, 0, 255);

TEST(PictureBoard, AutoRedrawChoosesTheLayerAndRefreshShowsThePersistentImage) {
  MemoryPictureBoard board(770, 700);
  board.SetAutoRedraw(true);
  board.hDC().SetPixel(10, 10, kRed);
  EXPECT_EQ(board.PersistentImage().GetPixel(10, 10), kRed);
  EXPECT_EQ(board.VisibleImage().GetPixel(10, 10), kWhite); // not shown yet

  board.SetAutoRedraw(false);
  board.hDC().SetPixel(20, 20, kBlue); // a draft on the visible surface only
  EXPECT_EQ(board.VisibleImage().GetPixel(20, 20), kBlue);
  EXPECT_EQ(board.PersistentImage().GetPixel(20, 20), kWhite);

  board.Refresh(); // shows the picture and wipes the draft
  EXPECT_EQ(board.VisibleImage().GetPixel(10, 10), kRed);
  EXPECT_EQ(board.VisibleImage().GetPixel(20, 20), kWhite);
  EXPECT_TRUE(board.VisibleImage().SamePixels(board.PersistentImage()));
}

TEST(PictureBoard, EachLayerKeepsItsDeviceContextState) {
  MemoryPictureBoard board(100, 100);
  board.SetAutoRedraw(true);
  board.hDC().OffsetViewportOrg(14, 28);
  board.SetAutoRedraw(false);
  EXPECT_EQ(board.hDC().ViewportOrg(), (gdi::Point{0, 0}));
  board.SetAutoRedraw(true);
  EXPECT_EQ(board.hDC().ViewportOrg(), (gdi::Point{14, 28}));
}

TEST(PictureBoard, ResizeKeepsThePictureAndTheDeviceContexts) {
  MemoryPictureBoard board(50, 40);
  board.SetAutoRedraw(true);
  gdi::DeviceContext* dc = &board.hDC();
  dc->SelectObject(gdi::Pen::Solid(kRed));
  dc->SetPixel(49, 39, kBlue);
  board.Resize(80, 30);
  EXPECT_EQ(board.Width(), 80);
  EXPECT_EQ(board.Height(), 30);
  EXPECT_EQ(&board.hDC(), dc);
  EXPECT_EQ(board.hDC().CurrentPen().Color(), kRed);
  EXPECT_EQ(board.hDC().Width(), 80);
  EXPECT_EQ(board.PersistentImage().GetPixel(79, 29), kWhite);
  board.Resize(80, 45);
  EXPECT_EQ(board.PersistentImage().GetPixel(49, 39), kWhite); // cut off by the smaller size
  EXPECT_THROW(board.Resize(0, 10), std::invalid_argument);
}

struct RecordingListener : PictureBoardEvents {
  std::vector<std::string> Events;
  void Record(const char* what, int button, int shift, int x, int y) {
    Events.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                     std::to_string(x) + " " + std::to_string(y));
  }
  void OnMouseDown(PictureBoard&, int b, int s, int x, int y) override { Record("down", b, s, x, y); }
  void OnMouseMove(PictureBoard&, int b, int s, int x, int y) override { Record("move", b, s, x, y); }
  void OnMouseUp(PictureBoard&, int b, int s, int x, int y) override { Record("up", b, s, x, y); }
  void OnDblClick(PictureBoard&, int b, int s, int x, int y) override { Record("dbl", b, s, x, y); }
  void OnClick(PictureBoard&) override { Events.push_back("click"); }
};

TEST(PictureBoard, MouseEventsReachEveryListenerWithButtonShiftAndPosition) {
  MemoryPictureBoard board(100, 100);
  RecordingListener first, second;
  board.AddListener(&first);
  board.AddListener(&second);
  board.AddListener(&first); // once only
  board.MouseDown(1, 2, 30, 40);
  board.MouseMove(1, 3, 31, -5);
  board.MouseUp(1, 0, 32, 42);
  board.MouseUp(2, 0, 32, 42); // no click: the right button never went down
  board.RemoveListener(&second);
  board.DblClick(1, 4, 5, 6);
  EXPECT_EQ(first.Events, (std::vector<std::string>{"down 1 2 30 40", "move 1 3 31 -5", "up 1 0 32 42", "click",
                                                    "up 2 0 32 42", "dbl 1 4 5 6"}));
  EXPECT_EQ(second.Events.size(), 5u);
}

TEST(PictureBoard, RenderWritesBothBoardsSideBySide) {
  TempDir dir;
  MemoryPictureBoard left(28, 700);
  MemoryPictureBoard right(770, 650);
  left.hDC().SetPixel(27, 0, kRed);
  right.hDC().SetPixel(0, 0, kBlue);
  std::string path = dir.File("boards.png");
  RenderBoards(left, right, path);

  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  gdi::Bitmap picture = gdi::Bitmap::Adopt(png);
  EXPECT_EQ(picture.Width(), 28 + 770);
  EXPECT_EQ(picture.Height(), 700);
  EXPECT_EQ(picture.GetPixel(27, 0), kRed);
  EXPECT_EQ(picture.GetPixel(28, 0), kBlue); // no gap
  EXPECT_EQ(picture.GetPixel(100, 680), kWhite);
}

TEST(PictureBoard, RenderChoosesTheFormatByExtension) {
  TempDir dir;
  MemoryPictureBoard left(28, 100);
  MemoryPictureBoard right(770, 100);
  RenderBoards(left, right, dir.File("boards.svg"));
  RenderBoards(left, right, dir.File("boards.PDF"));
  std::ifstream svg(dir.File("boards.svg"));
  std::string svgText((std::istreambuf_iterator<char>(svg)), {});
  EXPECT_NE(svgText.find("<svg"), std::string::npos);
  EXPECT_NE(svgText.find("798"), std::string::npos);
  std::ifstream pdf(dir.File("boards.PDF"));
  std::string head(5, '\0');
  pdf.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  EXPECT_THROW(RenderBoards(left, right, dir.File("boards.bmp")), std::invalid_argument);
  EXPECT_THROW(RenderBoards(left, right, dir.File("missing/boards.png")), std::runtime_error);
}

} // namespace
} // namespace ldr::test
