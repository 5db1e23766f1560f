#pragma once
// Measures and draws single lines of text with one font, through Pango on a
// Cairo surface. Text is hinted with whole-pixel metrics so that it lands
// crisply on the pixel grid, and measuring and drawing agree exactly.
//
// A painter keeps what it works out, per font, in bounded caches that forget
// the entries used longest ago: the font's metrics, the width of each text,
// the word-broken lines of DrawText calls and the glyph mask of each text
// drawn. An editor redraws mostly the same texts, so a redraw costs lookups
// and pixel mixing instead of Pango layout.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/GdiTypes.h"
#include "platform/drawing/LruCache.h"

#include <cstddef>
#include <memory>
#include <string>

typedef struct _cairo cairo_t;

namespace ldr::gdi {

class TextBlock;

class TextPainter {
public:
  // How many fonts, and per font how many texts (with their widths and
  // glyph masks) and DrawText blocks, the painter keeps.
  static constexpr std::size_t kKeptFonts = 8;
  static constexpr std::size_t kKeptTexts = 4096;
  static constexpr std::size_t kKeptBlocks = 512;

  TextPainter();
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  void SetFont(const Font& font);
  const Font& CurrentFont() const { return mFont; }
  const TextMetric& Metrics() const;

  // Width in pixels of one line of text (control characters count as blanks).
  int Width(const std::string& text) const;

  // Draws one line with the top left of its cell at (x, y) in surface pixels.
  // underlineByte >= 0 underlines the character starting at that byte.
  void Draw(cairo_t* cr, int x, int y, const std::string& text, COLORREF color, int underlineByte = -1) const;
  // Draws one line like Draw, straight into the bitmap's pixels inside clip
  // (surface pixels) from the text's kept glyph mask. False, with nothing
  // drawn, for text that is not kept as a mask (underlined or struck-out
  // text, symbols): that text goes through Draw.
  bool DrawKept(const Bitmap& target, int x, int y, const std::string& text, COLORREF color, int underlineByte,
                const Rect& clip) const;

  // The lines of a DrawText call in the current font (see TextBlock); with
  // maxLines > 0 only the first maxLines.
  std::shared_ptr<const TextBlock> Block(const std::string& text, int width, unsigned format, int maxLines = 0) const;

  // The beginning of one line of text that can show in the first `room`
  // pixels from its start (with a character to spare for ink reaching
  // back); the whole text when it is no wider, valid UTF-8 when cut.
  std::string VisiblePart(const std::string& text, int room) const;

  // Valid UTF-8 with every control character turned into a blank.
  static std::string Printable(const std::string& text);

private:
  struct KeptText;
  struct Face;
  static std::unique_ptr<Face> MakeFace(const Font& font);
  KeptText& Kept(const std::string& text) const;
  void Prepare(const std::string& text, int underlineByte) const;

  Font mFont;
  LruCache<std::string, std::unique_ptr<Face>> mFaces; // made in the .cpp, where Face is known
  Face* mFace = nullptr;
};

} // namespace ldr::gdi
