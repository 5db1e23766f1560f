#include "elements/ElementParamsBlocks.h"

#include "elements/ElementTypeTable.h"
#include "interfaces/enElementType.h"
#include "outside/operands/ParamsBlock.h"

namespace ldr {

bool ElementParamsBlocks::KeepsConstantsInBlock(std::int32_t elementType) {
  return elementType == eET_UtEx1PLCDBReadLine || elementType == eET_UtEx1PLCDBWriteLine ||
         ElementTypeTable::IsFunctionBlock(elementType);
}

bool ElementParamsBlocks::AddOffsetToConstants(std::int32_t elementType, db::Blob& bytes, long offset) {
  if (offset == 0 || !KeepsConstantsInBlock(elementType)) return false;
  return ParamsBlock::RunOperation(ParamsBlock::kAddOffsetToAllConstsOperands, bytes, {offset});
}

} // namespace ldr
