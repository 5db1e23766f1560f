#pragma once
// An operand as a user writes it on a command line or in a search box: the
// type's short name or number, the address, and "@NET" for an operand of
// another network: "MB12", "MB:12", "MB 12", "3:12", "MI7@2".

#include "outside/operands/OperandTypeCatalogue.h"

#include <optional>
#include <string>

namespace ldr {

// Nothing when the text is not of that form or names no operand type.
std::optional<OperandKey> ParseOperandText(const std::string& text, const OperandTypeCatalogue& types);

} // namespace ldr
