#pragma once
// How long the texts a user types into the ladder may be, in characters.
// Longer texts are refused or cut where they are entered, so that none
// reaches the project that the editor could not show.

#include <cstddef>
#include <string>

namespace ldr {

inline constexpr std::size_t kMaxCommentCharacters = 65535;
inline constexpr std::size_t kMaxLabelNameCharacters = 1000;
inline constexpr std::size_t kMaxLabelCommentCharacters = 1000;

// The number of characters of UTF-8 text (bytes that do not continue one).
inline std::size_t CountCharacters(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

// The first maxCharacters characters of UTF-8 text (all of it when shorter).
inline std::string CutToCharacters(const std::string& text, std::size_t maxCharacters) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (count++ == maxCharacters) return text.substr(0, i);
  }
  return text;
}

} // namespace ldr
