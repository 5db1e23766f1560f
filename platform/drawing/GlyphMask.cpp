#include "platform/drawing/GlyphMask.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstring>

namespace ldr::gdi {
namespace {

// Pixels probed around the ink and logical boxes: hinting may put ink a
// little outside the box Pango reports, and ink on the probe's border means
// the probe was too small.
constexpr int kProbeMargin = 4;
// Alphabetic blocks end here; symbols, emoji and colour glyphs come after.
constexpr gunichar kFirstSymbolCodePoint = 0x2000;
// The widest and highest probe made: text drawn is cut to what is seen, so
// only far-off starts need more, and those go through Pango.
constexpr int kMaxProbeSide = 8192;

struct InkRows {
  int Left;
  int Top;
  int Right;
  int Bottom;
};

// The box of the non-zero pixels of an A8 image; empty when there are none.
InkRows FindInk(const unsigned char* data, int stride, int width, int height) {
  InkRows ink{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      if (!row[x]) continue;
      ink.Left = std::min(ink.Left, x);
      ink.Right = std::max(ink.Right, x + 1);
      ink.Top = std::min(ink.Top, y);
      ink.Bottom = y + 1;
    }
  }
  return ink;
}

// One line of one run: Cairo draws it in one call, through one glyph mask.
bool IsSingleRun(PangoLayout* layout) {
  if (pango_layout_get_line_count(layout) != 1) return false;
  const PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
  return g_slist_length(line->runs) <= 1;
}

} // namespace

bool GlyphMask::IsPlainText(const std::string& text) {
  const char* end = text.c_str() + text.size();
  for (const char* p = text.c_str(); p < end; p = g_utf8_next_char(p))
    if (g_utf8_get_char(p) >= kFirstSymbolCodePoint) return false;
  return true;
}

std::shared_ptr<const GlyphMask> GlyphMask::Render(PangoLayout* layout) {
  if (!IsPlainText(pango_layout_get_text(layout)) || pango_layout_get_unknown_glyphs_count(layout) > 0 ||
      !IsSingleRun(layout))
    return nullptr;
  PangoRectangle ink;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  const int left = std::min(ink.x, logical.x) - kProbeMargin;
  const int top = std::min(ink.y, logical.y) - kProbeMargin;
  const int width = std::max(ink.x + ink.width, logical.x + logical.width) + kProbeMargin - left;
  const int height = std::max(ink.y + ink.height, logical.y + logical.height) + kProbeMargin - top;

  if (width > kMaxProbeSide || height > kMaxProbeSide) return nullptr;

  // Drawn on nothing, the run leaves the glyph mask Cairo draws it through.
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_move_to(cr, -left, -top);
  pango_cairo_show_layout(cr, layout);
  const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  if (!drawn) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);

  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const InkRows found = FindInk(data, stride, width, height);
  const bool empty = found.Left >= found.Right;
  if (!empty && (found.Left == 0 || found.Top == 0 || found.Right == width || found.Bottom == height)) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  auto mask = std::make_shared<GlyphMask>();
  mask->mBaseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
  if (!empty) {
    mask->mBox = Rect{found.Left + left, found.Top + top, found.Right + left, found.Bottom + top};
    const int boxWidth = found.Right - found.Left;
    mask->mStride = (boxWidth + kRowPadding + 7) / 8 * 8;
    mask->mCoverage.resize(static_cast<std::size_t>(mask->mStride) *
                           static_cast<std::size_t>(found.Bottom - found.Top));
    for (int y = found.Top; y < found.Bottom; ++y)
      std::memcpy(&mask->mCoverage[static_cast<std::size_t>(y - found.Top) * static_cast<std::size_t>(mask->mStride)],
                  data + static_cast<std::ptrdiff_t>(y) * stride + found.Left, static_cast<std::size_t>(boxWidth));
  }
  cairo_surface_destroy(surface);
  return mask;
}

} // namespace ldr::gdi
