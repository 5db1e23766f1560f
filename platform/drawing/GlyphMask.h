#pragma once
// One line of text as Pango draws it, kept as a coverage mask: for each pixel
// of the ink's box the share (0 … 255) of it the glyphs cover, with the box
// placed relative to the layout's origin. Drawing the same text again in any
// colour then needs no layout at all: PixelRaster::BlendMask mixes the colour
// through the mask exactly as Cairo mixes a solid colour through glyphs.
//
// Only plain text is kept: a layout with glyphs no font has (drawn as hex
// boxes), with characters beyond the alphabetic blocks (where colour glyphs
// live), of more than one run (mixed directions or fonts: Cairo draws each
// run on its own), or whose ink leaves the probed area is drawn through
// Pango instead.

#include "platform/drawing/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _PangoLayout PangoLayout;

namespace ldr::gdi {

class GlyphMask {
public:
  // The mask of the layout's text, or null when it is not kept as a mask.
  static std::shared_ptr<const GlyphMask> Render(PangoLayout* layout);
  // Whether text (valid UTF-8) is plain enough to be kept as a mask.
  static bool IsPlainText(const std::string& text);

  // The ink's box relative to the layout's origin (empty for blank text).
  const Rect& Box() const { return mBox; }
  // Box().Width() coverage values per row, Box().Height() rows, Stride()
  // bytes apart; each row ends in at least kRowPadding zero shares, so that
  // blending may run in groups of eight pixels past the ink.
  static constexpr int kRowPadding = 7;
  const std::uint8_t* Coverage() const { return mCoverage.data(); }
  int Stride() const { return mStride; }
  // The layout's baseline below its origin, in pixels.
  double Baseline() const { return mBaseline; }

private:
  Rect mBox;
  int mStride = 0;
  std::vector<std::uint8_t> mCoverage;
  double mBaseline = 0;
};

} // namespace ldr::gdi
