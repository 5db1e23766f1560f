#pragma once
// A bitmap: a Cairo image surface of 32-bit pixels. A handle: copies share
// the same pixels (as bitmap handles do), the pixels go when the last copy
// goes. Opaque bitmaps (RGB) serve drawing; bitmaps with alpha (ARGB) serve
// cursors and icons.

#include "platform/drawing/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace ldr::gdi {

class Bitmap {
public:
  enum class Format { Rgb, Argb };

  Bitmap() = default;
  // A new bitmap, all black (transparent for Argb).
  Bitmap(int width, int height, Format format = Format::Rgb);
  // Takes over a reference to an existing image surface.
  static Bitmap Adopt(cairo_surface_t* surface);

  bool IsEmpty() const { return !mSurface; }
  int Width() const;
  int Height() const;
  Format PixelFormat() const;
  cairo_surface_t* Surface() const { return mSurface.get(); }
  bool IsSameAs(const Bitmap& other) const { return mSurface == other.mSurface; }

  // A deep copy with its own pixels.
  Bitmap Clone() const;

  // Raw pixel access: call Flush before reading or writing rows, MarkDirty
  // after writing. A pixel is 0xAARRGGBB in native byte order.
  void Flush() const;
  void MarkDirty() const;
  std::uint32_t* Row(int y) const;
  int Stride() const;

  // Direct pixel access without any device-context transform.
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);
  void Fill(COLORREF color);
  // Whether any pixel differs from the colour (alpha ignored for Rgb).
  bool HasPixelOtherThan(COLORREF color) const;
  bool SamePixels(const Bitmap& other) const;

  void WritePng(const std::string& path) const;

  static std::uint32_t ToPixel(COLORREF color) {
    return 0xFF000000u | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
  }
  static COLORREF ToColor(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
  }

private:
  explicit Bitmap(std::shared_ptr<cairo_surface_t> surface) : mSurface(std::move(surface)) {}
  std::shared_ptr<cairo_surface_t> mSurface;
};

} // namespace ldr::gdi
