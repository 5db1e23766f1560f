#include "elements/clsJumpElement.h"

#include "elements/ElementDrawing.h"
#include "elements/ElementTypeTable.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

namespace ldr {
namespace {

constexpr int kCellPixels = 84;
constexpr int kMiddleSymbolLeft = 34;
constexpr int kMiddleSymbolRight = 50;
constexpr int kEndSymbolLeft = 68;
constexpr int kSymbolTop = -7;
constexpr std::string_view kReturnPicture = "RETURN_FROM_JUMP";

} // namespace

long clsJumpElement::TargetOperandType(std::int32_t type) {
  switch (type) {
  case eET_CallFunction:
    return eOT_Subroutine;
  case eET_JumpToHmiPage:
    return eOT_Display;
  default:
    return eOT_Label;
  }
}

AcceptedType clsJumpElement::AcceptedTarget(std::int32_t type) {
  switch (type) {
  case eET_CallFunction:
    return {eOG_Subroutine, eOT_Subroutine};
  case eET_JumpToHmiPage:
    return {eOG_Display, eOT_Display};
  default:
    return {eOG_Label, eOT_Label};
  }
}

std::string clsJumpElement::Prompt(std::int32_t type) {
  switch (type) {
  case eET_JumpToLabel:
    return "Select Label";
  case eET_CallFunction:
    return "Select Subroutine";
  case eET_JumpToHmiPage:
    return "Select Display";
  default:
    return {};
  }
}

std::string_view clsJumpElement::BitmapName(std::int32_t type) {
  const auto* row = ElementTypeTable::Find(type);
  if (!row || row->Family != eEFT_JumpElements || row->Picture.empty()) return kReturnPicture;
  return row->Picture;
}

void clsJumpElement::ShowReadOnly() const { mCtx.Host->Messages->ShowMessageBox("read only"); }

void clsJumpElement::SetXe(std::int32_t) { ShowReadOnly(); }
void clsJumpElement::SetYe(std::int32_t) { ShowReadOnly(); }

long clsJumpElement::ScopeFunction() {
  if (mObjectID < 0 || !mCtx.Connection) return 0;
  return Db()
      .QueryValue("SELECT LdrStrips.FuncID FROM LdrStrips INNER JOIN LdrElements ON "
                  "LdrStrips.StripID=LdrElements.StripID WHERE LdrElements.ElmntID=" +
                  std::to_string(mObjectID))
      .AsLong();
}

void clsJumpElement::ApplyOutputTypeRules(Operand& operand) {
  const AcceptedType target = AcceptedTarget(mClassType);
  operand.ClearAcceptedTypes();
  operand.AddAcceptedType(target.Group, target.Type);
  if (mClassType == eET_FunctionReturn) operand.SetFixed(true);
}

bool clsJumpElement::InitOperandsData(bool dummy) {
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  auto operand = NewSlotOperand(false, 1);
  ApplyOutputTypeRules(*operand);
  const std::string prompt = Prompt(mClassType);
  if (!prompt.empty()) operand->SetDefaultText(prompt);
  operand->SetOprndType(TargetOperandType(mClassType));
  // A label target must be a label of the element's own subroutine.
  if (mClassType == eET_JumpToLabel) operand->SetScopeFunction(ScopeFunction());
  mOutputs->Add(1L, operand);
  return CompleteNewOperands(dummy);
}

void clsJumpElement::DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) {
  if (resources) {
    if (mIsSelected) {
      hdc.FillRect({1, -6, kCellPixels, 7}, resources->GreyBrush);
    } else {
      hdc.FillRect({10, -6, 74, 7}, resources->WhiteBrush);
    }
  }
  {
    SelectGuard<gdi::Pen> pen(hdc,
                              DrawsConducting(resources) ? hdc.CurrentPen().WithColor(PowerFlowColor()) : gdi::Pen());
    const gdi::Bitmap symbol = gdi::ResourceLibrary::LoadBitmap(std::string(BitmapName(mClassType)));
    const gdi::DeviceContext source(symbol);
    if (mClassType == eET_JumpToLabel) {
      hdc.MoveTo(0, 0);
      hdc.LineTo(kEndSymbolLeft, 0);
      hdc.BitBlt(kEndSymbolLeft, kSymbolTop, symbol.Width(), symbol.Height(), source, 0, 0, gdi::SRCCOPY);
    } else {
      hdc.MoveTo(0, 0);
      hdc.LineTo(kMiddleSymbolLeft, 0);
      hdc.BitBlt(kMiddleSymbolLeft, kSymbolTop, symbol.Width(), symbol.Height(), source, 0, 0, gdi::SRCCOPY);
      hdc.MoveTo(kMiddleSymbolRight, 0);
      hdc.LineTo(kCellPixels, 0);
    }
  }
  DrawOperands(hdc, resources);
}

} // namespace ldr
