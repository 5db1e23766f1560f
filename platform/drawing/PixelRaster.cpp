#include "platform/drawing/PixelRaster.h"

#include "platform/drawing/RectHelpers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define LDR_BLEND_AVX2 1
#endif

namespace ldr::gdi {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool UsesSource(std::uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
bool UsesPattern(std::uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }
bool UsesDestination(std::uint8_t code) { return ((code >> 1) & 0x55) != (code & 0x55); }

// x * a / 255 for 8-bit values, rounded as Pixman rounds.
std::uint32_t MultiplyUnit8(std::uint32_t x, std::uint32_t a) {
  std::uint32_t t = x * a + 0x80;
  return ((t >> 8) + t) >> 8;
}

#if defined(LDR_BLEND_AVX2)
// BlendRow eight pixels at a time, on processors with AVX2; returns how many
// pixels it blended (whole groups of eight).
__attribute__((target("avx2"))) int BlendEights(std::uint32_t* row, const std::uint8_t* coverage, int count,
                                                std::uint32_t color) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i half = _mm256_set1_epi16(0x80);
  const __m256i spread = _mm256_set1_epi16(0x101);
  const __m256i full = _mm256_set1_epi16(0xFF);
  const __m256i colour = _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(color)), zero);
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    std::uint64_t shares;
    std::memcpy(&shares, coverage + x, sizeof shares);
    if (shares == 0) continue;
    __m128i pairs = _mm_cvtsi64_si128(static_cast<long long>(shares));
    pairs = _mm_unpacklo_epi8(pairs, pairs);
    // Each share four times, one per channel: pixels 0-3 in the low lane, 4-7 in the high.
    const __m256i bytes = _mm256_set_m128i(_mm_unpackhi_epi16(pairs, pairs), _mm_unpacklo_epi16(pairs, pairs));
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + x));
    __m256i mixed[2];
    for (int part = 0; part < 2; ++part) {
      const __m256i share = part ? _mm256_unpackhi_epi8(bytes, zero) : _mm256_unpacklo_epi8(bytes, zero);
      const __m256i dst = part ? _mm256_unpackhi_epi8(pixels, zero) : _mm256_unpacklo_epi8(pixels, zero);
      const __m256i ink = _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_mullo_epi16(colour, share), half), spread);
      const __m256i keep = _mm256_sub_epi16(full, share);
      const __m256i ground = _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_mullo_epi16(dst, keep), half), spread);
      mixed[part] = _mm256_add_epi16(ink, ground);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + x), _mm256_packus_epi16(mixed[0], mixed[1]));
  }
  return x;
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

void FillRow(std::uint32_t* row, int left, int right, std::uint32_t pixel) {
  std::fill(row + left, row + right, pixel);
}

} // namespace

PixelRaster::PixelRaster(const Bitmap& target, const Rect& clip) : mTarget(target) {
  Rect bounds{0, 0, target.Width(), target.Height()};
  IntersectRect(mClip, bounds, clip);
  mTarget.Flush();
  if (!IsRectEmpty(mClip)) {
    mPixels = reinterpret_cast<unsigned char*>(target.Row(0));
    mStride = target.Stride();
  }
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
  std::uint32_t& pixel = Row(y)[x];
  pixel = rop2 == R2_COPYPEN ? Bitmap::ToPixel(color) : ApplyRop2(rop2, Bitmap::ToPixel(color), pixel);
}

COLORREF PixelRaster::Get(int x, int y) const {
  if (!InClip(x, y)) return CLR_INVALID;
  return Bitmap::ToColor(Row(y)[x]);
}

void PixelRaster::Set(int x, int y, COLORREF color) {
  if (InClip(x, y)) Row(y)[x] = Bitmap::ToPixel(color);
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

void PixelRaster::FillSolid(const Rect& rect, std::uint32_t pixel) {
  Rect area;
  if (!IntersectRect(area, rect, mClip)) return;
  for (int y = area.Top; y < area.Bottom; ++y) FillRow(Row(y), area.Left, area.Right, pixel);
}

void PixelRaster::CopyLine(Point a, Point b, COLORREF color) {
  const std::uint32_t pixel = Bitmap::ToPixel(color);
  if (a.Y == b.Y) {
    FillSolid(a.X <= b.X ? Rect{a.X, a.Y, b.X, a.Y + 1} : Rect{b.X + 1, a.Y, a.X + 1, a.Y + 1}, pixel);
  } else if (a.X == b.X) {
    FillSolid(a.Y <= b.Y ? Rect{a.X, a.Y, a.X + 1, b.Y} : Rect{a.X, b.Y + 1, a.X + 1, a.Y + 1}, pixel);
  } else {
    for (const Point& p : LinePixels(a, b))
      if (InClip(p.X, p.Y)) Row(p.Y)[p.X] = pixel;
  }
}

void PixelRaster::FillRect(const Rect& rect, const Brush& brush, const MixState& mix) {
  if (brush.PaintsNothing()) return;
  Rect area;
  if (!IntersectRect(area, rect, mClip)) return;
  if (brush.Style() == BS_SOLID && mix.Rop2 == R2_COPYPEN) {
    FillSolid(area, Bitmap::ToPixel(brush.Color()));
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

std::uint32_t PixelRaster::BlendPixel(std::uint32_t color, std::uint8_t coverage, std::uint32_t dst) {
  // color IN coverage, then OVER dst; the colour is opaque, so the colour's
  // share is the coverage. Alpha is mixed like the colour channels. The two
  // rounded shares of a channel never add up to more than 255.
  std::uint32_t result = 0;
  for (int shift = 0; shift < 32; shift += 8)
    result |=
        (MultiplyUnit8((color >> shift) & 0xFF, coverage) + MultiplyUnit8((dst >> shift) & 0xFF, 0xFFu - coverage))
        << shift;
  return result;
}

void PixelRaster::BlendRow(std::uint32_t* row, const std::uint8_t* coverage, int count, std::uint32_t color) {
  int x = 0;
#if defined(LDR_BLEND_AVX2)
  if (HasAvx2()) x = BlendEights(row, coverage, count, color);
#endif
#if defined(__SSE2__)
  // Four pixels at a time in 16-bit lanes; x * a / 255 rounded is
  // ((x * a + 0x80) * 0x101) >> 16, the same value as MultiplyUnit8.
  const __m128i zero = _mm_setzero_si128();
  const __m128i half = _mm_set1_epi16(0x80);
  const __m128i spread = _mm_set1_epi16(0x101);
  const __m128i full = _mm_set1_epi16(0xFF);
  const __m128i colour = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
  for (; x + 4 <= count; x += 4) {
    std::uint32_t shares;
    std::memcpy(&shares, coverage + x, sizeof shares);
    if (shares == 0) continue;
    __m128i bytes = _mm_cvtsi32_si128(static_cast<int>(shares));
    bytes = _mm_unpacklo_epi8(bytes, bytes);
    bytes = _mm_unpacklo_epi16(bytes, bytes); // each share four times, one per channel
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    __m128i mixed[2];
    for (int part = 0; part < 2; ++part) {
      const __m128i share = part ? _mm_unpackhi_epi8(bytes, zero) : _mm_unpacklo_epi8(bytes, zero);
      const __m128i dst = part ? _mm_unpackhi_epi8(pixels, zero) : _mm_unpacklo_epi8(pixels, zero);
      const __m128i ink = _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(colour, share), half), spread);
      const __m128i keep = _mm_sub_epi16(full, share);
      const __m128i ground = _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(dst, keep), half), spread);
      mixed[part] = _mm_add_epi16(ink, ground);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), _mm_packus_epi16(mixed[0], mixed[1]));
  }
#endif
  for (; x < count; ++x)
    if (coverage[x]) row[x] = BlendPixel(color, coverage[x], row[x]);
}

void PixelRaster::BlendMask(const Rect& box, const std::uint8_t* coverage, int stride, COLORREF color) {
  Rect area;
  if (!IntersectRect(area, box, mClip)) return;
  const std::uint32_t pixel = Bitmap::ToPixel(color);
  // Whole groups of eight where the pixels past the box are inside the clip
  // (when the clip cuts the box there is no room) and the row's padding
  // holds zero shares, which leave those pixels exactly as they are.
  const int offset = area.Left - box.Left;
  const int count = std::min({(area.Width() + 7) / 8 * 8, stride - offset, mClip.Right - area.Left});
  for (int y = area.Top; y < area.Bottom; ++y)
    BlendRow(Row(y) + area.Left, coverage + static_cast<std::ptrdiff_t>(y - box.Top) * stride + offset, count, pixel);
}

bool PixelRaster::SolidPatternTransfer(const Rect& area, const Brush& brush, std::uint8_t code) {
  const bool withPattern = UsesPattern(code);
  if (withPattern && (brush.IsEmpty() || brush.Style() != BS_SOLID)) return false;
  const std::uint32_t pattern = withPattern ? Bitmap::ToPixel(brush.Color()) : 0;
  if (!UsesDestination(code)) {
    const std::uint32_t pixel = ApplyRop3(code, pattern, 0, 0);
    for (int y = area.Top; y < area.Bottom; ++y) FillRow(Row(y), area.Left, area.Right, pixel);
    return true;
  }
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint32_t* row = Row(y);
    if (code == 0x55) // DSTINVERT
      for (int x = area.Left; x < area.Right; ++x) row[x] = ~row[x] | kOpaque;
    else
      for (int x = area.Left; x < area.Right; ++x) row[x] = ApplyRop3(code, pattern, 0, row[x]);
  }
  return true;
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
  } else if (SolidPatternTransfer(area, brush, code)) {
    return;
  }
  int shiftX = sourceOrigin.X - rect.Left;
  int shiftY = sourceOrigin.Y - rect.Top;
  int width = area.Width();

  // A plain copy from another bitmap goes row by row straight across.
  if (code == 0xCC && withSource && source->Row(0) != Row(0)) {
    for (int y = area.Top; y < area.Bottom; ++y)
      std::memcpy(Row(y) + area.Left, source->Row(y + shiftY) + (area.Left + shiftX),
                  static_cast<size_t>(width) * sizeof(std::uint32_t));
    return;
  }
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
      std::memcpy(Row(y) + area.Left, &sourceRows[static_cast<size_t>(y - area.Top) * static_cast<size_t>(width)],
                  static_cast<size_t>(width) * sizeof(std::uint32_t));
    return;
  }
  COLORREF patternColor = 0;
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint32_t* row = Row(y);
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
    if (((p.X + p.Y) & 1) == 0 && InClip(p.X, p.Y)) Row(p.Y)[p.X] ^= 0x00FFFFFFu;
}

} // namespace ldr::gdi
