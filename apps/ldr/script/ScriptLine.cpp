#include "apps/ldr/script/ScriptLine.h"

namespace ldr::script {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads a quoted word starting after the opening quote; returns the index
// after the closing quote.
size_t ReadQuoted(const std::string& text, size_t i, std::string& word) {
  while (i < text.size()) {
    char c = text[i++];
    if (c == '"') return i;
    if (c == '\\') {
      if (i >= text.size() || (text[i] != '"' && text[i] != '\\'))
        throw ScriptSyntaxError("bad escape in quoted word (only \\\" and \\\\)");
      word += text[i++];
    } else {
      word += c;
    }
  }
  throw ScriptSyntaxError("unclosed quote");
}

} // namespace

std::vector<std::string> ScriptLine::Split(const std::string& text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    if (text[i] == '#') break;
    std::string word;
    if (text[i] == '"') {
      i = ReadQuoted(text, i + 1, word);
      if (i < text.size() && !IsBlank(text[i]) && text[i] != '#')
        throw ScriptSyntaxError("text right after a closing quote");
    } else {
      while (i < text.size() && !IsBlank(text[i])) {
        if (text[i] == '"') throw ScriptSyntaxError("quote inside a word");
        word += text[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

long ToLong(const std::string& word) {
  size_t used = 0;
  long value = 0;
  try {
    value = std::stol(word, &used);
  } catch (...) {
    used = 0;
  }
  if (word.empty() || used != word.size()) throw std::invalid_argument("not a number: " + word);
  return value;
}

} // namespace ldr::script
