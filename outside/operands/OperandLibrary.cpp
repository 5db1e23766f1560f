#include "outside/operands/OperandLibrary.h"

#include "outside/operands/Operand.h"
#include "outside/operands/OperandSlotRules.h"

#include <stdexcept>

namespace ldr {

OperandLibrary::OperandLibrary(std::shared_ptr<db::Connection> project, std::shared_ptr<GlobalValues> globals,
                               std::shared_ptr<OperandTypeCatalogue> types)
    : mProject(std::move(project)), mGlobals(std::move(globals)), mTypes(std::move(types)) {
  if (!mProject) throw std::invalid_argument("operand library: no project connection");
  if (!mTypes) throw std::invalid_argument("operand library: no operand types");
}

std::shared_ptr<Operand> OperandLibrary::NewOperand() const { return std::make_shared<Operand>(mProject, mTypes); }

void OperandLibrary::ApplySlotRules(Operand& operand) const {
  operand.SetAcceptedTypes(
      OperandSlotRules::AcceptedTypes(operand.ElementType(), operand.IsInput(), operand.Slot(), ExtendedOperands()));
  operand.ApplyDefaultText();
}

std::shared_ptr<Operand> OperandLibrary::NewSlotOperand(long elementType, bool isInput, long slot, bool newSlot) const {
  auto operand = NewOperand();
  operand->ConfigureDisplay(eOA_AboveRung, 50, 0, -3, newSlot);
  operand->SetElementContext(elementType, isInput, slot);
  ApplySlotRules(*operand);
  if (newSlot) operand->InitialiseNewSlot();
  return operand;
}

std::shared_ptr<ShapedParamsObject> OperandLibrary::NewParamsObject(const ParamsShape& shape) const {
  return std::make_shared<ShapedParamsObject>(shared_from_this(), shape);
}

} // namespace ldr
