#include "elements/clsStoreLoadTimerElement.h"

#include "outside/operands/OperandType.h"

namespace ldr {
namespace {

bool IsStore(std::int32_t type) { return type == eET_StoreTimerPreset || type == eET_StoreTimerCurrent; }

} // namespace

long clsStoreLoadTimerElement::TimerOperandType() const {
  const auto operand = SlotOperand(!IsStore(mClassType), 1);
  return operand ? operand->OprndType() : 0;
}

std::string clsStoreLoadTimerElement::Title() {
  const long operandType = TimerOperandType();
  const bool timer = operandType == eOT_T;
  const bool counter = operandType == eOT_C;
  if (!timer && !counter) return IsStore(mClassType) ? " STORE  " : " LOAD  ";
  const std::string action = IsStore(mClassType) ? "ST" : "LD";
  const bool preset = mClassType == eET_StoreTimerPreset || mClassType == eET_LoadTimerPreset;
  return " " + action + " " + (timer ? "T" : "C") + (preset ? "P" : "C") + " ";
}

} // namespace ldr
