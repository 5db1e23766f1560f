#include "platform/drawing/Pen.h"

#include <stdexcept>
#include <string>

namespace ldr::gdi {

Pen::Pen(int style, int width, COLORREF color) : Pen(LogPen{style, width, color}) {}

Pen::Pen(const LogPen& description) : mLog(description), mEmpty(false) {
  if (mLog.Style < PS_SOLID || mLog.Style > PS_INSIDEFRAME)
    throw std::invalid_argument("Pen: unknown pen style " + std::to_string(mLog.Style));
  if (mLog.Width < 1) mLog.Width = 1; // width 0 draws one pixel wide, as on Windows
  // Dashes and dots exist for one-pixel pens only; wider pens draw solid.
  if (mLog.Width > 1 && mLog.Style >= PS_DASH && mLog.Style <= PS_DASHDOTDOT) mLog.Style = PS_SOLID;
}

Pen Pen::WithColor(COLORREF color) const {
  Pen copy = *this;
  copy.mLog.Color = color;
  return copy;
}

bool Pen::IsSolid() const {
  return !DrawsNothing() && mLog.Style != PS_DASH && mLog.Style != PS_DOT && mLog.Style != PS_DASHDOT &&
         mLog.Style != PS_DASHDOTDOT;
}

bool Pen::IsDashOn(int step) const {
  // Lengths of the on and off runs of each style, in pixels.
  switch (mLog.Style) {
  case PS_DASH:
    return step % 24 < 18;
  case PS_DOT:
    return step % 6 < 3;
  case PS_DASHDOT: {
    int s = step % 24;
    return s < 9 || (s >= 15 && s < 18);
  }
  case PS_DASHDOTDOT: {
    int s = step % 24;
    return s < 9 || (s >= 12 && s < 15) || (s >= 18 && s < 21);
  }
  default:
    return true;
  }
}

} // namespace ldr::gdi
