#include "elements/clsLoadElement.h"

#include "elements/ElementPictures.h"

namespace ldr {

void clsLoadElement::DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) {
  DrawPicture(hdc, resources && mIsSelected ? "INDIRECT_LOAD_SELECTED" : "INDIRECT_LOAD", 92, kDividerY);
}

} // namespace ldr
