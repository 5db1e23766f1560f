#include "elements/BoxElement.h"

#include "elements/ElementDrawing.h"
#include "elements/ElementFamilies.h"
#include "elements/ElementTypeTable.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandSlotRules.h"
#include "platform/drawing/DeviceContext.h"

#include <set>
#include <string_view>

namespace ldr {
namespace {

constexpr int kGrid = PIXEL_PER_GRID;
constexpr int kOperandRowsTop = 2;
constexpr int kReadOnlyCode = 0;
constexpr gdi::COLORREF kWhiteText = gdi::RGB(255, 255, 255);

int CeilToGrid(int pixels) { return (pixels + kGrid - 1) / kGrid; }

} // namespace

void BoxElement::ShowReadOnly() const { mCtx.Host->Messages->ShowMessageBox("read only"); }

void BoxElement::ReportReadOnly(const std::string& member) const {
  ReportError(kReadOnlyCode, "Read Only Property", "Cannot write value", "itfLdrElement_" + member);
}

std::string BoxElement::Title() {
  const auto* row = ElementTypeTable::Find(mClassType);
  return row ? std::string(row->Picture) : std::string{};
}

Rect BoxElement::BoundsAt(const tyLdrPoint& inlet) {
  return {inlet.X, inlet.Y - 1, inlet.X + Width(), inlet.Y - 1 + Height()};
}

OperandDisplay BoxElement::SlotDisplay(bool isInput, std::int32_t slot) const {
  const BoxFrame frame = Frame();
  const int nameRow = PinY(isInput, slot) / kGrid;
  if (isInput) return {eOA_LeftOfPin, kOperandMaxChars, (frame.Left - kPinStub) / kGrid, nameRow};
  return {eOA_RightOfPin, kOperandMaxChars, CeilToGrid(frame.Right + kPinStub), nameRow};
}

void BoxElement::ApplyInputTypeRules(Operand& operand) {
  operand.SetAcceptedTypes(OperandSlotRules::AcceptedTypes(mClassType, true, operand.Slot(), ExtendedOperands()));
}

void BoxElement::ApplyOutputTypeRules(Operand& operand) {
  operand.SetAcceptedTypes(OperandSlotRules::AcceptedTypes(mClassType, false, operand.Slot(), ExtendedOperands()));
}

// --- hit test -----------------------------------------------------------------------

void BoxElement::HitTestByPoint(HitRecord& hitData) {
  const std::int32_t savedX = hitData.X;
  const std::int32_t savedY = hitData.Y;
  hitData.HitKind = eHK_Nothing;
  hitData.X -= mPosition[kDisplay].X;
  hitData.Y -= mPosition[kDisplay].Y;
  const BoxFrame frame = Frame();
  const std::int32_t dx = hitData.X;
  const std::int32_t dy = hitData.Y;
  const bool inOperandRows = dx >= 0 && dx <= Width() && dy >= kOperandRowsTop && dy <= Height();
  const bool inBody = dx >= frame.Left / kGrid && dx <= frame.Right / kGrid && dy >= 0 && dy <= Height() - 2;
  // The operands stand beside the box, so asking them first changes nothing
  // for the body; a family that writes operands inside its box gets them.
  if (inOperandRows && HitTestOperands(hitData)) {
    hitData.HitKind = eHK_ElementOperand;
  } else if (inBody) {
    hitData.HitKind = eHK_ElementBody;
  }
  hitData.X = savedX;
  hitData.Y = savedY;
  mHitRecord = hitData;
}

// --- operands and types ---------------------------------------------------------------

bool BoxElement::CreateSlots(std::int32_t inputs, std::int32_t outputs, bool dummy) {
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  for (std::int32_t slot = 1; slot <= inputs; ++slot) {
    auto operand = NewSlotOperand(true, slot);
    ApplyInputTypeRules(*operand);
    mInputs->Add(static_cast<long>(slot), operand);
  }
  for (std::int32_t slot = 1; slot <= outputs; ++slot) {
    auto operand = NewSlotOperand(false, slot);
    ApplyOutputTypeRules(*operand);
    mOutputs->Add(static_cast<long>(slot), operand);
  }
  if (CompleteNewOperands(dummy)) return true;
  // A cancelled slot discards the ones made before it.
  mInputs->Clear();
  mOutputs->Clear();
  return false;
}

bool BoxElement::SwitchType(const std::string& toolID) {
  const auto* row = ElementTypeTable::FindSwitchTool(toolID, GetFamilyType(mClassType));
  if (!row) return false;
  mClassType = row->Type;
  if (mObjectID >= 0) UpdateDB();
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    for (const auto& [key, operand] : *operands) {
      operand->SetElementContext(mClassType, operand->IsInput(), operand->Slot());
      if (operand->IsInput()) {
        ApplyInputTypeRules(*operand);
      } else {
        ApplyOutputTypeRules(*operand);
      }
    }
  }
  return true;
}

std::vector<std::string> BoxElement::DisabledMenuTools() {
  const enElementFamilyType family = GetFamilyType(mClassType);
  std::set<std::string_view> own;
  for (const auto& row : ElementTypeTable::Rows())
    if (row.Family == family && !row.SwitchTool.empty()) own.insert(row.SwitchTool);
  std::vector<std::string> disabled;
  std::set<std::string_view> listed;
  for (const auto& row : ElementTypeTable::Rows()) {
    for (const std::string_view tool : {row.ConvertTool, row.SwitchTool}) {
      if (tool.empty() || own.count(tool) || !listed.insert(tool).second) continue;
      disabled.emplace_back(tool);
    }
  }
  return disabled;
}

// --- drawing ----------------------------------------------------------------------------

void BoxElement::CentredText(gdi::DeviceContext& hdc, int x, int y, const std::string& text) {
  const unsigned old = hdc.SetTextAlign(gdi::TA_CENTER | gdi::TA_TOP);
  hdc.TextOut(x, y, text);
  hdc.SetTextAlign(old);
}

void BoxElement::DrawBackground(gdi::DeviceContext& hdc, const GdiResources& resources, const BoxFrame& frame) {
  if (mIsSelected) {
    hdc.FillRect({1, -6, GridToPixel(Width()), kHeaderBottom}, resources.GreyBrush);
    hdc.FillRect({frame.Left, kBoxTop, frame.Right, frame.Bottom}, resources.GreyBrush);
  } else {
    hdc.FillRect({frame.Left, kBoxTop, frame.Right, frame.Bottom}, resources.WhiteBrush);
  }
}

void BoxElement::DrawPins(gdi::DeviceContext& hdc, const BoxFrame& frame) {
  for (const auto& pin : Pins()) {
    if (pin.IsInput) {
      hdc.MoveTo(frame.Left - kPinStub, pin.Y);
      hdc.LineTo(frame.Left, pin.Y);
      if (!pin.Letter.empty()) hdc.TextOut(frame.Left + 4, pin.Y - kPinStub, pin.Letter);
    } else {
      hdc.MoveTo(frame.Right, pin.Y);
      hdc.LineTo(frame.Right + kPinStub - 1, pin.Y);
      if (!pin.Letter.empty()) hdc.TextOut(frame.OutputLetterX, pin.Y - kPinStub, pin.Letter);
    }
  }
}

void BoxElement::DrawRungAndHeaderBand(gdi::DeviceContext& hdc, const GdiResources* resources, const BoxFrame& frame) {
  SelectGuard<gdi::Pen> pen(hdc,
                            DrawsConducting(resources) ? hdc.CurrentPen().WithColor(PowerFlowColor()) : gdi::Pen());
  SelectGuard<gdi::Brush> hollow(hdc, gdi::Brush::Null());
  hdc.Rectangle(frame.Left, kBoxTop, frame.Right, kHeaderBottom);
  hdc.MoveTo(0, 0);
  hdc.LineTo(frame.Left, 0);
  hdc.MoveTo(frame.Right, 0);
  hdc.LineTo(GridToPixel(Width()), 0);
}

void BoxElement::DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) {
  const BoxFrame frame = Frame();
  if (resources) DrawBackground(hdc, *resources, frame);
  {
    BkModeGuard transparent(hdc, gdi::TRANSPARENT);
    const int centre = (frame.Left + frame.Right) / 2;
    {
      SelectGuard<gdi::Font> font(hdc, resources ? resources->LadderFont : gdi::Font());
      CentredText(hdc, centre, kBoxTop, Header());
    }
    {
      TextColorGuard colour(hdc, resources && WhiteTitle() ? kWhiteText : hdc.TextColor());
      CentredText(hdc, centre, kHeaderBottom, resources ? Title() : PrintTitle());
    }
    DrawPins(hdc, frame);
    DrawInside(hdc, resources);
  }
  {
    // The outline and divider after the pictures inside, which must not cover them.
    SelectGuard<gdi::Brush> hollow(hdc, gdi::Brush::Null());
    hdc.Rectangle(frame.Left, kBoxTop, frame.Right, frame.Bottom);
  }
  hdc.MoveTo(frame.Left, kDividerY);
  hdc.LineTo(frame.Right, kDividerY);
  DrawRungAndHeaderBand(hdc, resources, frame);
  DrawOperands(hdc, resources);
}

} // namespace ldr
