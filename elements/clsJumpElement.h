#pragma once
// The flow-control elements that end a rung: jump to a label of the same
// subroutine (600), call a subroutine (601), return from the subroutine (602)
// and load an HMI display page (603). One row high, six columns wide; one
// output operand names the target (the return's is fixed, type 29).

#include "elements/ElementBase.h"

#include <string>
#include <string_view>

namespace ldr {

class clsJumpElement : public ElementBase {
public:
  using ElementBase::ElementBase;
  const char* ClassName() const override { return "clsJumpElement"; }

  // The target's operand type (29 label, 31 subroutine, 30 display page).
  static long TargetOperandType(std::int32_t elementType);
  static AcceptedType AcceptedTarget(std::int32_t elementType);
  // The prompt handed to the operand's selection step; empty for the return.
  static std::string Prompt(std::int32_t elementType);
  // The resource bitmap drawn for the type.
  static std::string_view BitmapName(std::int32_t elementType);

  void SetXe(std::int32_t value) override;
  void SetYe(std::int32_t value) override;
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  bool InitOperandsData(bool dummy) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsJumpElement>(mCtx); }
  void ApplyOutputTypeRules(Operand& operand) override;
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) override;

private:
  void ShowReadOnly() const;
  // The subroutine of the stored element's net, 0 before it is stored.
  long ScopeFunction();
};

} // namespace ldr
