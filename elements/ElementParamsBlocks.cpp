#include "elements/ElementParamsBlocks.h"

#include "elements/ElementTypeTable.h"
#include "outside/operands/ParamsBlock.h"
#include "outside/operands/ParamsKind.h"

#include <algorithm>

namespace ldr {

// Every box whose kind holds operands in its block: their operand rows move
// with the paste's constants, so the block must move with them (the data-table
// column boxes too, whose block would otherwise name the original's constant).
bool ElementParamsBlocks::KeepsConstantsInBlock(std::int32_t elementType) {
  if (ElementTypeTable::IsFunctionBlock(elementType)) return true;
  const ParamsKind* kind = ParamsKinds::Find(elementType);
  return kind && std::any_of(kind->Fields.begin(), kind->Fields.end(),
                             [](const auto& field) { return field.Kind == ParamsFieldKind::Operand; });
}

bool ElementParamsBlocks::AddOffsetToConstants(std::int32_t elementType, db::Blob& bytes, long offset) {
  if (offset == 0 || !KeepsConstantsInBlock(elementType)) return false;
  return ParamsBlock::RunOperation(ParamsBlock::kAddOffsetToAllConstsOperands, bytes, {offset});
}

} // namespace ldr
