#pragma once
// The drawing resources the drawer creates once and hands, by reference, to
// every strip, element and operand that draws. Fields in their published
// order; the drawer fills all but fields 2 and 4, which stay empty unless the
// operand library gives them a use of its own. The record owns what it holds:
// pens, brushes and fonts are values, and the grid-row device context is
// released with the record (after the bitmap of field 9 is put back).

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/Pen.h"

namespace ldr {

struct tyGdiResources {
  // 1. The ladder font: the right board's font as a 16-pixel fixed-pitch face.
  gdi::Font LadderFont;
  // 2. Not filled by the drawer.
  gdi::Font AuxFont;
  // 3. The grey pen, RGB(192,192,192), with the right board's pen style and width.
  gdi::Pen GreyPen;
  // 4. Not filled by the drawer.
  gdi::Pen AuxPen;
  // 5. Solid white, RGB(255,255,255).
  gdi::Brush WhiteBrush;
  // 6. Solid grey, RGB(192,192,192): the selection band.
  gdi::Brush GreyBrush;
  // 7. Solid light yellow, RGB(255,255,219).
  gdi::Brush LightYellowBrush;
  // 8. A memory device context holding the grid-row bitmap (770 x 1: white
  // with a blue dot every 14 pixels), copied by strips under each grid row.
  gdi::DeviceContext GridRowDC;
  // 9. The bitmap that was selected into GridRowDC before the grid row.
  gdi::Bitmap GridRowPreviousBitmap;

  tyGdiResources() = default;
  tyGdiResources(tyGdiResources&&) = default;
  tyGdiResources& operator=(tyGdiResources&&) = default;
  tyGdiResources(const tyGdiResources&) = delete;
  tyGdiResources& operator=(const tyGdiResources&) = delete;
  ~tyGdiResources() {
    if (!GridRowPreviousBitmap.IsEmpty()) GridRowDC.SelectObject(GridRowPreviousBitmap);
  }
};

} // namespace ldr
