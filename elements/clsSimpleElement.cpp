#include "elements/clsSimpleElement.h"

#include "elements/ElementDrawing.h"
#include "elements/ElementTypeTable.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandSlotRules.h"
#include "outside/operands/OperandType.h"
#include "platform/drawing/DeviceContext.h"

#include <cmath>
#include <cstdlib>

namespace ldr {
namespace {

constexpr int kCellPixels = 84;
constexpr int kRungOverlap = 4;

constexpr AcceptedType Data(long type) { return {eOG_Data, type}; }

bool IsTransitionContact(std::int32_t type) {
  return type == eET_RiseContact || type == eET_FallContact || type == eET_RiseSoftKey || type == eET_FallSoftKey;
}

bool IsSoftKey(std::int32_t type) { return type >= eET_DirectSoftKey && type <= eET_FallSoftKey; }

} // namespace

clsSimpleElement::Kind clsSimpleElement::KindOf(std::int32_t type) {
  if ((type >= eET_DirectCoil && type <= eET_ResetCoil) || type == eET_ToggleCoil) return Kind::Coil;
  if (type == eET_StoreZeroNumeric) return Kind::NumericReset;
  return Kind::Contact;
}

bool clsSimpleElement::IsInverting(std::int32_t type) {
  return type == eET_InvertedContact || type == eET_InvertedCoil || type == eET_InvertedSoftKey;
}

std::string_view clsSimpleElement::Symbol(std::int32_t type) {
  const auto* row = ElementTypeTable::Find(type);
  if (!row || row->Family != eEFT_SimpleElements || row->Picture.empty()) return "???";
  return row->Picture;
}

enElementType clsSimpleElement::TypeForTool(const std::string& toolID) {
  const auto* row = ElementTypeTable::FindConvertTool(toolID);
  return row ? row->Type : eET_Undefined;
}

std::vector<std::string> clsSimpleElement::CoilToolsNotAllowed(long operandType) {
  return OperandSlotRules::DisallowedCoilTools(operandType);
}

std::vector<AcceptedType> clsSimpleElement::ContactInputTypes(bool extended) {
  std::vector<AcceptedType> types = {Data(eOT_I),
                                     Data(eOT_O),
                                     Data(eOT_T),
                                     Data(eOT_MB),
                                     Data(eOT_SB),
                                     {eOG_BitOfWord, eOT_SIB},
                                     {eOG_BitOfWord, eOT_MIB},
                                     Data(eOT_C)};
  if (extended) types.push_back(Data(eOT_XB));
  return types;
}

std::vector<AcceptedType> clsSimpleElement::OutputTypes(std::int32_t type, bool extended) {
  std::vector<AcceptedType> types;
  if (KindOf(type) == Kind::NumericReset) {
    types = {Data(eOT_MI), Data(eOT_ML), Data(eOT_DW)};
    if (extended) types.insert(types.end(), {Data(eOT_XI), Data(eOT_XL), Data(eOT_XDW)});
    types.insert(types.end(), {Data(eOT_SI), Data(eOT_SL), Data(eOT_SDW)});
    return types;
  }
  types = {Data(eOT_O), Data(eOT_MB)};
  if (extended) types.push_back(Data(eOT_XB));
  if (type >= eET_DirectCoil && type <= eET_ResetCoil) types.push_back(Data(eOT_SB));
  if (type == eET_DirectCoil || type == eET_ResetCoil) types.push_back(Data(eOT_T));
  if (type == eET_ResetCoil) types.push_back(Data(eOT_C));
  return types;
}

void clsSimpleElement::ApplyInputTypeRules(Operand& operand) {
  operand.ClearAcceptedTypes();
  for (const auto& pair : ContactInputTypes(ExtendedOperands())) operand.AddAcceptedType(pair.Group, pair.Type);
}

void clsSimpleElement::ApplyOutputTypeRules(Operand& operand) {
  operand.ClearAcceptedTypes();
  for (const auto& pair : OutputTypes(mClassType, ExtendedOperands())) operand.AddAcceptedType(pair.Group, pair.Type);
}

bool clsSimpleElement::InitOperandsData(bool dummy) {
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  const bool isInput = KindOf(mClassType) == Kind::Contact;
  auto operand = NewSlotOperand(isInput, 1);
  if (isInput) {
    ApplyInputTypeRules(*operand);
    mInputs->Add(1L, operand);
  } else {
    ApplyOutputTypeRules(*operand);
    mOutputs->Add(1L, operand);
  }
  return CompleteNewOperands(dummy);
}

void clsSimpleElement::SpecialToolRequest(const std::string& toolID) {
  const enElementType newType = TypeForTool(toolID);
  if (newType == eET_Undefined) return;
  // A contact only becomes another contact and a coil another coil: the
  // operand stays in its slot, and a contact's input slot makes no coil.
  if (KindOf(newType) != KindOf(mClassType)) return;
  mClassType = newType;
  UpdateDB();
  for (const auto& [key, operand] : *mOutputs) {
    operand->SetElementContext(newType, false, operand->Slot());
    ApplyOutputTypeRules(*operand);
  }
}

std::vector<std::string> clsSimpleElement::DisabledMenuTools() {
  if (KindOf(mClassType) != Kind::Coil) return {};
  const auto operand = SlotOperand(false, 1);
  return operand ? CoilToolsNotAllowed(operand->OprndType()) : std::vector<std::string>{};
}

void clsSimpleElement::EvaluateConducting() {
  const auto operand = SlotOperand(KindOf(mClassType) == Kind::Contact, 1);
  if (!operand) return;
  const bool bit = operand->TestValue() != 0;
  mIsConducting = bit != IsInverting(mClassType);
}

void clsSimpleElement::DrawSymbolAndRung(gdi::DeviceContext& hdc, const GdiResources* resources) {
  const bool conducting = DrawsConducting(resources);
  const bool colourRung = conducting && !IsTransitionContact(mClassType);
  SelectGuard<gdi::Font> font(hdc, resources ? resources->LadderFont : gdi::Font());
  TextColorGuard text(hdc, conducting ? PowerFlowColor() : hdc.TextColor());
  SelectGuard<gdi::Pen> pen(hdc, colourRung ? hdc.CurrentPen().WithColor(PowerFlowColor()) : gdi::Pen());

  const std::string symbol(Symbol(mClassType));
  gdi::Rect extent{0, 0, 0, 0};
  hdc.DrawText(symbol, extent, gdi::DT_CALCRECT | gdi::DT_SINGLELINE | gdi::DT_NOPREFIX);
  const int width = extent.Width();
  const int height = extent.Height();
  const int x0 = static_cast<int>(std::lrint((kCellPixels - width) / 2.0));
  hdc.MoveTo(0, 0);
  hdc.LineTo(x0 + kRungOverlap, 0);
  hdc.MoveTo(x0 + width - kRungOverlap, 0);
  hdc.LineTo(kCellPixels, 0);
  const int y = -(height / 2) + (IsSoftKey(mClassType) ? 0 : 1);
  // The symbol overlaps the rung ends: its background must not cover them.
  BkModeGuard transparent(hdc, gdi::TRANSPARENT);
  hdc.TextOut(x0, y, symbol);
}

void clsSimpleElement::DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) {
  if (resources) {
    if (mIsSelected) {
      hdc.FillRect({1, -6, kCellPixels, 7}, resources->GreyBrush);
    } else {
      hdc.FillRect({10, -6, 74, 7}, resources->WhiteBrush);
    }
  }
  DrawSymbolAndRung(hdc, resources);
  DrawOperands(hdc, resources);
}

} // namespace ldr
