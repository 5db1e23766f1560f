#include "outside/headless/LogFormat.h"

#include <algorithm>

namespace ldr {

std::string LogFormat::Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      out += c;
    }
  }
  return out + "\"";
}

std::string LogFormat::Word(const std::string& text) {
  const bool plain = !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
    return c == ' ' || c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
  });
  return plain ? text : Quote(text);
}

} // namespace ldr
