#include "outside/operands/clsOperandLibrary.h"

#include "outside/operands/clsOperand.h"
#include "outside/operands/clsOperandSlotRules.h"

#include <stdexcept>

namespace ldr {

clsOperandLibrary::clsOperandLibrary(std::shared_ptr<db::Connection> project, std::shared_ptr<itfGlobalValues> globals,
                                     std::shared_ptr<clsOperandTypeCatalogue> types)
    : mProject(std::move(project)), mGlobals(std::move(globals)), mTypes(std::move(types)) {
  if (!mProject) throw std::invalid_argument("operand library: no project connection");
  if (!mTypes) throw std::invalid_argument("operand library: no operand types");
}

std::shared_ptr<clsOperand> clsOperandLibrary::NewOperand() const {
  return std::make_shared<clsOperand>(mProject, mTypes);
}

void clsOperandLibrary::ApplySlotRules(clsOperand& operand) const {
  operand.SetAcceptedTypes(
      clsOperandSlotRules::AcceptedTypes(operand.ElementType(), operand.IsInput(), operand.Slot(), ExtendedOperands()));
  operand.ApplyDefaultText();
}

std::shared_ptr<clsOperand> clsOperandLibrary::NewSlotOperand(long elementType, bool isInput, long slot,
                                                              bool newSlot) const {
  auto operand = NewOperand();
  operand->ConfigureDisplay(eOA_AboveRung, 50, 0, -3, newSlot);
  operand->SetElementContext(elementType, isInput, slot);
  ApplySlotRules(*operand);
  if (newSlot) operand->InitialiseNewSlot();
  return operand;
}

std::shared_ptr<clsParamsObject> clsOperandLibrary::NewParamsObject(const tyParamsShape& shape) const {
  return std::make_shared<clsParamsObject>(shared_from_this(), shape);
}

} // namespace ldr
