#pragma once
// Small helpers for pixel tests of the drawing layer.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <set>
#include <utility>

namespace ldr::test {

using namespace ldr::gdi;

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

inline Bitmap Canvas(int width, int height, COLORREF color = kWhite) {
  Bitmap bitmap(width, height);
  bitmap.Fill(color);
  return bitmap;
}

// The pixels that are not of the given colour.
inline std::set<std::pair<int, int>> PixelsNot(const Bitmap& bitmap, COLORREF color) {
  std::set<std::pair<int, int>> found;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.GetPixel(x, y) != color) found.insert({x, y});
  return found;
}

// The smallest rectangle holding every pixel not of the colour.
inline Rect InkBounds(const Bitmap& bitmap, COLORREF background) {
  Rect r{bitmap.Width(), bitmap.Height(), -1, -1};
  for (auto [x, y] : PixelsNot(bitmap, background)) {
    r.Left = std::min(r.Left, x);
    r.Top = std::min(r.Top, y);
    r.Right = std::max(r.Right, x + 1);
    r.Bottom = std::max(r.Bottom, y + 1);
  }
  return r;
}

} // namespace ldr::test
