#pragma once
// N-input arithmetic boxes (types 501 to 536): ADD, MUL, SUB or DIV of 3 to
// 8 inputs into one result. The two-input box grown downwards by its inputs;
// the operation is fixed (no switching).

#include "elements/cls2x1Element.h"

namespace ldr {

class clsNx1Element : public cls2x1Element {
public:
  using cls2x1Element::cls2x1Element;
  const char* ClassName() const override { return "clsNx1Element"; }

  // The inputs of a type: its last digit + 2, kept within 2 to 8 so that a
  // damaged type never makes a box without end.
  static std::int32_t InputsOf(std::int32_t elementType);
  // Grid rows by number of inputs: 2 -> 9, 3 -> 13, ... 8 -> 30.
  static std::int32_t HeightFor(std::int32_t inputs);

  std::int32_t Height() override { return HeightFor(InputCount()); }
  void SpecialToolRequest(const std::string&) override {}
  std::string ToolTipText() override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsNx1Element>(mCtx); }
  std::int32_t InputCount() const override { return InputsOf(mClassType); }
  BoxFrame Frame() const override;
  std::string Title() override;
};

} // namespace ldr
