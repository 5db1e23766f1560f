#pragma once
// The lines of a DrawText call: prefix characters taken out ("&x" underlines
// x, "&&" is one "&"), paragraphs split at line ends, lines broken between
// words when word breaking is asked for (inside a word only when a single word
// is wider than the line and edit-control breaking is asked for), and tabs
// expanded to stops every eight average character widths. Measuring and
// drawing both use this one layout, so a calculated rectangle holds exactly
// what is drawn.

#include "platform/drawing/TextPainter.h"

#include <string>
#include <vector>

namespace ldr::gdi {

struct TextLine {
  std::string Text;
  int Width = 0;
  int UnderlineByte = -1; // byte of Text to underline, -1 for none
};

struct TextSegment {
  int X = 0;        // offset from the line's left edge
  size_t Start = 0; // byte of the line where the segment begins
  std::string Text;
};

class TextBlock {
public:
  TextBlock(const TextPainter& painter, const std::string& text, int width, unsigned format);

  const std::vector<TextLine>& Lines() const { return mLines; }
  int MaxWidth() const;
  int LineHeight() const { return mLineHeight; }
  int TotalHeight() const { return mLineHeight * static_cast<int>(mLines.size()); }
  // The pieces of a line between tabs, each with its horizontal offset.
  std::vector<TextSegment> Segments(const TextLine& line) const;

private:
  int MeasureLine(const std::string& text) const;
  void AddLine(const std::string& paragraph, size_t begin, size_t end, size_t paragraphStart);
  void BreakParagraph(const std::string& paragraph, size_t paragraphStart);
  size_t FittingChars(const std::string& paragraph, size_t lineStart, size_t wordStart, size_t wordEnd) const;

  const TextPainter& mPainter;
  unsigned mFormat;
  int mWidth;
  int mTabWidth;
  int mLineHeight;
  int mUnderlineAt = -1; // byte in the text after prefix processing
  std::vector<TextLine> mLines;
};

} // namespace ldr::gdi
