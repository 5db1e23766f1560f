#pragma once
// Operands as the simulator's user writes them: the short type name and the
// address without a blank ("I1", "O3", "MB12", "T2"), case-insensitive.

#include "outside/operands/OperandTypeCatalogue.h"

#include <optional>
#include <string>

namespace ldr::sim {

class OperandName {
public:
  // The operand, when the text names a data operand (not a reference or a
  // constant) whose address is in range; otherwise a reason in `error`.
  static std::optional<OperandKey> Parse(const std::string& text, const OperandTypeCatalogue& types,
                                         std::string& error);
  static std::string Format(const OperandKey& key, const OperandTypeCatalogue& types);
};

} // namespace ldr::sim
