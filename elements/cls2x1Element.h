#pragma once
// Two-input arithmetic and logic boxes (types 400 to 407): C = A op B.
// Nine rows high, nineteen columns wide; the N-input boxes (clsNx1Element)
// are the same box grown by their inputs.

#include "elements/BoxElement.h"

namespace ldr {

class cls2x1Element : public BoxElement {
public:
  using BoxElement::BoxElement;
  const char* ClassName() const override { return "cls2x1Element"; }

  std::int32_t Height() override { return 9; }
  bool IsEnableInEnableOut() override { return true; }
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  bool InitOperandsData(bool dummy) override { return CreateSlots(InputCount(), 1, dummy); }
  void SpecialToolRequest(const std::string& toolID) override { SwitchType(toolID); }
  std::string ToolTipText() override { return "C = A " + Title() + " B"; }

  // The letter of input `slot` (1: "A"); the output takes the letter after
  // the last input.
  static std::string Letter(std::int32_t slot) { return std::string(1, static_cast<char>('A' + slot - 1)); }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<cls2x1Element>(mCtx); }
  std::int32_t Width() override { return 19; }
  virtual std::int32_t InputCount() const { return 2; }
  BoxFrame Frame() const override { return {98, 169, 106, 159}; }
  std::vector<BoxPin> Pins() const override;
};

} // namespace ldr
