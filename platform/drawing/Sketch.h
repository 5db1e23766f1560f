#pragma once
// A small drawing aid for the component's own pictures: whole-pixel lines,
// frames, arrows, cells and short labels on a bitmap, through a device
// context. Coordinates are pixels of the picture; line ends are included.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <string>
#include <vector>

namespace ldr::gdi {

class Sketch {
public:
  static constexpr COLORREF kInk = RGB(0, 0, 128);
  static constexpr COLORREF kBlack = RGB(0, 0, 0);
  static constexpr COLORREF kRed = RGB(192, 0, 0);
  static constexpr COLORREF kGreen = RGB(0, 128, 0);
  static constexpr COLORREF kYellow = RGB(255, 224, 0);
  static constexpr COLORREF kWhite = RGB(255, 255, 255);
  static constexpr COLORREF kGrey = RGB(192, 192, 192);
  static constexpr COLORREF kDarkGrey = RGB(128, 128, 128);

  // A picture of the given size filled with background (or transparent
  // when the bitmap has alpha and transparent is true).
  Sketch(int width, int height, Bitmap::Format format, COLORREF background, bool transparent);

  int Width() const { return mBitmap.Width(); }
  int Height() const { return mBitmap.Height(); }
  COLORREF Background() const { return mBackground; }
  const Bitmap& Image() const { return mBitmap; }
  DeviceContext& Dc() { return mDc; }

  void Line(int x0, int y0, int x1, int y1, COLORREF color = kInk, int width = 1);
  void Frame(int left, int top, int right, int bottom, COLORREF color = kInk);
  void Fill(int left, int top, int right, int bottom, COLORREF color);
  void Box(int left, int top, int right, int bottom, COLORREF fill, COLORREF frame = kInk);
  void Circle(int cx, int cy, int radius, COLORREF color = kInk, bool filled = false);
  void Polygon(const std::vector<Point>& points, COLORREF fill, COLORREF frame);
  // A line with a filled arrow head at its second end.
  void Arrow(int x0, int y0, int x1, int y1, COLORREF color = kInk);
  // n cells side by side from (left, top), each w x h; the marked ones filled.
  void Cells(int left, int top, int n, int w, int h, const std::string& marks = {}, COLORREF color = kInk);
  // Text of `pixels` character height, centred on cx, its cell's top at top.
  void Text(int cx, int top, const std::string& text, int pixels = 9, COLORREF color = kInk, bool bold = true);
  // A monitor: a framed screen on a foot.
  void Screen(int left, int top, int right, int bottom, COLORREF color = kInk);
  void ClockFace(int cx, int cy, int radius, COLORREF color = kInk);

private:
  Bitmap mBitmap;
  DeviceContext mDc;
  COLORREF mBackground;
};

} // namespace ldr::gdi
