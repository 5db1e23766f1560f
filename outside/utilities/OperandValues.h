#pragma once
// Small value records of the operand library.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace ldr {

// An operand's identity: type, address and controller network (0 = local).
struct OperandKey {
  long Type = 0;
  long Address = 0;
  long NetworkID = 0;
  auto operator<=>(const OperandKey&) const = default;
};

// An accepted operand type as a (group, type) pair.
struct AcceptedType {
  long Group = 0;
  long Type = 0;
  bool operator==(const AcceptedType&) const = default;
};

// What a user enters for an operand. For the constant types the number the
// user typed is `Value` (the address is assigned by the operand list); for
// every other type it is `Address`. `Description` is set when the user gave
// the operand a description of its own for the operand list.
struct OperandEntry {
  long Type = 0;
  long Address = 0;
  long NetworkID = 0;
  double Value = 0.0;
  std::optional<std::string> Description = std::nullopt;
  bool operator==(const OperandEntry&) const = default;
};

// The address of a reference whose target is missing.
inline constexpr long kMissingReferenceAddress = 32000;

} // namespace ldr
