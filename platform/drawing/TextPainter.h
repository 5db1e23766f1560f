#pragma once
// Measures and draws single lines of text with one font, through Pango on a
// Cairo surface. Text is hinted with whole-pixel metrics so that it lands
// crisply on the pixel grid, and measuring and drawing agree exactly.

#include "platform/drawing/Font.h"
#include "platform/drawing/GdiTypes.h"

#include <string>

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace ldr::gdi {

class TextPainter {
public:
  TextPainter();
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  void SetFont(const Font& font);
  const Font& CurrentFont() const { return mFont; }
  const TextMetric& Metrics() const { return mMetrics; }

  // Width in pixels of one line of text (control characters count as blanks).
  int Width(const std::string& text) const;

  // Draws one line with the top left of its cell at (x, y) in surface pixels.
  // underlineByte >= 0 underlines the character starting at that byte.
  void Draw(cairo_t* cr, int x, int y, const std::string& text, COLORREF color, int underlineByte = -1) const;

  // Valid UTF-8 with every control character turned into a blank.
  static std::string Printable(const std::string& text);

private:
  void Prepare(const std::string& text, int underlineByte) const;

  PangoContext* mContext = nullptr;
  PangoLayout* mLayout = nullptr;
  Font mFont;
  TextMetric mMetrics;
};

} // namespace ldr::gdi
