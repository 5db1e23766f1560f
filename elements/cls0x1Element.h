#pragma once
// Increment and decrement boxes (types 1500 and 1501): one operand, no
// inputs. Six rows high, thirteen columns wide.

#include "elements/BoxElement.h"

namespace ldr {

class cls0x1Element : public BoxElement {
public:
  using BoxElement::BoxElement;
  const char* ClassName() const override { return "cls0x1Element"; }

  std::int32_t Height() override { return 6; }
  bool IsEnableInEnableOut() override { return true; }
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  bool InitOperandsData(bool dummy) override { return CreateSlots(0, 1, dummy); }
  void SpecialToolRequest(const std::string& toolID) override { SwitchType(toolID); }
  std::string ToolTipText() override { return mClassType == eET_DecrementElement ? " Decrement " : " Increment "; }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<cls0x1Element>(mCtx); }
  std::int32_t Width() override { return 13; }
  BoxFrame Frame() const override { return {14, 84, 57, 0}; }
  std::vector<BoxPin> Pins() const override { return {{false, 1, kFirstPinY, ""}}; }
};

} // namespace ldr
