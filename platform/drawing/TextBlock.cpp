#include "platform/drawing/TextBlock.h"

#include <algorithm>

namespace ldr::gdi {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Removes prefix marks; returns the text and the byte to underline.
std::string StripPrefixes(const std::string& text, int& underline) {
  std::string out;
  underline = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (i + 1 < text.size()) {
      underline = static_cast<int>(out.size());
    }
  }
  return out;
}

size_t NextCharEnd(const std::string& s, size_t i) {
  ++i;
  while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  return i;
}

} // namespace

TextBlock::TextBlock(const TextPainter& painter, const std::string& text, int width, unsigned format, int maxLines)
    : mPainter(painter), mFormat(format), mWidth(width), mMaxLines(maxLines) {
  mTabWidth = std::max(1, 8 * painter.Metrics().AveCharWidth);
  mLineHeight = painter.Metrics().Height + ((format & DT_EXTERNALLEADING) ? painter.Metrics().ExternalLeading : 0);
  std::string body = text;
  if (!(format & DT_NOPREFIX)) body = StripPrefixes(text, mUnderlineAt);

  if (format & DT_SINGLELINE) {
    AddLine(body, 0, body.size(), 0);
    return;
  }
  size_t start = 0;
  while (!IsFull()) {
    size_t end = body.find_first_of("\r\n", start);
    std::string paragraph = body.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (format & DT_WORDBREAK)
      BreakParagraph(paragraph, start);
    else
      AddLine(paragraph, 0, paragraph.size(), start);
    if (end == std::string::npos) break;
    start = end + ((body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n') ? 2 : 1);
  }
}

// A long candidate is first measured over its beginning only: text that
// overflows there overflows whole, so the rest of a very long word is never
// laid out.
bool TextBlock::Fits(const std::string& paragraph, size_t begin, size_t end) const {
  const size_t probe = static_cast<size_t>(std::max(mWidth, 0)) * 2 + 16;
  if (end - begin > probe) {
    size_t cut = begin + probe;
    while (cut < end && (static_cast<unsigned char>(paragraph[cut]) & 0xC0) == 0x80) ++cut;
    if (MeasureLine(paragraph.substr(begin, cut - begin)) > mWidth) return false;
  }
  return MeasureLine(paragraph.substr(begin, end - begin)) <= mWidth;
}

int TextBlock::MeasureLine(const std::string& text) const {
  if (!(mFormat & DT_EXPANDTABS)) return mPainter.Width(text);
  int width = 0;
  Split(text, width);
  return width;
}

std::vector<TextSegment> TextBlock::Split(const std::string& text, int& width) const {
  if (!(mFormat & DT_EXPANDTABS)) {
    width = mPainter.Width(text);
    return {TextSegment{0, 0, text}};
  }
  std::vector<TextSegment> segments;
  int x = 0;
  size_t start = 0;
  while (true) {
    size_t tab = text.find('\t', start);
    std::string piece = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    const int pieceWidth = mPainter.Width(piece);
    segments.push_back(TextSegment{x, start, std::move(piece)});
    if (tab == std::string::npos) {
      width = x + pieceWidth;
      break;
    }
    x += pieceWidth;
    x = (x / mTabWidth + 1) * mTabWidth;
    start = tab + 1;
  }
  return segments;
}

void TextBlock::AddLine(const std::string& paragraph, size_t begin, size_t end, size_t paragraphStart) {
  TextLine line;
  line.Text = paragraph.substr(begin, end - begin);
  line.Segments = Split(line.Text, line.Width);
  int at = mUnderlineAt - static_cast<int>(paragraphStart + begin);
  if (mUnderlineAt >= 0 && at >= 0 && at < static_cast<int>(line.Text.size())) line.UnderlineByte = at;
  mLines.push_back(std::move(line));
}

size_t TextBlock::FittingChars(const std::string& paragraph, size_t lineStart, size_t wordStart, size_t wordEnd) const {
  size_t fit = NextCharEnd(paragraph, wordStart); // at least one character per line
  while (fit < wordEnd) {
    size_t next = NextCharEnd(paragraph, fit);
    if (MeasureLine(paragraph.substr(lineStart, next - lineStart)) > mWidth) break;
    fit = next;
  }
  return fit;
}

void TextBlock::BreakParagraph(const std::string& paragraph, size_t paragraphStart) {
  size_t lineStart = 0;
  bool emitted = false;
  while ((lineStart < paragraph.size() || !emitted) && !IsFull()) {
    size_t fitEnd = std::string::npos; // end of the last word that fits
    size_t i = lineStart;
    size_t nextStart = paragraph.size();
    while (true) {
      size_t wordStart = i;
      while (wordStart < paragraph.size() && IsBlank(paragraph[wordStart])) ++wordStart;
      if (wordStart >= paragraph.size()) break;
      size_t wordEnd = wordStart;
      while (wordEnd < paragraph.size() && !IsBlank(paragraph[wordEnd])) ++wordEnd;
      bool fits = Fits(paragraph, lineStart, wordEnd);
      if (fits) {
        fitEnd = wordEnd;
        i = wordEnd;
        continue;
      }
      if (fitEnd != std::string::npos) {
        nextStart = wordStart;
        break;
      }
      // A single word wider than the line.
      if (mFormat & DT_EDITCONTROL) {
        fitEnd = FittingChars(paragraph, lineStart, wordStart, wordEnd);
        nextStart = fitEnd;
      } else {
        fitEnd = wordEnd;
        nextStart = wordEnd;
        while (nextStart < paragraph.size() && IsBlank(paragraph[nextStart])) ++nextStart;
      }
      break;
    }
    if (fitEnd == std::string::npos) fitEnd = paragraph.size(); // only blanks left
    AddLine(paragraph, lineStart, fitEnd, paragraphStart);
    emitted = true;
    if (nextStart >= paragraph.size()) break;
    lineStart = nextStart;
  }
}

int TextBlock::MaxWidth() const {
  int widest = 0;
  for (const TextLine& line : mLines) widest = std::max(widest, line.Width);
  return widest;
}

} // namespace ldr::gdi
