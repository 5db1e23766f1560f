#include "outside/operands/OperandPainter.h"

#include "outside/operands/GdiResources.h"
#include "outside/operands/HitRecord.h"
#include "outside/operands/OperandTypeCatalogue.h"

#include <algorithm>

namespace ldr {

namespace {

constexpr int kGrid = 14;
constexpr int kPinRows = 2;

int Px(int grid) { return grid * kGrid; }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

} // namespace

gdi::Font OperandPainter::SmallFont(int pixels) {
  gdi::LogFont small;
  small.Height = -pixels;
  small.FaceName = "Small Fonts";
  small.PitchAndFamily = gdi::FIXED_PITCH | gdi::FF_MODERN;
  return gdi::Font(small);
}

gdi::Font OperandPainter::DescriptionFont() { return SmallFont(kDescriptionFontHeight); }

gdi::Font OperandPainter::LadderFont() {
  gdi::LogFont ladder;
  ladder.Height = -16;
  ladder.FaceName = "Miriam Fixed";
  ladder.CharSet = gdi::HEBREW_CHARSET;
  ladder.OutPrecision = gdi::OUT_STROKE_PRECIS;
  ladder.PitchAndFamily = gdi::FIXED_PITCH | gdi::FF_MODERN;
  return gdi::Font(ladder);
}

void OperandPainter::FillOperandResources(GdiResources& resources) { resources.AuxFont = DescriptionFont(); }

OperandLayout OperandPainter::Layout(int nameHeight) const {
  const auto& display = mOperand.Display();
  const int width = Px(std::max(1, mOperand.AreaWidth()));
  OperandLayout layout;
  switch (display.Anchor) {
  case eOA_LeftOfPin: {
    const int bottom = Px(display.OffsetY) - 1;
    layout.Box = {Px(display.OffsetX) - 3 - width, bottom - Px(kPinRows), Px(display.OffsetX) - 3, bottom};
    layout.TextFormat = gdi::DT_RIGHT;
    break;
  }
  case eOA_RightOfPin: {
    const int bottom = Px(display.OffsetY) - 1;
    layout.Box = {Px(display.OffsetX) + 3, bottom - Px(kPinRows), Px(display.OffsetX) + 3 + width, bottom};
    layout.TextFormat = gdi::DT_LEFT;
    break;
  }
  default:
    layout.Box = {Px(display.OffsetX), Px(std::min(display.OffsetY, -1)) - 7, Px(display.OffsetX) + width, -7};
    layout.TextFormat = gdi::DT_CENTER;
  }
  const int nameTop = std::max(layout.Box.Top, layout.Box.Bottom - nameHeight);
  layout.Name = {layout.Box.Left, nameTop, layout.Box.Right, layout.Box.Bottom};
  layout.Description = {layout.Box.Left, layout.Box.Top, layout.Box.Right, nameTop};
  return layout;
}

bool OperandPainter::HitTest(HitRecord& hit) const {
  const auto& display = mOperand.Display();
  const int width = std::max(1, mOperand.AreaWidth());
  int left = display.OffsetX;
  int nameRow = display.OffsetY;
  int topRow = display.OffsetY - 1;
  switch (display.Anchor) {
  case eOA_LeftOfPin:
    left = display.OffsetX - width;
    break;
  case eOA_RightOfPin:
    break;
  default:
    nameRow = -1;
    topRow = std::min(display.OffsetY, -1);
  }
  if (!InRange(hit.X, left, left + width) || !InRange(hit.Y, topRow, nameRow)) return false;
  hit.OperandPart = hit.Y == nameRow ? 1 : 2;
  return true;
}

std::string OperandPainter::NameText(bool withTestValue) const {
  if (mOperand.OprndType() == eOT_None) return kEmptySlotText;
  std::string name = mOperand.DisplayName();
  if (withTestValue && mOperand.HasTestValue()) name += "=" + std::to_string(mOperand.TestValue());
  return name;
}

bool OperandPainter::ShowsDescription() const {
  const long type = mOperand.OprndType();
  if (type == eOT_None || mOperand.Description().empty()) return false;
  // References and named constants already show their name as the operand.
  return !OperandTypeCatalogue::IsReference(type) && !OperandTypeCatalogue::IsNamedConstant(type);
}

std::string OperandPainter::FitText(const gdi::DeviceContext& hdc, const std::string& text, int width, int maxChars) {
  std::string fitted = text.substr(0, static_cast<std::size_t>(std::max(0, maxChars)));
  while (!fitted.empty() && hdc.GetTextExtent(fitted).Width > width) fitted.pop_back();
  return fitted;
}

std::string OperandPainter::FitName(gdi::DeviceContext& hdc, const std::string& name, int width) {
  // A name never shows a wrong address: too wide for the ladder font it takes
  // a narrower one, and a cut is marked.
  if (hdc.GetTextExtent(name).Width <= width) return name;
  hdc.SelectObject(SmallFont(kNarrowNameFontHeight));
  if (hdc.GetTextExtent(name).Width <= width) return name;
  return FitText(hdc, name, width - hdc.GetTextExtent(kCutMark).Width, static_cast<int>(name.size())) + kCutMark;
}

void OperandPainter::DrawName(gdi::DeviceContext& hdc, const OperandLayout& layout, bool online) const {
  const bool missing =
      OperandTypeCatalogue::IsReference(mOperand.OprndType()) && mOperand.Address() == kMissingReferenceAddress;
  hdc.SetTextColor(missing ? kMissingColor : kTextColor);
  const int width = layout.Name.Width();
  const std::string name = FitName(hdc, NameText(online), width);
  const gdi::Size extent = hdc.GetTextExtent(name);
  int x = layout.Name.Left;
  if (layout.TextFormat == gdi::DT_CENTER) x = layout.Name.Left + (width - extent.Width) / 2;
  if (layout.TextFormat == gdi::DT_RIGHT) x = layout.Name.Right - extent.Width;
  hdc.TextOut(x, layout.Name.Bottom - hdc.GetTextMetrics().Height, name);
}

void OperandPainter::DrawDescription(gdi::DeviceContext& hdc, const OperandLayout& layout,
                                     const gdi::Font& font) const {
  if (!ShowsDescription()) return;
  hdc.SelectObject(font);
  if (layout.Description.Height() < hdc.GetTextMetrics().Height) return; // no room
  hdc.SetTextColor(kTextColor);
  const std::string text =
      mOperand.Description().substr(0, static_cast<std::size_t>(std::max(0, mOperand.Display().MaxChars)));
  const unsigned format = layout.TextFormat | gdi::DT_WORDBREAK | gdi::DT_NOPREFIX | gdi::DT_NOCLIP;
  gdi::Rect measured = layout.Description;
  hdc.DrawText(text, measured, format | gdi::DT_CALCRECT);
  gdi::Rect target = layout.Description;
  if (measured.Height() <= target.Height()) {
    target.Top = target.Bottom - measured.Height(); // close to the name
    hdc.DrawText(text, target, format);
    return;
  }
  // Too long: the lines that fit, from the top; the rest is cut.
  const int lineHeight = hdc.GetTextMetrics().Height;
  const int lines = target.Height() / lineHeight;
  const int saved = hdc.SaveDC();
  hdc.IntersectClipRect(target.Left, target.Top, target.Right, target.Top + lines * lineHeight);
  hdc.DrawText(text, target, format);
  hdc.RestoreDC(saved);
}

void OperandPainter::Draw(gdi::DeviceContext& hdc, const GdiResources* resources) const {
  const int saved = hdc.SaveDC();
  const bool onScreen = resources != nullptr;
  hdc.SelectObject(onScreen && !resources->LadderFont.IsEmpty() ? resources->LadderFont : LadderFont());
  const OperandLayout layout = Layout(hdc.GetTextMetrics().Height);
  hdc.IntersectClipRect(layout.Box.Left, layout.Box.Top, layout.Box.Right, layout.Box.Bottom);
  if (onScreen && (mOperand.IsSelected() || mOperand.IsHighlighted()) && !resources->LightYellowBrush.PaintsNothing())
    hdc.FillRect(layout.Box, resources->LightYellowBrush);
  hdc.SetBkMode(gdi::TRANSPARENT);
  const gdi::Font descriptionFont = onScreen && !resources->AuxFont.IsEmpty() ? resources->AuxFont : DescriptionFont();
  DrawName(hdc, layout, onScreen);
  if (onScreen && mOperand.IsSelected()) hdc.DrawFocusRect(layout.Name);
  DrawDescription(hdc, layout, descriptionFont);
  hdc.RestoreDC(saved);
}

} // namespace ldr
