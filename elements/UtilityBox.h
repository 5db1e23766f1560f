#pragma once
// What the utility boxes share: a box twenty columns wide with its inputs
// on the left and its outputs on the right, one pin a slot without a
// letter (the operand stands beside it), the type's title under the header
// and its picture in the middle. The size follows the larger of the two
// operand counts. The end point and the flow are nobody's to set.

#include "elements/BoxElement.h"
#include "elements/UtilityBoxLook.h"

namespace ldr {

class UtilityBox : public BoxElement {
public:
  using BoxElement::BoxElement;

  std::int32_t Height() override;
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  std::string ToolTipText() override;

  // Where the picture's top-left corner stands, in pixels from the inlet.
  static constexpr int kPictureX = 124;
  static constexpr int kPictureY = kDividerY + 4;

protected:
  // The row of the box's type; nothing for a type without one (the box is
  // then drawn empty and has no operands).
  virtual const UtilityBoxLook* Look() const = 0;
  std::int32_t InputCount() const;
  std::int32_t OutputCount() const;

  std::int32_t Width() override { return 20; }
  BoxFrame Frame() const override;
  std::vector<BoxPin> Pins() const override;
  int PinY(bool isInput, std::int32_t slot) const override;
  std::string Title() override;
  std::string PrintTitle() override;
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;
};

} // namespace ldr
