#include "elements/clsUtilElement.h"

#include "elements/UtilElementTable.h"
#include "outside/operands/Operand.h"

namespace ldr {

const UtilityBoxLook* clsUtilElement::Look() const { return UtilElementTable::Find(mClassType); }

bool clsUtilElement::InitOperandsData(bool dummy) {
  CreateSlots(InputCount(), OutputCount(), true);
  if (dummy) return true;
  for (const auto* operands : {mInputs.get(), mOutputs.get()})
    for (const auto& [key, operand] : *operands) operand->ApplyDefaultText();
  if (mObjectID >= 0) AddOperandsToDB();
  return true;
}

} // namespace ldr
