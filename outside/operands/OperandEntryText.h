#pragma once
// Operand entries written as text, for configurations that take all of an
// element's operands at once: "TYPE ADDRESS [NETWORK]" per operand (TYPE its
// short name or number; a constant's second word is its value), the
// operands separated by commas. A slot without an operand is written "-".

#include "outside/operands/OperandTypeCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

class OperandEntryText {
public:
  // "MI 5", "MI 5 2", "CI 100"; empty for an entry without a type.
  static std::string Format(const OperandEntry& entry, const OperandTypeCatalogue& types);
  // The entries joined by ", "; empty when none has a type.
  static std::string FormatList(const std::vector<OperandEntry>& entries, const OperandTypeCatalogue& types);
  // Exactly `count` entries, or nothing with `problem` saying why.
  static std::optional<std::vector<OperandEntry>> ParseList(const std::string& text, std::size_t count,
                                                            const OperandTypeCatalogue& types, std::string& problem);
};

} // namespace ldr
