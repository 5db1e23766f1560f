#pragma once
// The in-range box (type 1701): power passes while A lies between B and C.
// A compare box thirteen rows high with a third input.

#include "elements/clsCompareElement.h"

namespace ldr {

class clsInRangeElement : public clsCompareElement {
public:
  using clsCompareElement::clsCompareElement;
  const char* ClassName() const override { return "clsInRangeElement"; }

  std::int32_t Height() override { return 13; }
  std::string ToolTipText() override { return "Within Range"; }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsInRangeElement>(mCtx); }
  std::int32_t InputCount() const override { return 3; }
  BoxFrame Frame() const override { return {98, 169, 154, 159}; }
  std::string PrintTitle() override { return "B<=A<=C"; }
};

} // namespace ldr
