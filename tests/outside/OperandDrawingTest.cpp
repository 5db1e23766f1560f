#include "OutsideFixture.h"

#include "outside/operands/GdiResources.h"
#include "outside/operands/HitRecord.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandPainter.h"
#include "outside/operands/VirtualController.h"

using namespace ldr;
using ldr::test::OutsideFixture;

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 160;
// Where the element's inlet lands on the test bitmap.
constexpr int kInletX = 100;
constexpr int kInletY = 100;
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kYellow = gdi::RGB(255, 255, 219);

// The pixels that are not white, as a rectangle relative to the inlet
// (right and bottom exclusive); empty when there are none.
struct Ink {
  int Count = 0;
  gdi::Rect Bounds;
};

} // namespace

class OperandDrawing : public OutsideFixture {
protected:
  void SetUp() override {
    OutsideFixture::SetUp();
    mResources.LadderFont = OperandPainter::LadderFont();
    mResources.WhiteBrush = gdi::Brush::Solid(kWhite);
    mResources.GreyBrush = gdi::Brush::Solid(gdi::RGB(192, 192, 192));
    mResources.LightYellowBrush = gdi::Brush::Solid(kYellow);
    OperandPainter::FillOperandResources(mResources);
  }

  std::shared_ptr<Operand> Contact(OperandKey key, const std::string& description = {}) {
    auto operand = Host().Operands->NewSlotOperand(200, true, 1, false);
    operand->SetKey(key);
    operand->SetDescription(description);
    return operand;
  }

  // Draws on a fresh white bitmap and scans it; `inside`, when given, limits
  // the scan to pixels of that colour.
  Ink Render(const Operand& operand, bool print = false, gdi::COLORREF only = 0xFFFFFFFF) {
    gdi::Bitmap bitmap(kWidth, kHeight);
    gdi::DeviceContext dc(bitmap);
    dc.FillRect({0, 0, kWidth, kHeight}, gdi::Brush::Solid(kWhite));
    dc.SetViewportOrg(kInletX, kInletY);
    if (print)
      operand.Print(dc);
    else
      operand.Draw(dc, mResources);
    dc.SetViewportOrg(0, 0);
    Ink ink;
    ink.Bounds = {kWidth, kHeight, -kWidth, -kHeight};
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const gdi::COLORREF pixel = dc.GetPixel(x, y);
        if (only == 0xFFFFFFFF ? pixel == kWhite : pixel != only) continue;
        ++ink.Count;
        ink.Bounds.Left = std::min(ink.Bounds.Left, x - kInletX);
        ink.Bounds.Top = std::min(ink.Bounds.Top, y - kInletY);
        ink.Bounds.Right = std::max(ink.Bounds.Right, x - kInletX + 1);
        ink.Bounds.Bottom = std::max(ink.Bounds.Bottom, y - kInletY + 1);
      }
    return ink;
  }

  static bool Inside(const gdi::Rect& inner, const gdi::Rect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
  }

  GdiResources mResources;
};

TEST_F(OperandDrawing, TheNameSitsCentredRightAboveTheSymbolBand) {
  auto operand = Contact({1, 5, 0});
  const Ink ink = Render(*operand);
  ASSERT_GT(ink.Count, 20);
  EXPECT_LE(ink.Bounds.Bottom, -7) << "nothing on the element's symbol band";
  EXPECT_GE(ink.Bounds.Top, -7 - 20) << "one text line above the band";
  EXPECT_GE(ink.Bounds.Left, 0);
  EXPECT_LE(ink.Bounds.Right, 84);
  EXPECT_LE(std::abs(ink.Bounds.Left - (84 - ink.Bounds.Right)), 3) << "centred over the 84-pixel cell";
}

TEST_F(OperandDrawing, TheDescriptionFillsTheRowsAboveTheName) {
  const Ink bare = Render(*Contact({1, 5, 0}));
  const Ink described = Render(*Contact({1, 5, 0}, "Pump"));
  EXPECT_LT(described.Bounds.Top, bare.Bounds.Top - 4);
  EXPECT_GE(described.Bounds.Top, -49);
  EXPECT_GT(described.Count, bare.Count);
}

TEST_F(OperandDrawing, ALongDescriptionStaysInsideTheOperandsArea) {
  const std::string longText(300, 'W');
  auto operand = Contact({1, 5, 0}, "Conveyor belt two emergency stop " + longText);
  const Ink ink = Render(*operand);
  EXPECT_TRUE(Inside(ink.Bounds, {0, -49, 84, -7}))
      << ink.Bounds.Left << "," << ink.Bounds.Top << "," << ink.Bounds.Right << "," << ink.Bounds.Bottom;
  auto named = Contact({1, 4095, 63});
  EXPECT_TRUE(Inside(Render(*named).Bounds, {0, -49, 84, -7})) << "a long name is cut to the cell";
}

TEST_F(OperandDrawing, ASelectedOperandHasTheLightYellowBackground) {
  auto operand = Contact({1, 5, 0});
  EXPECT_EQ(Render(*operand, false, kYellow).Count, 0);
  operand->SetSelected(true);
  const Ink yellow = Render(*operand, false, kYellow);
  EXPECT_EQ(yellow.Bounds, (gdi::Rect{0, -49, 84, -7}));
  EXPECT_EQ(Render(*operand, true, kYellow).Count, 0) << "printing shows no selection";
  operand->SetSelected(false);
  operand->SetHighlight(true);
  EXPECT_GT(Render(*operand, false, kYellow).Count, 1000);
}

TEST_F(OperandDrawing, AMissingReferenceIsRedAndAnEmptySlotShowsQuestionMarks) {
  auto call = Host().Operands->NewSlotOperand(601, false, 1, false);
  call->SetKey({31, kMissingReferenceAddress, 0});
  call->SetDescription("MISSING (Pump)");
  EXPECT_GT(Render(*call, false, gdi::RGB(255, 0, 0)).Count, 10);
  auto fine = Host().Operands->NewSlotOperand(601, false, 1, false);
  fine->SetKey({31, 3, 0});
  fine->SetDescription("Pump");
  EXPECT_EQ(Render(*fine, false, gdi::RGB(255, 0, 0)).Count, 0);

  auto empty = Host().Operands->NewSlotOperand(200, true, 1, true);
  EXPECT_EQ(OperandPainter(*empty).NameText(false), "???");
  EXPECT_GT(Render(*empty).Count, 10);
}

TEST_F(OperandDrawing, OnLineTheNameCarriesTheValue) {
  auto operand = Contact({1, 5, 0});
  auto controller = std::make_shared<VirtualController>();
  operand->AppendTestValue(controller);
  controller->SetValue({1, 5, 0}, 1);
  EXPECT_EQ(OperandPainter(*operand).NameText(true), "MB 5=1");
  const Ink online = Render(*operand);
  const Ink printed = Render(*operand, true);
  EXPECT_GT(online.Bounds.Width(), printed.Bounds.Width());
}

TEST_F(OperandDrawing, PinOperandsStayOnTheirSideOfThePin) {
  auto input = Host().Operands->NewSlotOperand(400, true, 1, false);
  input->ConfigureDisplay(eOA_LeftOfPin, 50, 7, 3);
  input->SetKey({3, 12, 0});
  const Ink left = Render(*input);
  ASSERT_GT(left.Count, 10);
  EXPECT_LE(left.Bounds.Right, 98 - 3);
  EXPECT_GE(left.Bounds.Right, 98 - 3 - 12) << "aligned towards the pin";
  EXPECT_LE(left.Bounds.Bottom, 41);
  auto output = Host().Operands->NewSlotOperand(400, false, 1, false);
  output->ConfigureDisplay(eOA_RightOfPin, 50, 13, 3);
  output->SetKey({3, 13, 0});
  const Ink right = Render(*output);
  EXPECT_GE(right.Bounds.Left, 182 + 3);
  EXPECT_LE(right.Bounds.Left, 182 + 3 + 3);
}

TEST_F(OperandDrawing, AContactOperandIsHitInTheThreeRowsAboveTheRung) {
  auto operand = Contact({1, 5, 0});
  auto hitAt = [&](int x, int y) {
    HitRecord hit;
    hit.X = x;
    hit.Y = y;
    return operand->HitTest(hit) ? hit.OperandPart : 0;
  };
  EXPECT_EQ(hitAt(0, -1), 1);
  EXPECT_EQ(hitAt(6, -1), 1);
  EXPECT_EQ(hitAt(3, -2), 2);
  EXPECT_EQ(hitAt(3, -3), 2);
  EXPECT_EQ(hitAt(3, -4), 0);
  EXPECT_EQ(hitAt(3, 0), 0);
  EXPECT_EQ(hitAt(7, -1), 0);
  EXPECT_EQ(hitAt(-1, -1), 0);
  operand->SetAreaWidth(13);
  EXPECT_EQ(hitAt(13, -2), 2);
}

TEST_F(OperandDrawing, PinOperandsAreHitBesideTheirPin) {
  auto input = Host().Operands->NewSlotOperand(400, true, 1, false);
  input->ConfigureDisplay(eOA_LeftOfPin, 50, 7, 3);
  HitRecord hit;
  hit.X = 2;
  hit.Y = 3;
  EXPECT_TRUE(input->HitTest(hit));
  EXPECT_EQ(hit.OperandPart, 1);
  hit.Y = 2;
  EXPECT_TRUE(input->HitTest(hit));
  EXPECT_EQ(hit.OperandPart, 2);
  hit.Y = 4;
  EXPECT_FALSE(input->HitTest(hit));
  hit.Y = 3;
  hit.X = 8;
  EXPECT_FALSE(input->HitTest(hit)) << "right of the pin is the box";
}

TEST_F(OperandDrawing, ANameNeverShowsAWrongAddress) {
  gdi::Bitmap bitmap(10, 10);
  gdi::DeviceContext dc(bitmap);
  const gdi::Font ladder = OperandPainter::LadderFont();
  dc.SelectObject(ladder);
  EXPECT_EQ(OperandPainter::FitName(dc, "MB 5", 84), "MB 5");
  EXPECT_EQ(dc.CurrentFont(), ladder);
  EXPECT_EQ(OperandPainter::FitName(dc, "N2.MI 2047", 84), "N2.MI 2047") << "a narrower font, not a cut";
  EXPECT_NE(dc.CurrentFont(), ladder);
  dc.SelectObject(ladder);
  const std::string cut = OperandPainter::FitName(dc, "N2.MI 2047", 28);
  ASSERT_FALSE(cut.empty());
  EXPECT_EQ(cut.back(), '~');
  EXPECT_LE(dc.GetTextExtent(cut).Width, 28);
  EXPECT_EQ(std::string("N2.MI 2047").rfind(cut.substr(0, cut.size() - 1), 0), 0u);
}

TEST_F(OperandDrawing, TheNameAndDescriptionShareTheBoxWithoutOverlap) {
  auto operand = Contact({1, 5, 0});
  const auto layout = OperandPainter(*operand).Layout(19);
  EXPECT_EQ(layout.Box, (gdi::Rect{0, -49, 84, -7}));
  EXPECT_EQ(layout.Name, (gdi::Rect{0, -26, 84, -7}));
  EXPECT_EQ(layout.Description, (gdi::Rect{0, -49, 84, -26}));
  const Ink described = Render(*Contact({1, 5, 0}, "Pump motor running fast"));
  const Ink bare = Render(*Contact({1, 5, 0}));
  EXPECT_LT(described.Bounds.Top, bare.Bounds.Top);
  EXPECT_GE(bare.Bounds.Top, -26) << "the name stays in its line";
  EXPECT_GE(described.Bounds.Top, -49);
}
