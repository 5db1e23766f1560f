#include "platform/drawing/Brush.h"

#include <stdexcept>
#include <string>

namespace ldr::gdi {

Brush::Brush(const LogBrush& description) : mLog(description), mEmpty(false) {
  if (mLog.Style == BS_HATCHED && (mLog.Hatch < HS_HORIZONTAL || mLog.Hatch > HS_DIAGCROSS))
    throw std::invalid_argument("Brush: unknown hatch style " + std::to_string(mLog.Hatch));
  if (mLog.Style == BS_PATTERN) throw std::invalid_argument("Brush: a pattern brush needs its bitmap");
  if (mLog.Style != BS_SOLID && mLog.Style != BS_NULL && mLog.Style != BS_HATCHED)
    throw std::invalid_argument("Brush: unknown brush style " + std::to_string(mLog.Style));
}

Brush Brush::Pattern(const Bitmap& pattern) {
  if (pattern.IsEmpty() || pattern.Width() == 0 || pattern.Height() == 0)
    throw std::invalid_argument("Brush: empty pattern bitmap");
  Brush brush;
  brush.mLog = LogBrush{BS_PATTERN, 0, 0};
  brush.mPattern = pattern.Clone();
  brush.mEmpty = false;
  return brush;
}

bool Brush::HatchBit(int hatchStyle, int x, int y) {
  int px = ((x % 8) + 8) % 8;
  int py = ((y % 8) + 8) % 8;
  bool horizontal = py == 3;
  bool vertical = px == 4;
  bool forward = px == py;      // \ from top left to bottom right
  bool backward = px + py == 7; // / from bottom left to top right
  switch (hatchStyle) {
  case HS_HORIZONTAL:
    return horizontal;
  case HS_VERTICAL:
    return vertical;
  case HS_FDIAGONAL:
    return forward;
  case HS_BDIAGONAL:
    return backward;
  case HS_CROSS:
    return horizontal || vertical;
  case HS_DIAGCROSS:
    return forward || backward;
  default:
    return false;
  }
}

bool Brush::ColorAt(int x, int y, COLORREF background, bool opaqueBackground, COLORREF& color) const {
  switch (mLog.Style) {
  case BS_SOLID:
    color = mLog.Color;
    return true;
  case BS_HATCHED:
    if (HatchBit(mLog.Hatch, x, y)) {
      color = mLog.Color;
      return true;
    }
    color = background;
    return opaqueBackground;
  case BS_PATTERN: {
    int w = mPattern.Width();
    int h = mPattern.Height();
    color = Bitmap::ToColor(mPattern.Row(((y % h) + h) % h)[((x % w) + w) % w]);
    return true;
  }
  default:
    return false;
  }
}

} // namespace ldr::gdi
