#include "platform/drawing/Sketch.h"

#include <cmath>

namespace ldr::gdi {

Sketch::Sketch(int width, int height, Bitmap::Format format, COLORREF background, bool transparent)
    : mBitmap(width, height, format), mDc(mBitmap), mBackground(background) {
  if (!(transparent && format == Bitmap::Format::Argb)) mBitmap.Fill(background);
  mDc.SetBkMode(TRANSPARENT);
}

void Sketch::Line(int x0, int y0, int x1, int y1, COLORREF color, int width) {
  Pen old = mDc.SelectObject(Pen::Solid(color, width));
  mDc.MoveTo(x0, y0);
  mDc.LineTo(x1, y1);
  if (width <= 1) mDc.SetPixel(x1, y1, color);
  mDc.SelectObject(old);
}

void Sketch::Frame(int left, int top, int right, int bottom, COLORREF color) {
  Pen oldPen = mDc.SelectObject(Pen::Solid(color));
  Brush oldBrush = mDc.SelectObject(Brush::Null());
  mDc.Rectangle(left, top, right, bottom);
  mDc.SelectObject(oldPen);
  mDc.SelectObject(oldBrush);
}

void Sketch::Fill(int left, int top, int right, int bottom, COLORREF color) {
  mDc.FillRect(Rect{left, top, right, bottom}, Brush::Solid(color));
}

void Sketch::Box(int left, int top, int right, int bottom, COLORREF fill, COLORREF frame) {
  Pen oldPen = mDc.SelectObject(Pen::Solid(frame));
  Brush oldBrush = mDc.SelectObject(Brush::Solid(fill));
  mDc.Rectangle(left, top, right, bottom);
  mDc.SelectObject(oldPen);
  mDc.SelectObject(oldBrush);
}

void Sketch::Circle(int cx, int cy, int radius, COLORREF color, bool filled) {
  Pen oldPen = mDc.SelectObject(Pen::Solid(color));
  Brush oldBrush = mDc.SelectObject(filled ? Brush::Solid(color) : Brush::Null());
  mDc.Ellipse(cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
  mDc.SelectObject(oldPen);
  mDc.SelectObject(oldBrush);
}

void Sketch::Polygon(const std::vector<Point>& points, COLORREF fill, COLORREF frame) {
  Pen oldPen = mDc.SelectObject(Pen::Solid(frame));
  Brush oldBrush = mDc.SelectObject(Brush::Solid(fill));
  mDc.Polygon(points);
  mDc.SelectObject(oldPen);
  mDc.SelectObject(oldBrush);
}

void Sketch::Arrow(int x0, int y0, int x1, int y1, COLORREF color) {
  double dx = x1 - x0;
  double dy = y1 - y0;
  double length = std::hypot(dx, dy);
  if (length < 1) return;
  double ux = dx / length;
  double uy = dy / length;
  double size = 4;
  // Stop the shaft where the head begins.
  int sx = static_cast<int>(std::lround(x1 - ux * size));
  int sy = static_cast<int>(std::lround(y1 - uy * size));
  Line(x0, y0, sx, sy, color);
  Point tip{x1, y1};
  Point a{static_cast<int>(std::lround(x1 - ux * size - uy * size * 0.8)),
          static_cast<int>(std::lround(y1 - uy * size + ux * size * 0.8))};
  Point b{static_cast<int>(std::lround(x1 - ux * size + uy * size * 0.8)),
          static_cast<int>(std::lround(y1 - uy * size - ux * size * 0.8))};
  Polygon({tip, a, b}, color, color);
}

void Sketch::Cells(int left, int top, int n, int w, int h, const std::string& marks, COLORREF color) {
  for (int i = 0; i < n; ++i) {
    int l = left + i * (w - 1);
    bool marked = i < static_cast<int>(marks.size()) && marks[static_cast<size_t>(i)] != '.';
    Box(l, top, l + w, top + h, marked ? color : (mBackground == kGrey ? kWhite : mBackground), color);
  }
}

void Sketch::Text(int cx, int top, const std::string& text, int pixels, COLORREF color, bool bold) {
  LogFont log;
  log.FaceName = "DejaVu Sans";
  log.Height = -pixels;
  log.Weight = bold ? FW_BOLD : FW_NORMAL;
  Font oldFont = mDc.SelectObject(Font(log));
  COLORREF oldColor = mDc.SetTextColor(color);
  unsigned oldAlign = mDc.SetTextAlign(TA_CENTER | TA_TOP);
  mDc.TextOut(cx, top, text);
  mDc.SetTextAlign(oldAlign);
  mDc.SetTextColor(oldColor);
  mDc.SelectObject(oldFont);
}

void Sketch::Screen(int left, int top, int right, int bottom, COLORREF color) {
  Box(left, top, right, bottom - 3, kWhite, color);
  Frame(left + 2, top + 2, right - 2, bottom - 5, color);
  int mid = (left + right) / 2;
  Line(mid, bottom - 3, mid, bottom - 2, color);
  Line(mid - 4, bottom - 1, mid + 4, bottom - 1, color);
}

void Sketch::ClockFace(int cx, int cy, int radius, COLORREF color) {
  Pen oldPen = mDc.SelectObject(Pen::Solid(color));
  Brush oldBrush = mDc.SelectObject(Brush::Solid(kWhite));
  mDc.Ellipse(cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
  mDc.SelectObject(oldPen);
  mDc.SelectObject(oldBrush);
  Line(cx, cy, cx, cy - radius + 2, color);
  Line(cx, cy, cx + radius - 3, cy, color);
}

} // namespace ldr::gdi
