#include "platform/drawing/TextPainter.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace ldr::gdi {

TextPainter::TextPainter() {
  mContext = pango_font_map_create_context(pango_cairo_font_map_get_default());
  pango_context_set_round_glyph_positions(mContext, TRUE);
  mLayout = pango_layout_new(mContext);
  pango_layout_set_single_paragraph_mode(mLayout, TRUE);
  SetFont(Font::Default());
}

TextPainter::~TextPainter() {
  g_object_unref(mLayout);
  g_object_unref(mContext);
}

void TextPainter::SetFont(const Font& font) {
  if (font.IsEmpty() || font == mFont) return;
  mFont = font;
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_antialias(options, font.Antialiased() ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  pango_cairo_context_set_font_options(mContext, options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(mLayout);
  pango_layout_set_font_description(mLayout, font.PangoDescription());

  PangoFontMetrics* m = pango_context_get_metrics(mContext, font.PangoDescription(), nullptr);
  mMetrics.Ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(m));
  mMetrics.Descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(m));
  mMetrics.Height = mMetrics.Ascent + mMetrics.Descent;
  mMetrics.ExternalLeading = 0;
  mMetrics.AveCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(m));
  mMetrics.MaxCharWidth =
      std::max(mMetrics.AveCharWidth, PANGO_PIXELS(pango_font_metrics_get_approximate_digit_width(m)));
  pango_font_metrics_unref(m);
}

std::string TextPainter::Printable(const std::string& text) {
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  std::string out(valid);
  g_free(valid);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}

void TextPainter::Prepare(const std::string& text, int underlineByte) const {
  std::string printable = Printable(text);
  pango_layout_set_text(mLayout, printable.c_str(), static_cast<int>(printable.size()));
  LogFont log = mFont.Describe();
  PangoAttrList* attributes = pango_attr_list_new();
  if (log.Underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (log.StrikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  if (underlineByte >= 0 && underlineByte < static_cast<int>(printable.size())) {
    const char* start = printable.c_str() + underlineByte;
    const char* end = g_utf8_next_char(start);
    PangoAttribute* mark = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    mark->start_index = static_cast<guint>(underlineByte);
    mark->end_index = static_cast<guint>(end - printable.c_str());
    pango_attr_list_insert(attributes, mark);
  }
  pango_layout_set_attributes(mLayout, attributes);
  pango_attr_list_unref(attributes);
}

int TextPainter::Width(const std::string& text) const {
  if (text.empty()) return 0;
  Prepare(text, -1);
  PangoRectangle logical;
  pango_layout_get_extents(mLayout, nullptr, &logical);
  return PANGO_PIXELS(logical.width);
}

void TextPainter::Draw(cairo_t* cr, int x, int y, const std::string& text, COLORREF color, int underlineByte) const {
  if (text.empty()) return;
  Prepare(text, underlineByte);
  // Put the baseline on a whole pixel row, Ascent below the cell top.
  double baseline = static_cast<double>(pango_layout_get_baseline(mLayout)) / PANGO_SCALE;
  cairo_save(cr);
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
  cairo_move_to(cr, x, std::round(y + mMetrics.Ascent - baseline));
  pango_cairo_show_layout(cr, mLayout);
  cairo_restore(cr);
}

} // namespace ldr::gdi
