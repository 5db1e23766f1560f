#pragma once
// Resource pictures drawn inside element figures.

#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

#include <string>

namespace ldr {

// Copies the resource bitmap `name` with its top-left corner at (x, y).
inline void DrawPicture(gdi::DeviceContext& hdc, const std::string& name, int x, int y) {
  const gdi::Bitmap& picture = gdi::ResourceLibrary::SharedBitmap(name);
  const gdi::DeviceContext source(picture);
  hdc.BitBlt(x, y, picture.Width(), picture.Height(), source, 0, 0, gdi::SRCCOPY);
}

} // namespace ldr
