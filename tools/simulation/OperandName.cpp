#include "tools/simulation/OperandName.h"

#include "tools/simulation/OperandTable.h"

#include <cctype>

namespace ldr::sim {

std::optional<OperandKey> OperandName::Parse(const std::string& text, const OperandTypeCatalogue& types,
                                             std::string& error) {
  size_t split = 0;
  while (split < text.size() && std::isalpha(static_cast<unsigned char>(text[split]))) ++split;
  const std::string name = text.substr(0, split), digits = text.substr(split);
  const auto* info = split > 0 ? types.FindByShortName(name) : nullptr;
  const auto width = info ? OperandTable::WidthOf(info->Type) : std::nullopt;
  const bool bitOfWord = info && info->Group == eOG_BitOfWord;
  if (!info || (!bitOfWord && (!width || *width == SlotWidth::Constant))) {
    error = "unknown operand \"" + text + "\" (write a type and an address, as in I1, O3, MB12, T2)";
    return std::nullopt;
  }
  bool numeric = !digits.empty() && digits.size() <= 9;
  for (const char c : digits) numeric = numeric && std::isdigit(static_cast<unsigned char>(c));
  const long address = numeric ? std::stol(digits) : -1;
  if (!numeric || !types.IsAddressInRange(info->Type, address)) {
    error = "operand \"" + text + "\": the address of " + info->ShortName + " runs from 0 to " +
            std::to_string(types.HighestAddress(info->Type));
    return std::nullopt;
  }
  return OperandKey{info->Type, address, 0};
}

std::string OperandName::Format(const OperandKey& key, const OperandTypeCatalogue& types) {
  return types.ShortName(key.Type) + std::to_string(key.Address);
}

} // namespace ldr::sim
