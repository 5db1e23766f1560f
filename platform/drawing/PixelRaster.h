#pragma once
// The pixel work of a device context on its bitmap, in surface pixels and
// within a clip rectangle: pen pixels with a mix mode, brush fills of
// rectangles and shape masks, and the ternary raster operations of bit-block
// transfers. Nothing here is anti-aliased: every pixel is set whole.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/GdiTypes.h"
#include "platform/drawing/Pen.h"

#include <cstddef>
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
  // The pixels of LinePixels(a, b) in an opaque colour; straight lines go
  // row by row.
  void CopyLine(Point a, Point b, COLORREF color);
  void FillRect(const Rect& rect, const Brush& brush, const MixState& mix);
  void FillMask(const PixelMask& mask, const Brush& brush, const MixState& mix);
  // Mixes an opaque colour into the pixels of box through a coverage mask
  // (box.Width() values 0 … 255 per row, rows `stride` bytes apart, zero
  // from box.Width() to stride), rounding as Cairo does when it draws a solid
  // colour through a glyph mask, so text drawn from a kept mask equals text
  // drawn through Pango.
  void BlendMask(const Rect& box, const std::uint8_t* coverage, int stride, COLORREF color);
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
  // One pixel of BlendMask: color (0xAARRGGBB, opaque) over dst at coverage.
  static std::uint32_t BlendPixel(std::uint32_t color, std::uint8_t coverage, std::uint32_t dst);
  // BlendPixel over count pixels of a row, several at a time where the
  // processor allows.
  static void BlendRow(std::uint32_t* row, const std::uint8_t* coverage, int count, std::uint32_t color);

private:
  bool InClip(int x, int y) const { return x >= mClip.Left && x < mClip.Right && y >= mClip.Top && y < mClip.Bottom; }
  std::uint32_t* Row(int y) const { return reinterpret_cast<std::uint32_t*>(mPixels + y * mStride); }
  void Mix(int x, int y, COLORREF color, int rop2);
  void FillSolid(const Rect& rect, std::uint32_t pixel);
  // Pattern-only transfers (no source) with a solid brush, row by row.
  bool SolidPatternTransfer(const Rect& area, const Brush& brush, std::uint8_t code);

  Bitmap mTarget;
  Rect mClip;
  // The target's pixels, looked up once: only rows inside a non-empty clip are used.
  unsigned char* mPixels = nullptr;
  std::ptrdiff_t mStride = 0;
};

} // namespace ldr::gdi
