#pragma once
// Compare boxes (types 300 to 305): power passes while the comparison of the
// operands A and B holds. Nine rows high, thirteen columns wide, two inputs
// and no output. The in-range box (clsInRangeElement) differs only in size,
// its third input and its texts.

#include "elements/BoxElement.h"

namespace ldr {

class clsCompareElement : public BoxElement {
public:
  using BoxElement::BoxElement;
  const char* ClassName() const override { return "clsCompareElement"; }

  std::int32_t Height() override { return 9; }
  tyLdrPoint Delta() override { NotSupported("Delta"); }
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  void SetInlet(const tyLdrPoint&) override { ReportReadOnly("Inlet"); }
  void SetOutlet(const tyLdrPoint&) override { ReportReadOnly("Outlet"); }
  bool InitOperandsData(bool dummy) override { return CreateSlots(InputCount(), 0, dummy); }
  void SpecialToolRequest(const std::string& toolID) override { SwitchType(toolID); }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsCompareElement>(mCtx); }
  std::int32_t Width() override { return 13; }
  virtual std::int32_t InputCount() const { return 2; }
  BoxFrame Frame() const override;
  std::vector<BoxPin> Pins() const override;
  // The box keeps the conduction the net gave it: the compiler's code, not
  // the editor, evaluates the comparison on line.
};

} // namespace ldr
