#pragma once
// Direct and indirect store boxes (types 900 to 906): A is stored into B.
// Six rows high, nineteen columns wide, one input and one output. The load
// and timer boxes are the same box with other texts and pictures.

#include "elements/BoxElement.h"

namespace ldr {

class clsStoreElement : public BoxElement {
public:
  using BoxElement::BoxElement;
  const char* ClassName() const override { return "clsStoreElement"; }

  std::int32_t Height() override { return 6; }
  tyLdrPoint Delta() override { return {0, 0}; }
  // The input counts belong to the variable-input boxes.
  std::int32_t NumberOfInputs() override { return 0; }
  std::int32_t NumberOfOutputs() override { return 0; }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  bool InitOperandsData(bool dummy) override { return CreateSlots(1, 1, dummy); }
  void SpecialToolRequest(const std::string& toolID) override { SwitchType(toolID); }
  std::string ToolTipText() override;

  // "[MI]" ... "[SDW]": the operand kind an indirect store or load names.
  static std::string IndirectSuffix(std::int32_t elementType);

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsStoreElement>(mCtx); }
  std::int32_t Width() override { return 19; }
  BoxFrame Frame() const override { return {98, 169, 57, 159}; }
  std::vector<BoxPin> Pins() const override { return {{true, 1, kFirstPinY, "A"}, {false, 1, kFirstPinY, "B"}}; }
  std::string PrintTitle() override { return " ST "; }
};

} // namespace ldr
