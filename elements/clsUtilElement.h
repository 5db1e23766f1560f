#pragma once
// Utility boxes (types 1200 to 1269): bit, vector, string, conversion,
// display and input/output operations. Everything a type differs in (title,
// picture, tool tip, operand counts) is its row of UtilElementTable. A new
// box gets empty operand slots showing their prompts; the user fills them
// one by one afterwards.

#include "elements/UtilityBox.h"

namespace ldr {

class clsUtilElement : public UtilityBox {
public:
  using UtilityBox::UtilityBox;
  const char* ClassName() const override { return "clsUtilElement"; }

  bool InitOperandsData(bool dummy) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsUtilElement>(mCtx); }
  const UtilityBoxLook* Look() const override;
};

} // namespace ldr
