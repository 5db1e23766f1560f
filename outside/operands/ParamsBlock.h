#pragma once
// The parameter block of a utility or function-block element
// (LdrElements.MoreParamsBin), version 1. Little-endian throughout:
//
//   offset  size  field
//   0       4     tag "LPRM"
//   4       2     layout version (1)
//   6       2     reserved, 0
//   8       4     element type (int32)
//   12      4     instance number (int32; function blocks, else 0)
//   16      4     V, the number of setting values (uint32)
//   20      4·V   the setting values (int32 each; e.g. value 1 of a COM INIT
//                 box is its port)
//   ..      4     N, the number of inner operands (uint32)
//   ..      16·N  inner operands: type, address, network ID, slot (int32
//                 each); the slot is the index of the operand's
//                 LdrElmsOprs row, 230 and up, that lets searches find it
//   ..      4     E, the length of extra data (uint32)
//   ..      E     extra data, kept as it is (texts of a configuration)
//
// An empty MoreParamsBin is an empty block. Anything else that does not
// follow this layout is refused whole (std::invalid_argument); the two
// operations by name leave such a block untouched.

#include "outside/utilities/OperandValues.h"
#include "platform/database/DbValue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ldr {

struct ParamsOperand {
  OperandKey Key;
  long Slot = 0;
  bool operator==(const ParamsOperand&) const = default;
};

class ParamsBlock {
public:
  static constexpr std::uint16_t kVersion = 1;
  // The first slot index of the operands a block holds inside.
  static constexpr long kFirstInnerSlot = 230;
  static constexpr const char* kAddOffsetToAllConstsOperands = "AddOffsetToAllConstsOperands";
  static constexpr const char* kReplaceFindOnlyOperand = "ReplaceFindOnlyOperand";

  long ElementType = 0;
  long InstanceNumber = 0;
  std::vector<std::int32_t> Values;
  std::vector<ParamsOperand> InnerOperands;
  db::Blob Extra;

  static ParamsBlock Parse(const db::Blob& bytes);
  db::Blob Serialize() const;

  // Adds `offset` to the address of every inner constant operand (types 15,
  // 34, 35, 37, 38); returns how many changed.
  long AddOffsetToAllConstsOperands(long offset);
  // Replaces every inner operand equal to `from` by `to`; returns how many.
  long ReplaceFindOnlyOperand(const OperandKey& from, const OperandKey& to);

  // The operations by their names, on a stored block. `args`:
  //   "AddOffsetToAllConstsOperands": {offset}
  //   "ReplaceFindOnlyOperand": {old type, old address, old network,
  //                              new type, new address, new network}
  // Returns whether the block changed (and `bytes` was rewritten). A block
  // that is not in this layout is left as it is. An unknown name or a wrong
  // number of arguments throws std::invalid_argument.
  static bool RunOperation(const std::string& name, db::Blob& bytes, const std::vector<long>& args);
};

} // namespace ldr
