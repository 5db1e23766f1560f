#include "elements/clsStoreElementEx.h"

#include "elements/ElementPictures.h"
#include "elements/clsStoreElement.h"

namespace ldr {

std::string clsStoreElementEx::ToolTipText() { return "Store Indirect " + clsStoreElement::IndirectSuffix(mClassType); }

void clsStoreElementEx::DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) {
  DrawPicture(hdc, resources && mIsSelected ? "INDIRECT_STORE_SELECTED" : "INDIRECT_STORE", 92, kDividerY);
}

} // namespace ldr
