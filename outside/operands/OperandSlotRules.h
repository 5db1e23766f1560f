#pragma once
// What an element's operand slot takes: the default text the user is shown
// when asked for the operand, and the operand types it accepts, by element
// type and slot. Contacts, coils, the numeric reset and the jumps follow the
// element families' fixed lists; the other families get the lists below.

#include "outside/utilities/OperandValues.h"

#include <string>
#include <vector>

namespace ldr {

class OperandSlotRules {
public:
  static constexpr const char* kFallbackText = "Select Operand And Address";

  // The prompt for the slot; kFallbackText when the slot has none of its own.
  static std::string DefaultText(long elementType, bool isInput, long slot);
  // The accepted (group, type) pairs, in the order an element adds them.
  // `extended`: the project allows the extended operand types.
  static std::vector<AcceptedType> AcceptedTypes(long elementType, bool isInput, long slot, bool extended);

  // The coil tools that a coil's operand type does not allow.
  static std::vector<std::string> DisallowedCoilTools(long operandType);

  // Sets of (group, type) pairs shared by several families.
  static std::vector<AcceptedType> NumericTypes(bool extended);
  static std::vector<AcceptedType> ConstantTypes();
  static std::vector<AcceptedType> BitTypes(bool extended);
};

} // namespace ldr
