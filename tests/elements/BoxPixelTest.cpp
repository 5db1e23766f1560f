// Pixels of one box of each class: rung to the outlet, box edges, divider,
// selection band and the power-flow colour.
#include "ElementTestFixture.h"

#include "outside/operands/GdiResources.h"
#include "outside/operands/OperandPainter.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using gdi::COLORREF;
using gdi::RGB;

constexpr COLORREF kBack = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kFlow = RGB(255, 0, 0);
// Boxes stand at grid (2, 3): inlet pixel (28, 42).
constexpr int kX = 28;
constexpr int kY = 42;

struct BoxCase {
  std::int32_t Type;
  int Left;
  int Right;
  int Bottom;
  int Width; // pixels, inlet to outlet
};

const BoxCase kBoxes[] = {{300, 98, 169, 106, 182}, {1701, 98, 169, 154, 182}, {405, 98, 169, 106, 266},
                          {501, 98, 168, 154, 266}, {1500, 14, 84, 57, 182},   {700, 14, 141, 105, 182},
                          {802, 14, 253, 105, 266}, {901, 98, 169, 57, 266},   {1000, 98, 169, 57, 266},
                          {1102, 98, 169, 57, 266}, {1905, 98, 169, 106, 182}};

class BoxPixels : public ElementTestFixture {
protected:
  void SetUp() override {
    ElementTestFixture::SetUp();
    mResources.LadderFont = OperandPainter::LadderFont();
    mResources.WhiteBrush = gdi::Brush::Solid(kWhite);
    mResources.GreyBrush = gdi::Brush::Solid(kGrey);
    mResources.GreyPen = gdi::Pen::Solid(kGrey);
  }
  // The box drawn on a fresh canvas.
  gdi::Bitmap Drawn(std::int32_t type, bool selected, bool conducting) {
    gdi::Bitmap canvas(330, 220);
    canvas.Fill(kBack);
    gdi::DeviceContext dc(canvas);
    auto box = Make(type, 2, 3);
    box->SetIsSelected(selected);
    box->SetIsConducting(conducting);
    box->Draw(dc, mResources);
    return canvas;
  }
  static COLORREF At(const gdi::Bitmap& canvas, int x, int y) { return canvas.GetPixel(kX + x, kY + y); }

  GdiResources mResources;
};

TEST_F(BoxPixels, RungBoxAndDividerOfEveryClass) {
  for (const auto& box : kBoxes) {
    const gdi::Bitmap canvas = Drawn(box.Type, false, false);
    EXPECT_EQ(At(canvas, 3, 0), kBlack) << box.Type;                         // rung from the inlet
    EXPECT_EQ(At(canvas, box.Width - 2, 0), kBlack) << box.Type;             // rung to the outlet
    EXPECT_EQ(At(canvas, box.Width + 3, 0), kBack) << box.Type;              // nothing beyond it
    EXPECT_EQ(At(canvas, box.Left, 30), kBlack) << box.Type;                 // left edge
    EXPECT_EQ(At(canvas, box.Left + 3, 21), kBlack) << box.Type;             // divider
    EXPECT_EQ(At(canvas, box.Left + 3, box.Bottom - 1), kBlack) << box.Type; // bottom edge
    EXPECT_EQ(At(canvas, box.Left + 3, box.Bottom + 2), kBack) << box.Type;
    EXPECT_EQ(At(canvas, box.Left - 3, 10), kBack) << box.Type; // no band when not selected
  }
}

TEST_F(BoxPixels, SelectionBandAndPowerFlow) {
  for (const auto& box : kBoxes) {
    const gdi::Bitmap selected = Drawn(box.Type, true, false);
    EXPECT_EQ(At(selected, 2, -3), kGrey) << box.Type;
    EXPECT_EQ(At(selected, box.Left + 3, box.Bottom - 4), kGrey) << box.Type;
    const gdi::Bitmap conducting = Drawn(box.Type, false, true);
    EXPECT_EQ(At(conducting, 3, 0), kFlow) << box.Type;
    EXPECT_EQ(At(conducting, box.Width - 2, 0), kFlow) << box.Type;
    // The box's own outline keeps the normal pen.
    EXPECT_EQ(At(conducting, box.Left + 3, box.Bottom - 1), kBlack) << box.Type;
  }
}

TEST_F(BoxPixels, SelectedClockWritesItsTitleInWhite) {
  const auto whiteInTitleRow = [&](std::int32_t type, bool selected) {
    const gdi::Bitmap canvas = Drawn(type, selected, false);
    int count = 0;
    for (int y = 9; y < 20; ++y)
      for (int x = 20; x < 135; ++x) count += At(canvas, x, y) == kWhite;
    return count;
  };
  EXPECT_GT(whiteInTitleRow(eET_DirTime, true), 10);
  EXPECT_GT(whiteInTitleRow(eET_InDirYear, true), 10);
  // A compare box's title stays dark on the band.
  EXPECT_EQ(whiteInTitleRow(eET_Equal, true), 0);
}

} // namespace
} // namespace ldr::test
