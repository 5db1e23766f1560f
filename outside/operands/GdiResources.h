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

struct GdiResources {
  // The ladder font: the right board's font as a 16-pixel fixed-pitch face.
  gdi::Font LadderFont;
  // Not filled by the drawer.
  gdi::Font AuxFont;
  // The grey pen, RGB(192,192,192), with the right board's pen style and width.
  gdi::Pen GreyPen;
  // Not filled by the drawer.
  gdi::Pen AuxPen;
  // Solid white, RGB(255,255,255).
  gdi::Brush WhiteBrush;
  // Solid grey, RGB(192,192,192): the selection band.
  gdi::Brush GreyBrush;
  // Solid light yellow, RGB(255,255,219).
  gdi::Brush LightYellowBrush;
  // A memory device context holding the grid-row bitmap (770 x 1: white
  // with a blue dot every 14 pixels), copied by strips under each grid row.
  gdi::DeviceContext GridRowDC;
  // The bitmap that was selected into GridRowDC before the grid row.
  gdi::Bitmap GridRowPreviousBitmap;

  GdiResources() = default;
  GdiResources(GdiResources&&) = default;
  GdiResources& operator=(GdiResources&&) = default;
  GdiResources(const GdiResources&) = delete;
  GdiResources& operator=(const GdiResources&) = delete;
  ~GdiResources() {
    if (!GridRowPreviousBitmap.IsEmpty()) GridRowDC.SelectObject(GridRowPreviousBitmap);
  }
};

} // namespace ldr
