// The picture of a net, pixel by pixel: white ground, grid dots under each
// row line, separators, the left zone with its number, compile mark, buttons
// and rail, the collapsed and disabled forms, junction dots and where an
// element lands.
#include "NetTestFixture.h"

#include "elements/clsLineElement.h"
#include "outside/operands/VirtualController.h"
#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class NetDraw : public NetTestFixture {
protected:
  static constexpr int kRows = 14;
  static constexpr int H = 14 * kRows;

  void SetUp() override {
    NetTestFixture::SetUp();
    mStrip = NetID();
  }
  void SetColumns(const std::string& assignments) {
    Db().Execute("UPDATE LdrStrips SET " + assignments + " WHERE StripID=" + std::to_string(mStrip));
  }
  void Draw(clsLdrNet& net) {
    mLeft = Surface(28, H + 30);
    mBoard = Surface(770, H + 30);
    net.Draw(mLeft, mBoard, mRes);
  }
  // Whether the picture at (x, y) of `dc` is the named bitmap.
  static bool ShowsBitmap(const gdi::DeviceContext& dc, const std::string& name, int x, int y) {
    const gdi::Bitmap picture = gdi::ResourceLibrary::LoadBitmap(name);
    const gdi::DeviceContext source(picture);
    for (int py = 0; py < picture.Height(); ++py)
      for (int px = 0; px < picture.Width(); ++px)
        if (dc.GetPixel(x + px, y + py) != source.GetPixel(px, py)) return false;
    return true;
  }
  // Text is smoothed: its pixels are dark rather than black.
  static int CountDark(const gdi::DeviceContext& dc, gdi::Rect area) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const gdi::COLORREF c = dc.GetPixel(x, y);
        if (gdi::GetRValue(c) < 128 && gdi::GetGValue(c) < 128 && gdi::GetBValue(c) < 128) ++count;
      }
    return count;
  }
  static int Count(const gdi::DeviceContext& dc, gdi::Rect area, gdi::COLORREF color) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (dc.GetPixel(x, y) == color) ++count;
    return count;
  }

  long mStrip = 0;
  GdiResources mRes = DrawerResources();
  gdi::DeviceContext mLeft;
  gdi::DeviceContext mBoard;
};

TEST_F(NetDraw, BodyIsWhiteWithGridDotsUnderEveryRowAndASeparator) {
  auto net = LoadNet(mStrip);
  Draw(*net);
  EXPECT_EQ(mBoard.GetPixel(400, 0), kBackground); // the row line above belongs to the net before
  EXPECT_EQ(mBoard.GetPixel(400, 5), kWhite);
  EXPECT_EQ(mBoard.GetPixel(10, 14), kWhite); // no dots under the left zone
  for (int row = 1; row < kRows; ++row) {
    EXPECT_EQ(mBoard.GetPixel(28, 14 * row), kBlue) << row;
    EXPECT_EQ(mBoard.GetPixel(28 + 14 * 52, 14 * row), kBlue) << row;
    EXPECT_EQ(mBoard.GetPixel(35, 14 * row), kWhite) << row;
  }
  EXPECT_EQ(Count(mBoard, {28, 14, 770, 15}, kBlue), 53);
  EXPECT_EQ(Count(mBoard, {28, 15, 770, 28}, kBlue), 0);
  EXPECT_EQ(mBoard.GetPixel(28, H), kGrey);
  EXPECT_EQ(mBoard.GetPixel(700, H), kGrey);
  EXPECT_EQ(mBoard.GetPixel(20, H), kWhite);
  EXPECT_EQ(mBoard.GetPixel(400, H + 1), kBackground);
}

TEST_F(NetDraw, LeftZoneHasRailButtonsAndSeparator) {
  SetColumns("CompileDirtyBit=0");
  auto net = LoadNet(mStrip);
  Draw(*net);
  EXPECT_EQ(mLeft.GetPixel(2, 60), kWhite);
  EXPECT_EQ(mLeft.GetPixel(2, 0), kBackground);
  EXPECT_EQ(mLeft.GetPixel(27, 0), kBlack);
  EXPECT_EQ(mLeft.GetPixel(27, H - 1), kBlack);
  EXPECT_EQ(mLeft.GetPixel(5, H), kGrey);
  EXPECT_EQ(mLeft.GetPixel(27, H), kGrey);
  EXPECT_TRUE(ShowsBitmap(mLeft, "COLLAPSE", 8, 2));
  EXPECT_TRUE(ShowsBitmap(mLeft, "STRIP_RESIZER_NORMAL", 6, H - 18));
  // A clean net shows no compile mark.
  EXPECT_EQ(Count(mLeft, {6, 22, 22, 38}, kWhite), 16 * 16);
}

TEST_F(NetDraw, SelectedNetHasAGreyLeftZoneAndSelectedPictures) {
  SetColumns("IsSelected=-1");
  auto net = LoadNet(mStrip);
  Draw(*net);
  EXPECT_EQ(mLeft.GetPixel(2, 60), kGrey);
  EXPECT_TRUE(ShowsBitmap(mLeft, "NEEDTOCOMPILE_SELECTED", 6, 22));
  EXPECT_TRUE(ShowsBitmap(mLeft, "STRIP_RESIZER_SELECTED", 6, H - 18));
}

TEST_F(NetDraw, DirtyNetShowsTheCompileMark) {
  auto net = LoadNet(mStrip);
  ASSERT_TRUE(net->CompileDirtyBit());
  Draw(*net);
  EXPECT_TRUE(ShowsBitmap(mLeft, "NEEDTOCOMPILE_NORMAL", 6, 22));
}

TEST_F(NetDraw, NetNumberIsCentredInTheLeftZone) {
  SetColumns("CompileDirtyBit=0");
  auto net = LoadNet(mStrip);
  net->SetShowNum(1);
  Draw(*net);
  const gdi::DeviceContext one = std::move(mLeft);
  net->SetShowNum(88);
  Draw(*net);
  // The number's rectangle: x 3 to 23, y H/2 + 3 to H/2 + 17.
  const gdi::Rect box{3, H / 2 + 3, 23, H / 2 + 17};
  EXPECT_GT(CountDark(one, box), 5);
  EXPECT_GT(CountDark(mLeft, box), CountDark(one, box));
  int differences = 0;
  for (int y = 0; y < H + 30; ++y) {
    for (int x = 0; x < 28; ++x) {
      const bool inBox = x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom;
      if (one.GetPixel(x, y) != mLeft.GetPixel(x, y)) {
        ++differences;
        EXPECT_TRUE(inBox) << x << "," << y;
      }
    }
  }
  EXPECT_GT(differences, 0);
}

TEST_F(NetDraw, NetIsDrawnAtItsPlace) {
  SetColumns("CompileDirtyBit=0");
  auto net = LoadNet(mStrip, 2);
  Draw(*net);
  EXPECT_EQ(mBoard.GetPixel(400, 28), kBackground);
  EXPECT_EQ(mBoard.GetPixel(400, 29), kWhite);
  EXPECT_EQ(mBoard.GetPixel(28, 28 + 14), kBlue);
  EXPECT_EQ(mBoard.GetPixel(100, 28 + H), kGrey);
  EXPECT_EQ(mLeft.GetPixel(27, 28), kBlack);
  EXPECT_TRUE(ShowsBitmap(mLeft, "COLLAPSE", 8, 28 + 2));
  EXPECT_EQ(mBoard.ViewportOrg(), (gdi::Point{0, 0}));
  EXPECT_EQ(mLeft.ViewportOrg(), (gdi::Point{0, 0}));
}

TEST_F(NetDraw, ElementLandsOnItsGridPointInTheEditZone) {
  SetColumns("CompileDirtyBit=0");
  AddContact(mStrip, 4, 3, 1);
  auto net = LoadNet(mStrip, 2);
  Draw(*net);
  // The drawer's element pass: origin at the edit zone's top-left corner.
  auto element = net->GetAllElements()->At(0);
  element->SetIsSelected(true);
  const gdi::Point old = mBoard.OffsetViewportOrg(14 * net->EditZoneLeft(), 14 * net->Top());
  element->Draw(mBoard, mRes);
  mBoard.SetViewportOrg(old.X, old.Y);
  const int x = 14 * (2 + 4);
  const int y = 14 * (2 + 3);
  EXPECT_EQ(mBoard.GetPixel(x, y), kBlack); // the rung starts on the inlet
  EXPECT_EQ(mBoard.GetPixel(x + 1, y - 6), kGrey);
  EXPECT_EQ(mBoard.GetPixel(x + 1, y - 7), kWhite);
  EXPECT_NE(mBoard.GetPixel(x - 1, y - 6), kGrey);
}

TEST_F(NetDraw, CollapsedNetIsOneRowWithItsNumberOnTheBody) {
  SetColumns("IsCollapsed=-1, OrgHeight=14, Height=1");
  auto net = LoadNet(mStrip);
  net->SetShowNum(42);
  Draw(*net);
  EXPECT_GT(CountDark(mBoard, {50, 1, 100, 13}), 5);
  EXPECT_EQ(CountDark(mBoard, {0, 1, 50, 14}), 0);
  EXPECT_EQ(CountDark(mBoard, {100, 0, 770, 14}), 0);
  EXPECT_EQ(mBoard.GetPixel(400, 14), kGrey);
  EXPECT_EQ(mBoard.GetPixel(400, 15), kBackground);
  EXPECT_TRUE(ShowsBitmap(mLeft, "EXPAND", 8, 2));
  // Neither number, compile mark nor resize handle in the left zone.
  EXPECT_EQ(CountDark(mLeft, {0, 1, 27, 14}), CountDark(mLeft, {8, 2, 19, 13}));
}

TEST_F(NetDraw, DisabledNetIsHatchedGreen) {
  SetColumns("IsCompilable=2");
  auto net = LoadNet(mStrip);
  Draw(*net);
  const gdi::COLORREF green = gdi::RGB(0, 255, 0);
  EXPECT_GT(Count(mLeft, {1, 40, 26, 90}, green), 100);
  EXPECT_GT(Count(mLeft, {1, 40, 26, 90}, kWhite), 100); // a hatch, not a fill
  EXPECT_EQ(Count(mBoard, {0, 0, 770, H}, green), 0);

  SetColumns("IsCompilable=-1");
  auto enabled = LoadNet(mStrip);
  Draw(*enabled);
  EXPECT_EQ(Count(mLeft, {0, 0, 28, H}, green), 0);
}

TEST_F(NetDraw, RailTakesThePowerFlowColourAfterAnEvaluation) {
  mCtx.PowerFlowColor = gdi::RGB(255, 0, 0);
  auto net = LoadNet(mStrip);
  net->AppendTestValue(std::make_shared<VirtualController>());
  EXPECT_TRUE(net->PowerRail());
  Draw(*net);
  EXPECT_EQ(mLeft.GetPixel(27, 50), gdi::RGB(255, 0, 0));
}

TEST_F(NetDraw, JunctionDotsFromPairsAfterTheFirstTwoBytes) {
  SetColumns("CompileDirtyBit=0, JunctionsInfo=x'090903040A02'");
  auto net = LoadNet(mStrip);
  Draw(*net);
  EXPECT_EQ(mBoard.GetPixel(14 * 5, 14 * 4), kBlack);
  EXPECT_EQ(mBoard.GetPixel(14 * 12, 14 * 2), kBlack);
  EXPECT_EQ(mBoard.GetPixel(14 * 11, 14 * 9), kBlue); // bytes 0 and 1 are no dot
  EXPECT_EQ(Count(mBoard, {0, 0, 770, H}, kBlack), 2 * Count(mBoard, {60, 46, 80, 66}, kBlack));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NetDraw, OddJunctionDataIsReportedAndDrawsNoDots) {
  SetColumns("CompileDirtyBit=0, JunctionsInfo=x'0000030402'");
  auto net = LoadNet(mStrip);
  Draw(*net);
  EXPECT_EQ(mBoard.GetPixel(14 * 5, 14 * 4), kBlue);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 204);
  EXPECT_EQ(Errors()[0].Title, "Too few Arguments");
  EXPECT_EQ(Errors()[0].Description, "Junction points Array should contain\r\nan even number of coordinates");
  EXPECT_EQ(Errors()[0].Procedure, "prvDrawJunctionPoints");
}

TEST_F(NetDraw, DirtyNetDrawsNoDotsAndSwitchesItsPowerFlowOff) {
  SetColumns("CompileDirtyBit=-1, ShowPowerFlow=-1, JunctionsInfo=x'00000304'");
  AddElementRow(mStrip, 100, 0, 4, 10, 0);
  auto net = LoadNet(mStrip);
  ASSERT_TRUE(net->ShowPowerFlow());
  Draw(*net);
  EXPECT_EQ(mBoard.GetPixel(14 * 5, 14 * 4), kBlue);
  EXPECT_FALSE(net->ShowPowerFlow());
  auto line = std::dynamic_pointer_cast<clsLineElement>(net->GetAllElements()->At(0));
  ASSERT_TRUE(line);
  EXPECT_FALSE(line->ShowPowerFlow());
  EXPECT_EQ(Scalar("SELECT ShowPowerFlow FROM LdrStrips WHERE StripID=" + std::to_string(mStrip)), 0);
}

} // namespace
} // namespace ldr::test
