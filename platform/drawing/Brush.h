#pragma once
// A brush: solid, hatched (the six hatch styles), a pattern bitmap, or the
// null brush that paints nothing. A value; a default-constructed brush is "no
// brush" (a zero handle) and cannot be selected. Hatch and pattern pixels are
// aligned to the surface's pixel grid, so neighbouring fills join seamlessly.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/GdiTypes.h"

namespace ldr::gdi {

class Brush {
public:
  Brush() = default;
  explicit Brush(const LogBrush& description);

  static Brush Solid(COLORREF color) { return Brush(LogBrush{BS_SOLID, color, 0}); }
  static Brush Hatch(int hatchStyle, COLORREF color) { return Brush(LogBrush{BS_HATCHED, color, hatchStyle}); }
  static Brush Null() { return Brush(LogBrush{BS_NULL, 0, 0}); }
  // A brush repeating the bitmap's pixels.
  static Brush Pattern(const Bitmap& pattern);

  bool IsEmpty() const { return mEmpty; }
  bool PaintsNothing() const { return mEmpty || mLog.Style == BS_NULL; }
  int Style() const { return mLog.Style; }
  COLORREF Color() const { return mLog.Color; }
  int HatchStyle() const { return mLog.Hatch; }
  LogBrush Describe() const { return mLog; }

  // The brush's colour at surface pixel (x, y). False where the brush leaves
  // the pixel alone: a gap of a hatch drawn in transparent background mode.
  bool ColorAt(int x, int y, COLORREF background, bool opaqueBackground, COLORREF& color) const;

  // Whether an 8 x 8 hatch pattern has a line through pixel (x, y).
  static bool HatchBit(int hatchStyle, int x, int y);

  friend bool operator==(const Brush& a, const Brush& b) {
    return a.mEmpty == b.mEmpty && a.mLog == b.mLog && a.mPattern.IsSameAs(b.mPattern);
  }

private:
  LogBrush mLog;
  Bitmap mPattern;
  bool mEmpty = true;
};

} // namespace ldr::gdi
