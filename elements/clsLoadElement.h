#pragma once
// Indirect load boxes (types 1000 to 1005): the value B points at is loaded
// into A's place. The store box with a picture instead of its pins.

#include "elements/clsStoreElement.h"

namespace ldr {

class clsLoadElement : public clsStoreElement {
public:
  using clsStoreElement::clsStoreElement;
  const char* ClassName() const override { return "clsLoadElement"; }

  std::string ToolTipText() override { return "Load Indirect " + IndirectSuffix(mClassType); }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsLoadElement>(mCtx); }
  std::vector<BoxPin> Pins() const override { return {}; }
  std::string PrintTitle() override { return Title(); }
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;
};

} // namespace ldr
