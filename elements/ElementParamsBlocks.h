#pragma once
// What the exchange asks of the elements about the parameter blocks they keep
// in MoreParamsBin: which types hold constant operands there, and moving
// those constants when a paste moves the constants of the operand list. The
// function blocks hold their constants in the same block envelope.

#include "platform/database/DbValue.h"

#include <cstdint>

namespace ldr {

class ElementParamsBlocks {
public:
  // The function blocks and the utility boxes whose kind holds operands in
  // the block (the data-table row boxes 1402 and 1403 among them).
  static bool KeepsConstantsInBlock(std::int32_t elementType);
  // Adds `offset` to every constant address inside the block of an element
  // of `elementType`; false (and `bytes` untouched) when nothing changed, the
  // type keeps no constants there or the block is not one of ours.
  static bool AddOffsetToConstants(std::int32_t elementType, db::Blob& bytes, long offset);
};

} // namespace ldr
