// Pixels of the element figures: rung, symbol position, selection band,
// power-flow colour, flow arrows and bitmaps, and printing without them.
#include "ElementTestFixture.h"

#include "elements/clsJumpElement.h"
#include "elements/clsLineElement.h"
#include "elements/clsSimpleElement.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/OperandPainter.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ldr::test {
namespace {

using gdi::COLORREF;
using gdi::RGB;

constexpr COLORREF kBack = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kFlow = RGB(255, 0, 0);
// Elements stand at grid (2, 3): inlet pixel (28, 42).
constexpr int kX = 28;
constexpr int kY = 42;

class ElementPixels : public ElementTestFixture {
protected:
  void SetUp() override {
    ElementTestFixture::SetUp();
    mCanvas = gdi::Bitmap(200, 110);
    mCanvas.Fill(kBack);
    mDc = std::make_unique<gdi::DeviceContext>(mCanvas);
    mResources.LadderFont = OperandPainter::LadderFont();
    mResources.WhiteBrush = gdi::Brush::Solid(kWhite);
    mResources.GreyBrush = gdi::Brush::Solid(kGrey);
    mResources.GreyPen = gdi::Pen::Solid(kGrey);
    mResources.LightYellowBrush = gdi::Brush::Solid(RGB(255, 255, 219));
  }
  // Inlet-relative pixel.
  COLORREF At(int x, int y) const { return mCanvas.GetPixel(kX + x, kY + y); }
  void Draw(itfLdrElement& element) { element.Draw(*mDc, mResources); }
  // Width of `text` in the ladder font, as the element measures it.
  int SymbolWidth(const std::string& text) {
    gdi::Font old = mDc->SelectObject(mResources.LadderFont);
    gdi::Rect r{0, 0, 0, 0};
    mDc->DrawText(text, r, gdi::DT_CALCRECT | gdi::DT_SINGLELINE | gdi::DT_NOPREFIX);
    mDc->SelectObject(old);
    return r.Width();
  }
  int ReddishPixels(int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const COLORREF c = At(x, y);
        if (gdi::GetRValue(c) > 150 && gdi::GetGValue(c) < 100 && gdi::GetBValue(c) < 100) ++count;
      }
    return count;
  }

  gdi::Bitmap mCanvas;
  std::unique_ptr<gdi::DeviceContext> mDc;
  GdiResources mResources;
};

TEST_F(ElementPixels, UnselectedContactWhitensOnlyItsSymbolArea) {
  auto contact = Make(eET_DirectContact, 2, 3);
  Draw(*contact);
  EXPECT_EQ(At(5, -3), kBack);
  EXPECT_EQ(At(12, -5), kWhite);
  EXPECT_EQ(At(73, 6), kWhite);
  EXPECT_EQ(At(74, 6), kBack);
  EXPECT_EQ(At(12, 7), kBack);
  EXPECT_EQ(At(12, -7), kBack);
  // The rung runs from the inlet to the outlet, broken by the symbol.
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(83, 0), kBlack);
  EXPECT_EQ(At(84, 0), kBack);
  EXPECT_EQ(At(0, 1), kBack);
  const int w = SymbolWidth("| |");
  const int x0 = static_cast<int>(std::lrint((84 - w) / 2.0));
  EXPECT_EQ(At(x0 + 3, 0), kBlack) << "the rung reaches 4 pixels into the symbol";
  EXPECT_EQ(At(x0 + w - 4, 0), kBlack);
  EXPECT_NE(At(42, 0), kBlack) << "no rung between the bars";
}

TEST_F(ElementPixels, SelectedContactFillsItsWholeWidthGrey) {
  auto contact = Make(eET_DirectCoil, 2, 3);
  contact->SetIsSelected(true);
  Draw(*contact);
  EXPECT_EQ(At(0, -6), kBack);
  EXPECT_EQ(At(1, -6), kGrey);
  EXPECT_EQ(At(5, -3), kGrey);
  EXPECT_EQ(At(83, 6), kGrey);
  EXPECT_EQ(At(84, 6), kBack);
  EXPECT_EQ(At(5, 7), kBack);
  EXPECT_EQ(At(0, 0), kBlack);
}

TEST_F(ElementPixels, ConductingContactDrawsRungAndSymbolInThePowerFlowColour) {
  auto contact = Make(eET_DirectContact, 2, 3);
  contact->SetIsConducting(true);
  Draw(*contact);
  EXPECT_EQ(At(1, 0), kFlow);
  EXPECT_EQ(At(83, 0), kFlow);
  EXPECT_GT(ReddishPixels(20, -8, 64, 9), 10);
  EXPECT_EQ(mDc->CurrentPen().Color(), kBlack) << "the pen is put back";
  EXPECT_EQ(mDc->TextColor(), kBlack);
}

TEST_F(ElementPixels, ConductingTransitionContactKeepsItsRungBlack) {
  auto contact = Make(eET_RiseContact, 2, 3);
  contact->SetIsConducting(true);
  Draw(*contact);
  EXPECT_EQ(At(1, 0), kBlack);
  EXPECT_EQ(At(83, 0), kBlack);
  EXPECT_GT(ReddishPixels(20, -8, 64, 9), 10) << "the symbol is in the power-flow colour";
}

TEST_F(ElementPixels, PowerFlowColourComesFromTheContext) {
  mCtx.PowerFlowColor = RGB(0, 160, 0);
  auto coil = Make(eET_SetCoil, 2, 3);
  coil->SetIsConducting(true);
  Draw(*coil);
  EXPECT_EQ(At(1, 0), RGB(0, 160, 0));
}

TEST_F(ElementPixels, PrintingDrawsNoBackgroundBandOrColour) {
  auto contact = Make(eET_DirectContact, 2, 3);
  contact->SetIsSelected(true);
  contact->SetIsConducting(true);
  contact->PrintElement(*mDc);
  EXPECT_EQ(At(5, -3), kBack);
  EXPECT_EQ(At(1, 0), kBlack);
  EXPECT_EQ(mDc->WindowOrg(), (gdi::Point{0, 0}));
  EXPECT_EQ(mDc->ViewportOrg(), (gdi::Point{0, 0}));
}

TEST_F(ElementPixels, DrawingFollowsTheDisplayDescriptor) {
  auto contact = Make(eET_DirectContact, 2, 3);
  contact->Move(1, 0);
  Draw(*contact);
  EXPECT_EQ(At(5, 0), kBlack) << "not moved on screen before UpdateDisplayWithLastTRX";
  mCanvas.Fill(kBack);
  contact->UpdateDisplayWithLastTRX();
  Draw(*contact);
  EXPECT_EQ(At(5, 0), kBack);
  EXPECT_EQ(At(14, 0), kBlack);
  EXPECT_EQ(mDc->ViewportOrg(), (gdi::Point{0, 0}));
}

TEST_F(ElementPixels, HorizontalLineWithBandAndColour) {
  auto line = Make<clsLineElement>(eET_LdrLine, 2, 3);
  line->SetXe(7);
  line->SetYe(3);
  line->SetIsSelected(true);
  Draw(*line);
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(69, 0), kBlack);
  EXPECT_EQ(At(70, 0), kBack);
  EXPECT_EQ(At(0, -6), kBack);
  EXPECT_EQ(At(1, -6), kGrey);
  EXPECT_EQ(At(69, 6), kGrey);
  EXPECT_EQ(At(70, 6), kBack);
  EXPECT_EQ(At(5, 7), kBack);
  line->SetIsConducting(true);
  Draw(*line);
  EXPECT_EQ(At(30, 0), kFlow);
}

TEST_F(ElementPixels, VerticalLineBand) {
  auto line = Make<clsLineElement>(eET_LdrLine, 2, 3);
  line->SetXe(2);
  line->SetYe(6);
  line->SetIsSelected(true);
  Draw(*line);
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(0, 41), kBlack);
  EXPECT_EQ(At(0, 42), kBack);
  EXPECT_EQ(At(-6, 1), kGrey);
  EXPECT_EQ(At(6, 40), kGrey);
  EXPECT_EQ(At(6, 41), kBack);
  EXPECT_EQ(At(-7, 1), kBack);
  EXPECT_EQ(At(7, 20), kBack);
  EXPECT_EQ(At(-3, 0), kBack);
}

TEST_F(ElementPixels, FlowArrowAtTheMiddleOfTheStoredLine) {
  auto arrowAt = [&](int length) {
    mCanvas.Fill(kBack);
    auto line = Make<clsLineElement>(eET_LdrLine, 2, 3);
    line->SetXe(2 + length);
    line->SetYe(3);
    line->SetFlowDirection(eFD_Right);
    line->SetShowPowerFlow(true);
    Draw(*line);
    // The right-pointing triangle ends at the anchor: its widest side is 10
    // pixels to the left of it, 7 rows tall.
    for (int x = 0; x < 14 * length; ++x) {
      if (At(x, -2) == kBlack && At(x, 2) == kBlack && At(x + 10, -1) != kBlack) return x + 10;
    }
    return -1;
  };
  EXPECT_EQ(arrowAt(5), 35);
  EXPECT_EQ(arrowAt(3), 21);

  mCanvas.Fill(kBack);
  auto quiet = Make<clsLineElement>(eET_LdrLine, 2, 3);
  quiet->SetXe(7);
  quiet->SetYe(3);
  quiet->SetFlowDirection(eFD_Right);
  Draw(*quiet); // ShowPowerFlow off: no arrow
  EXPECT_EQ(At(30, -2), kBack);
}

TEST_F(ElementPixels, DownwardArrowOnAVerticalLine) {
  auto line = Make<clsLineElement>(eET_LdrLine, 2, 3);
  line->SetXe(2);
  line->SetYe(7); // 4 rows: anchor at y = 28, the triangle from y = 18
  line->SetFlowDirection(eFD_Down);
  line->SetShowPowerFlow(true);
  Draw(*line);
  EXPECT_EQ(At(-2, 20), kBlack) << "the triangle is filled black";
  EXPECT_EQ(At(-2, 30), kBack);
  EXPECT_EQ(At(-2, 16), kBack);
  line->SetIsConducting(true);
  Draw(*line);
  EXPECT_EQ(At(-2, 18), kFlow) << "its outline in the power-flow colour";
  EXPECT_EQ(At(0, 40), kFlow);
  EXPECT_EQ(mDc->CurrentBrush().Describe().Color, kWhite) << "the brush is put back";
}

TEST_F(ElementPixels, ReturnBitmapInTheMiddleOfTheCell) {
  auto ret = Make<clsJumpElement>(eET_FunctionReturn, 2, 3);
  Draw(*ret);
  const gdi::Bitmap symbol = gdi::ResourceLibrary::LoadBitmap("RETURN_FROM_JUMP");
  ASSERT_EQ(symbol.Width(), 16);
  for (int y = 0; y < symbol.Height(); ++y)
    for (int x = 0; x < symbol.Width(); ++x) ASSERT_EQ(At(34 + x, -7 + y), symbol.GetPixel(x, y)) << x << "," << y;
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(33, 0), kBlack);
  EXPECT_EQ(At(50, 0), kBlack);
  EXPECT_EQ(At(83, 0), kBlack);
  EXPECT_EQ(At(84, 0), kBack);
}

TEST_F(ElementPixels, JumpToLabelClosesTheRungAtTheRight) {
  auto jump = Make<clsJumpElement>(eET_JumpToLabel, 2, 3);
  jump->SetIsConducting(true);
  jump->SetIsSelected(true);
  Draw(*jump);
  const gdi::Bitmap symbol = gdi::ResourceLibrary::LoadBitmap("JUMP_TO_LABEL");
  for (int y = 0; y < symbol.Height(); ++y)
    for (int x = 0; x < symbol.Width(); ++x) ASSERT_EQ(At(68 + x, -7 + y), symbol.GetPixel(x, y)) << x << "," << y;
  EXPECT_EQ(At(1, 0), kFlow);
  EXPECT_EQ(At(67, 0), kFlow);
  EXPECT_EQ(At(5, -6), kGrey);
  const gdi::Bitmap page = gdi::ResourceLibrary::LoadBitmap("JUMP_TO_PAGE");
  EXPECT_EQ(page.Width(), 16);
  EXPECT_EQ(page.Height(), 14);
}

} // namespace
} // namespace ldr::test
