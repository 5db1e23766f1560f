#pragma once
// Extended indirect store boxes (types 1901 to 1906): a source and a pointer
// operand, both inputs. Nine rows high, thirteen columns wide, with a picture
// instead of pins.

#include "elements/BoxElement.h"

namespace ldr {

class clsStoreElementEx : public BoxElement {
public:
  using BoxElement::BoxElement;
  const char* ClassName() const override { return "clsStoreElementEx"; }

  std::int32_t Height() override { return 9; }
  tyLdrPoint Delta() override { NotSupported("Delta"); }
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  void SetInlet(const tyLdrPoint&) override { ReportReadOnly("Inlet"); }
  void SetOutlet(const tyLdrPoint&) override { ReportReadOnly("Outlet"); }
  std::int32_t NumberOfInputs() override { return 0; }
  std::int32_t NumberOfOutputs() override { return 0; }
  bool InitOperandsData(bool dummy) override { return CreateSlots(2, 0, dummy); }
  void SpecialToolRequest(const std::string& toolID) override { SwitchType(toolID); }
  std::string ToolTipText() override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsStoreElementEx>(mCtx); }
  std::int32_t Width() override { return 13; }
  BoxFrame Frame() const override { return {98, 169, 106, 159}; }
  std::vector<BoxPin> Pins() const override { return {}; }
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;
};

} // namespace ldr
