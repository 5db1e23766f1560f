#pragma once
// Contacts, soft-key contacts, coils and the numeric reset (types 200 to
// 213): one row high, six columns wide, one operand above the rung (input 1
// for contacts, output 1 for coils and the numeric reset).

#include "elements/ElementBase.h"

#include <string_view>

namespace ldr {

class clsSimpleElement : public ElementBase {
public:
  enum class Kind { Contact, Coil, NumericReset };

  using ElementBase::ElementBase;
  const char* ClassName() const override { return "clsSimpleElement"; }

  static Kind KindOf(std::int32_t elementType);
  static bool IsInverting(std::int32_t elementType);
  // The three-character symbol drawn in the rung ("| |", "(S)", ...).
  static std::string_view Symbol(std::int32_t elementType);
  // The type a conversion tool sets, or eET_Undefined for other tools.
  static enElementType TypeForTool(const std::string& toolID);
  // The coil tools a coil whose operand has `operandType` cannot become.
  static std::vector<std::string> CoilToolsNotAllowed(long operandType);
  static std::vector<AcceptedType> ContactInputTypes(bool extended);
  static std::vector<AcceptedType> OutputTypes(std::int32_t elementType, bool extended);

  bool InitOperandsData(bool dummy) override;
  void SpecialToolRequest(const std::string& toolID) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsSimpleElement>(mCtx); }
  void ApplyInputTypeRules(Operand& operand) override;
  void ApplyOutputTypeRules(Operand& operand) override;
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) override;
  void EvaluateConducting() override;
  std::vector<std::string> DisabledMenuTools() override;

private:
  // The rung interrupted by the symbol, in the power-flow colour when
  // conducting; everything selected here is put back before returning.
  void DrawSymbolAndRung(gdi::DeviceContext& hdc, const GdiResources* resources);
};

} // namespace ldr
