#pragma once
// A pen: line style, width in pixels and colour. A value: copies are
// independent and nothing needs deleting. A default-constructed pen is "no
// pen" (a zero handle) and cannot be selected; Pen::Null() is the pen that
// draws nothing.

#include "platform/drawing/GdiTypes.h"

namespace ldr::gdi {

class Pen {
public:
  Pen() = default;
  Pen(int style, int width, COLORREF color);
  explicit Pen(const LogPen& description);

  static Pen Solid(COLORREF color, int width = 1) { return Pen(PS_SOLID, width, color); }
  static Pen Null() { return Pen(PS_NULL, 1, 0); }

  bool IsEmpty() const { return mEmpty; }
  bool DrawsNothing() const { return mEmpty || mLog.Style == PS_NULL; }
  int Style() const { return mLog.Style; }
  int Width() const { return mLog.Width; }
  COLORREF Color() const { return mLog.Color; }
  LogPen Describe() const { return mLog; }

  // The same pen in another colour.
  Pen WithColor(COLORREF color) const;

  // Whether the pixel at position `step` along a line is drawn in the pen's
  // colour (true) or is a gap of a dashed or dotted style (false).
  bool IsDashOn(int step) const;
  // Whether every pixel along a line is in the pen's colour (no gaps).
  bool IsSolid() const;

  friend bool operator==(const Pen& a, const Pen& b) { return a.mEmpty == b.mEmpty && a.mLog == b.mLog; }

private:
  LogPen mLog;
  bool mEmpty = true;
};

} // namespace ldr::gdi
