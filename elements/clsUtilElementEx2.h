#pragma once
// The second utility set (types 1601 to 1699, 1801 to 1830 and 1268):
// floating point, data tables, CAN, SD card, pulse trains and more. The
// parameter object of the type gives the box its pins and their operands,
// its texts and its parameter block.

#include "elements/ParamsBoxElement.h"

namespace ldr {

class clsUtilElementEx2 : public ParamsBoxElement {
public:
  using ParamsBoxElement::ParamsBoxElement;
  const char* ClassName() const override { return "clsUtilElementEx2"; }

  bool InitOperandsData(bool dummy) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsUtilElementEx2>(mCtx); }
  const char* BlockPropertyName() const override { return "BinaryParams"; }
  // The settings stand right of the pin letters.
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources*) override { DrawSettings(hdc, Frame().Left + 14); }
};

} // namespace ldr
