#include "platform/drawing/PixelRaster.h"

#include "platform/drawing/RectHelpers.h"

#include <cstdlib>
#include <cstring>

namespace ldr::gdi {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool UsesSource(std::uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
bool UsesPattern(std::uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

} // namespace

PixelRaster::PixelRaster(const Bitmap& target, const Rect& clip) : mTarget(target) {
  Rect bounds{0, 0, target.Width(), target.Height()};
  IntersectRect(mClip, bounds, clip);
  mTarget.Flush();
}

PixelRaster::~PixelRaster() { mTarget.MarkDirty(); }

std::uint32_t PixelRaster::ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dst) {
  unsigned table = static_cast<unsigned>(rop2 - 1) & 0x0F;
  std::uint32_t result = 0;
  if (table & 1) result |= ~pen & ~dst;
  if (table & 2) result |= ~pen & dst;
  if (table & 4) result |= pen & ~dst;
  if (table & 8) result |= pen & dst;
  return result | kOpaque;
}

std::uint32_t PixelRaster::ApplyRop3(std::uint8_t code, std::uint32_t pattern, std::uint32_t source,
                                     std::uint32_t dst) {
  std::uint32_t result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    std::uint32_t p = (i & 4) ? pattern : ~pattern;
    std::uint32_t s = (i & 2) ? source : ~source;
    std::uint32_t d = (i & 1) ? dst : ~dst;
    result |= p & s & d;
  }
  return result | kOpaque;
}

void PixelRaster::Mix(int x, int y, COLORREF color, int rop2) {
  if (!InClip(x, y)) return;
  std::uint32_t& pixel = mTarget.Row(y)[x];
  pixel = rop2 == R2_COPYPEN ? Bitmap::ToPixel(color) : ApplyRop2(rop2, Bitmap::ToPixel(color), pixel);
}

COLORREF PixelRaster::Get(int x, int y) const {
  if (!InClip(x, y)) return CLR_INVALID;
  return Bitmap::ToColor(mTarget.Row(y)[x]);
}

void PixelRaster::Set(int x, int y, COLORREF color) {
  if (InClip(x, y)) mTarget.Row(y)[x] = Bitmap::ToPixel(color);
}

std::vector<Point> PixelRaster::LinePixels(Point a, Point b) {
  std::vector<Point> pixels;
  int dx = std::abs(b.X - a.X);
  int dy = std::abs(b.Y - a.Y);
  int sx = a.X < b.X ? 1 : -1;
  int sy = a.Y < b.Y ? 1 : -1;
  int steps = std::max(dx, dy);
  pixels.reserve(static_cast<size_t>(steps));
  int err = dx - dy;
  Point p = a;
  for (int i = 0; i < steps; ++i) {
    pixels.push_back(p);
    int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      p.X += sx;
    }
    if (e2 < dx) {
      err += dx;
      p.Y += sy;
    }
  }
  return pixels;
}

std::vector<Point> PixelRaster::BorderPixels(const Rect& r) {
  std::vector<Point> pixels;
  if (IsRectEmpty(r)) return pixels;
  int right = r.Right - 1;
  int bottom = r.Bottom - 1;
  for (int x = r.Left; x <= right; ++x) pixels.push_back({x, r.Top});
  for (int y = r.Top + 1; y <= bottom; ++y) pixels.push_back({right, y});
  if (bottom > r.Top)
    for (int x = right - 1; x >= r.Left; --x) pixels.push_back({x, bottom});
  if (right > r.Left)
    for (int y = bottom - 1; y > r.Top; --y) pixels.push_back({r.Left, y});
  return pixels;
}

void PixelRaster::PlotPen(const std::vector<Point>& path, const Pen& pen, const MixState& mix) {
  if (pen.DrawsNothing()) return;
  for (size_t i = 0; i < path.size(); ++i) {
    if (pen.IsDashOn(static_cast<int>(i)))
      Mix(path[i].X, path[i].Y, pen.Color(), mix.Rop2);
    else if (mix.OpaqueBackground)
      Mix(path[i].X, path[i].Y, mix.Background, mix.Rop2);
  }
}

void PixelRaster::FillRect(const Rect& rect, const Brush& brush, const MixState& mix) {
  if (brush.PaintsNothing()) return;
  Rect area;
  if (!IntersectRect(area, rect, mClip)) return;
  if (brush.Style() == BS_SOLID && mix.Rop2 == R2_COPYPEN) {
    std::uint32_t pixel = Bitmap::ToPixel(brush.Color());
    for (int y = area.Top; y < area.Bottom; ++y) {
      std::uint32_t* row = mTarget.Row(y);
      for (int x = area.Left; x < area.Right; ++x) row[x] = pixel;
    }
    return;
  }
  COLORREF color;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (brush.ColorAt(x, y, mix.Background, mix.OpaqueBackground, color)) Mix(x, y, color, mix.Rop2);
}

void PixelRaster::FillMask(const PixelMask& mask, const Brush& brush, const MixState& mix) {
  if (brush.PaintsNothing()) return;
  Rect area;
  if (!IntersectRect(area, mask.Box, mClip)) return;
  COLORREF color;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (mask.At(x, y) && brush.ColorAt(x, y, mix.Background, mix.OpaqueBackground, color)) Mix(x, y, color, mix.Rop2);
}

void PixelRaster::BlockTransfer(const Rect& rect, const Bitmap* source, Point sourceOrigin, const Brush& brush,
                                const MixState& mix, DWORD rop) {
  std::uint8_t code = static_cast<std::uint8_t>((rop >> 16) & 0xFF);
  bool withSource = UsesSource(code);
  bool withPattern = UsesPattern(code);
  Rect area;
  if (!IntersectRect(area, rect, mClip)) return;
  if (withSource) {
    if (!source || source->IsEmpty()) return;
    // Only where the source has pixels.
    Rect sourceArea{rect.Left + (0 - sourceOrigin.X), rect.Top + (0 - sourceOrigin.Y),
                    rect.Left + (source->Width() - sourceOrigin.X), rect.Top + (source->Height() - sourceOrigin.Y)};
    if (!IntersectRect(area, area, sourceArea)) return;
    source->Flush();
  }
  int shiftX = sourceOrigin.X - rect.Left;
  int shiftY = sourceOrigin.Y - rect.Top;
  int width = area.Width();

  // A copy of the source rows first: source and target may be the same bitmap.
  std::vector<std::uint32_t> sourceRows;
  if (withSource) {
    sourceRows.resize(static_cast<size_t>(width) * static_cast<size_t>(area.Height()));
    for (int y = area.Top; y < area.Bottom; ++y)
      std::memcpy(&sourceRows[static_cast<size_t>(y - area.Top) * static_cast<size_t>(width)],
                  source->Row(y + shiftY) + (area.Left + shiftX), static_cast<size_t>(width) * sizeof(std::uint32_t));
  }
  if (code == 0xCC) { // source copy
    for (int y = area.Top; y < area.Bottom; ++y)
      std::memcpy(mTarget.Row(y) + area.Left,
                  &sourceRows[static_cast<size_t>(y - area.Top) * static_cast<size_t>(width)],
                  static_cast<size_t>(width) * sizeof(std::uint32_t));
    return;
  }
  COLORREF patternColor = 0;
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint32_t* row = mTarget.Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      std::uint32_t pattern = 0;
      if (withPattern) {
        if (brush.IsEmpty() || !brush.ColorAt(x, y, mix.Background, mix.OpaqueBackground, patternColor)) continue;
        pattern = Bitmap::ToPixel(patternColor);
      }
      std::uint32_t src =
          withSource ? sourceRows[static_cast<size_t>(y - area.Top) * static_cast<size_t>(width) + (x - area.Left)] : 0;
      row[x] = ApplyRop3(code, pattern, src, row[x]);
    }
  }
}

void PixelRaster::InvertDotted(const std::vector<Point>& path) {
  for (const Point& p : path)
    if (((p.X + p.Y) & 1) == 0 && InClip(p.X, p.Y)) mTarget.Row(p.Y)[p.X] ^= 0x00FFFFFFu;
}

} // namespace ldr::gdi
