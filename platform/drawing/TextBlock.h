#pragma once
// The lines of a DrawText call: prefix characters taken out ("&x" underlines
// x, "&&" is one "&"), paragraphs split at line ends, lines broken between
// words when word breaking is asked for (inside a word only when a single word
// is wider than the line and edit-control breaking is asked for), and tabs
// expanded to stops every eight average character widths. Measuring and
// drawing both use this one layout, so a calculated rectangle holds exactly
// what is drawn. A block is worked out whole when it is made (the painter is
// not used afterwards), so painters keep blocks to use again.

#include "platform/drawing/TextPainter.h"

#include <string>
#include <vector>

namespace ldr::gdi {

struct TextSegment {
  int X = 0;        // offset from the line's left edge
  size_t Start = 0; // byte of the line where the segment begins
  std::string Text;
};

struct TextLine {
  std::string Text;
  int Width = 0;
  int UnderlineByte = -1; // byte of Text to underline, -1 for none
  std::vector<TextSegment> Segments;
};

class TextBlock {
public:
  // The DT_ flags that shape a block; the others only place it.
  static constexpr unsigned kLayoutFlags =
      DT_NOPREFIX | DT_SINGLELINE | DT_WORDBREAK | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_EDITCONTROL;
  // Whether the width shapes a block in this format (it breaks lines).
  static bool UsesWidth(unsigned format) { return (format & DT_WORDBREAK) && !(format & DT_SINGLELINE); }

  // maxLines > 0 lays out only the first maxLines lines (those that can be
  // seen); the rest of the text is not measured.
  TextBlock(const TextPainter& painter, const std::string& text, int width, unsigned format, int maxLines = 0);

  const std::vector<TextLine>& Lines() const { return mLines; }
  int MaxWidth() const;
  int LineHeight() const { return mLineHeight; }
  int TotalHeight() const { return mLineHeight * static_cast<int>(mLines.size()); }
  // The pieces of a line between tabs, each with its horizontal offset.
  const std::vector<TextSegment>& Segments(const TextLine& line) const { return line.Segments; }

private:
  int MeasureLine(const std::string& text) const;
  bool Fits(const std::string& paragraph, size_t begin, size_t end) const;
  bool IsFull() const { return mMaxLines > 0 && static_cast<int>(mLines.size()) >= mMaxLines; }
  // The pieces of text between tabs (the whole text without tab expansion)
  // and the width of them all.
  std::vector<TextSegment> Split(const std::string& text, int& width) const;
  void AddLine(const std::string& paragraph, size_t begin, size_t end, size_t paragraphStart);
  void BreakParagraph(const std::string& paragraph, size_t paragraphStart);
  size_t FittingChars(const std::string& paragraph, size_t lineStart, size_t wordStart, size_t wordEnd) const;

  const TextPainter& mPainter;
  unsigned mFormat;
  int mWidth;
  int mMaxLines;
  int mTabWidth;
  int mLineHeight;
  int mUnderlineAt = -1; // byte in the text after prefix processing
  std::vector<TextLine> mLines;
};

} // namespace ldr::gdi
