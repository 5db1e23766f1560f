#include "tools/OperandText.h"

#include <regex>

namespace ldr {

std::optional<OperandKey> ParseOperandText(const std::string& text, const OperandTypeCatalogue& types) {
  // A type written as a number needs a separator before the address.
  static const std::regex form(R"(^\s*(?:([A-Za-z_]+)(?::|\s+)?|(\d+)(?::|\s+))(\d{1,9})(?:@(\d{1,9}))?\s*$)");
  std::smatch parts;
  if (!std::regex_match(text, parts, form)) return std::nullopt;
  const auto type = types.ParseType(parts[1].matched ? parts[1].str() : parts[2].str());
  if (!type) return std::nullopt;
  return OperandKey{*type, std::stol(parts[3]), parts[4].matched ? std::stol(parts[4]) : 0};
}

} // namespace ldr
