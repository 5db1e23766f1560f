#pragma once
// Contacts, soft-key contacts, coils and the numeric reset (types 200 to
// 213): one row high, six columns wide, one operand above the rung (input 1
// for contacts, output 1 for coils and the numeric reset).

#include "elements/clsElementBase.h"

#include <string_view>

namespace ldr {

class clsSimpleElement : public clsElementBase {
public:
  enum class Kind { Contact, Coil, NumericReset };

  using clsElementBase::clsElementBase;
  const char* ClassName() const override { return "clsSimpleElement"; }

  static Kind KindOf(std::int32_t elementType);
  static bool IsInverting(std::int32_t elementType);
  // The three-character symbol drawn in the rung ("| |", "(S)", ...).
  static std::string_view Symbol(std::int32_t elementType);
  // The type a conversion tool sets, or eET_Undefined for other tools.
  static enElementType TypeForTool(const std::string& toolID);
  // The coil tools a coil whose operand has `operandType` cannot become.
  static std::vector<std::string> CoilToolsNotAllowed(long operandType);
  static std::vector<tyAcceptedType> ContactInputTypes(bool extended);
  static std::vector<tyAcceptedType> OutputTypes(std::int32_t elementType, bool extended);

  bool InitOperandsData(bool pDummy) override;
  void SpecialToolRequest(const std::string& pToolID) override;

protected:
  std::shared_ptr<clsElementBase> NewEmpty() override { return std::make_shared<clsSimpleElement>(mCtx); }
  void ApplyInputTypeRules(clsOperand& operand) override;
  void ApplyOutputTypeRules(clsOperand& operand) override;
  void DrawFigure(gdi::DeviceContext& hdc, const tyGdiResources* resources) override;
  void EvaluateConducting() override;
  std::vector<std::string> DisabledMenuTools() override;

private:
  // The rung interrupted by the symbol, in the power-flow colour when
  // conducting; everything selected here is put back before returning.
  void DrawSymbolAndRung(gdi::DeviceContext& hdc, const tyGdiResources* resources);
};

} // namespace ldr
