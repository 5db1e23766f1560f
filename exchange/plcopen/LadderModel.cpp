#include "exchange/plcopen/LadderModel.h"

namespace ldr::plcopen {

const LadderOperand* LadderElement::Input(long index) const {
  for (const auto& operand : Operands)
    if (operand.InIdx == index) return &operand;
  return nullptr;
}

const LadderOperand* LadderElement::Output(long index) const {
  for (const auto& operand : Operands)
    if (operand.InIdx == 0 && operand.OutIdx == index) return &operand;
  return nullptr;
}

const OperandListEntry* LadderProject::FindOperand(const LadderOperand& operand) const {
  const auto found = Operands.find({operand.Type, operand.Address, operand.Network});
  return found == Operands.end() ? nullptr : &found->second;
}

} // namespace ldr::plcopen
