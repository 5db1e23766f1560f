#pragma once
// The pixel work of a device context on its bitmap, in surface pixels and
// within a clip rectangle: pen pixels with a mix mode, brush fills of
// rectangles and shape masks, and the ternary raster operations of bit-block
// transfers. Nothing here is anti-aliased: every pixel is set whole.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/GdiTypes.h"
#include "platform/drawing/Pen.h"

#include <cstdint>
#include <vector>

namespace ldr::gdi {

// Which pixels of a rectangular box a shape covers, row by row.
struct PixelMask {
  Rect Box;
  std::vector<std::uint8_t> Inside; // Box.Width() * Box.Height(), 1 = covered
  bool At(int x, int y) const {
    return x >= Box.Left && x < Box.Right && y >= Box.Top && y < Box.Bottom &&
           Inside[static_cast<size_t>(y - Box.Top) * static_cast<size_t>(Box.Width()) +
                  static_cast<size_t>(x - Box.Left)] != 0;
  }
};

// How pens and brushes mix with what is already there.
struct MixState {
  COLORREF Background = RGB(255, 255, 255);
  bool OpaqueBackground = true;
  int Rop2 = R2_COPYPEN;
};

class PixelRaster {
public:
  PixelRaster(const Bitmap& target, const Rect& clip);
  ~PixelRaster();
  PixelRaster(const PixelRaster&) = delete;
  PixelRaster& operator=(const PixelRaster&) = delete;

  // Pixels along a pen path, in drawing order; dashes are counted along it.
  void PlotPen(const std::vector<Point>& path, const Pen& pen, const MixState& mix);
  void FillRect(const Rect& rect, const Brush& brush, const MixState& mix);
  void FillMask(const PixelMask& mask, const Brush& brush, const MixState& mix);
  // dst = rop(pattern, source, dst) over rect; source may be null when the
  // operation does not use it, brush may be empty when it does not use one.
  void BlockTransfer(const Rect& rect, const Bitmap* source, Point sourceOrigin, const Brush& brush,
                     const MixState& mix, DWORD rop);
  // Inverts every other pixel of a path (a dotted XOR line).
  void InvertDotted(const std::vector<Point>& path);
  COLORREF Get(int x, int y) const;
  void Set(int x, int y, COLORREF color);

  // The pixels of a one-pixel line from a to b, b itself excluded.
  static std::vector<Point> LinePixels(Point a, Point b);
  // The one-pixel border of a rectangle, each pixel once, clockwise from the top left.
  static std::vector<Point> BorderPixels(const Rect& r);
  static std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dst);
  static std::uint32_t ApplyRop3(std::uint8_t code, std::uint32_t pattern, std::uint32_t source, std::uint32_t dst);

private:
  bool InClip(int x, int y) const { return x >= mClip.Left && x < mClip.Right && y >= mClip.Top && y < mClip.Bottom; }
  void Mix(int x, int y, COLORREF color, int rop2);

  Bitmap mTarget;
  Rect mClip;
};

} // namespace ldr::gdi
