#include "platform/drawing/TextPainter.h"

#include "platform/drawing/GlyphMask.h"
#include "platform/drawing/PixelRaster.h"
#include "platform/drawing/RectHelpers.h"
#include "platform/drawing/TextBlock.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace ldr::gdi {

// What the painter keeps of one text: its width and, once drawn, its glyph
// mask (null after a try: the text is drawn through Pango).
struct TextPainter::KeptText {
  int Width = -1; // -1 until measured
  bool MaskTried = false;
  std::shared_ptr<const GlyphMask> Mask;
  int VisibleRoom = -1; // the room VisibleBytes was worked out for
  std::size_t VisibleBytes = 0;
};

// What the painter keeps for one font: its own Pango context (the font's
// anti-aliasing is a context option) and layout, its metrics, and the texts
// measured and drawn in it. A text is mostly measured and drawn several
// times in a row, so the one used last is found again without hashing.
struct TextPainter::Face {
  PangoContext* Context = nullptr;
  PangoLayout* Layout = nullptr;
  TextMetric Metrics;
  bool Lined = false; // the font underlines or strikes out
  LruCache<std::string, KeptText> Texts{kKeptTexts};
  LruCache<std::string, std::shared_ptr<const TextBlock>> Blocks{kKeptBlocks};
  std::string LastText;
  KeptText* Last = nullptr; // only Kept inserts into Texts, and it renews this
  std::string LastBlockText;
  int LastBlockWidth = 0;
  unsigned LastBlockFormat = 0;
  int LastBlockMaxLines = 0;
  std::shared_ptr<const TextBlock> LastBlock;

  Face() = default;
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;
  ~Face() {
    if (Layout) g_object_unref(Layout);
    if (Context) g_object_unref(Context);
  }
};

TextPainter::TextPainter() : mFaces(kKeptFonts) { SetFont(Font::Default()); }

TextPainter::~TextPainter() = default;

std::unique_ptr<TextPainter::Face> TextPainter::MakeFace(const Font& font) {
  auto face = std::make_unique<Face>();
  face->Context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  pango_context_set_round_glyph_positions(face->Context, TRUE);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_antialias(options, font.Antialiased() ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  pango_cairo_context_set_font_options(face->Context, options);
  cairo_font_options_destroy(options);
  face->Layout = pango_layout_new(face->Context);
  pango_layout_set_single_paragraph_mode(face->Layout, TRUE);
  pango_layout_set_font_description(face->Layout, font.PangoDescription());
  const LogFont log = font.Describe();
  face->Lined = log.Underline || log.StrikeOut;

  PangoFontMetrics* m = pango_context_get_metrics(face->Context, font.PangoDescription(), nullptr);
  TextMetric& metrics = face->Metrics;
  metrics.Ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(m));
  metrics.Descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(m));
  metrics.Height = metrics.Ascent + metrics.Descent;
  metrics.ExternalLeading = 0;
  metrics.AveCharWidth = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(m));
  metrics.MaxCharWidth =
      std::max(metrics.AveCharWidth, PANGO_PIXELS(pango_font_metrics_get_approximate_digit_width(m)));
  pango_font_metrics_unref(m);
  return face;
}

void TextPainter::SetFont(const Font& font) {
  if (font.IsEmpty() || font == mFont) return;
  mFont = font;
  if (std::unique_ptr<Face>* kept = mFaces.Find(font.CacheKey())) {
    mFace = kept->get();
    return;
  }
  mFace = mFaces.Insert(font.CacheKey(), MakeFace(font)).get();
}

const TextMetric& TextPainter::Metrics() const { return mFace->Metrics; }

std::string TextPainter::Printable(const std::string& text) {
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  std::string out(valid);
  g_free(valid);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}

void TextPainter::Prepare(const std::string& text, int underlineByte) const {
  PangoLayout* layout = mFace->Layout;
  std::string printable = Printable(text);
  pango_layout_set_text(layout, printable.c_str(), static_cast<int>(printable.size()));
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
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
}

TextPainter::KeptText& TextPainter::Kept(const std::string& text) const {
  Face& face = *mFace;
  if (face.Last && face.LastText == text) return *face.Last;
  KeptText* kept = face.Texts.Find(text);
  if (!kept) kept = &face.Texts.Insert(text, KeptText{});
  face.LastText = text;
  face.Last = kept;
  return *kept;
}

int TextPainter::Width(const std::string& text) const {
  if (text.empty()) return 0;
  KeptText& kept = Kept(text);
  if (kept.Width < 0) {
    Prepare(text, -1);
    PangoRectangle logical;
    pango_layout_get_extents(mFace->Layout, nullptr, &logical);
    kept.Width = PANGO_PIXELS(logical.width);
  }
  return kept.Width;
}

std::string TextPainter::VisiblePart(const std::string& text, int room) const {
  // Characters kept past the one at the edge: their ink may reach back.
  constexpr int kSpareCharacters = 2;
  room = std::max(room, 0);
  if (Width(text) <= room) return text;
  const std::string printable = Printable(text);
  KeptText& kept = Kept(text);
  if (kept.VisibleRoom != room) {
    Prepare(text, -1);
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(mFace->Layout, room * PANGO_SCALE, 0, &index, &trailing);
    const char* end = printable.c_str() + index;
    for (int i = 0; i <= kSpareCharacters && *end; ++i) end = g_utf8_next_char(end);
    kept.VisibleRoom = room;
    kept.VisibleBytes = static_cast<std::size_t>(end - printable.c_str());
  }
  return printable.substr(0, kept.VisibleBytes);
}

void TextPainter::Draw(cairo_t* cr, int x, int y, const std::string& text, COLORREF color, int underlineByte) const {
  if (text.empty()) return;
  Prepare(text, underlineByte);
  // Put the baseline on a whole pixel row, Ascent below the cell top.
  double baseline = static_cast<double>(pango_layout_get_baseline(mFace->Layout)) / PANGO_SCALE;
  cairo_save(cr);
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
  cairo_move_to(cr, x, std::round(y + mFace->Metrics.Ascent - baseline));
  pango_cairo_show_layout(cr, mFace->Layout);
  cairo_restore(cr);
}

bool TextPainter::DrawKept(const Bitmap& target, int x, int y, const std::string& text, COLORREF color,
                           int underlineByte, const Rect& clip) const {
  if (text.empty()) return true;
  if (underlineByte >= 0 || mFace->Lined) return false;
  KeptText& kept = Kept(text);
  if (!kept.MaskTried) {
    Prepare(text, -1);
    kept.Mask = GlyphMask::Render(mFace->Layout);
    kept.MaskTried = true;
  }
  const GlyphMask* mask = kept.Mask.get();
  if (!mask) return false;
  // The layout's origin as Draw puts it.
  const int top = static_cast<int>(std::round(y + mFace->Metrics.Ascent - mask->Baseline()));
  Rect box = mask->Box();
  OffsetRect(box, x, top);
  PixelRaster(target, clip).BlendMask(box, mask->Coverage(), mask->Stride(), color);
  return true;
}

std::shared_ptr<const TextBlock> TextPainter::Block(const std::string& text, int width, unsigned format,
                                                    int maxLines) const {
  // Blocks that differ only in what does not shape them are one block.
  format &= TextBlock::kLayoutFlags;
  if (!TextBlock::UsesWidth(format)) width = 0;
  Face& face = *mFace;
  maxLines = std::max(maxLines, 0);
  if (face.LastBlock && face.LastBlockWidth == width && face.LastBlockFormat == format &&
      face.LastBlockMaxLines == maxLines && face.LastBlockText == text)
    return face.LastBlock;
  // Width, format and line limit as raw bytes ahead of the text.
  std::string key;
  key.reserve(sizeof width + sizeof format + sizeof maxLines + text.size());
  key.append(reinterpret_cast<const char*>(&width), sizeof width);
  key.append(reinterpret_cast<const char*>(&format), sizeof format);
  key.append(reinterpret_cast<const char*>(&maxLines), sizeof maxLines);
  key += text;
  const std::shared_ptr<const TextBlock>* kept = face.Blocks.Find(key);
  if (!kept) kept = &face.Blocks.Insert(key, std::make_shared<const TextBlock>(*this, text, width, format, maxLines));
  face.LastBlockText = text;
  face.LastBlockWidth = width;
  face.LastBlockFormat = format;
  face.LastBlockMaxLines = maxLines;
  face.LastBlock = *kept;
  return face.LastBlock;
}

} // namespace ldr::gdi
