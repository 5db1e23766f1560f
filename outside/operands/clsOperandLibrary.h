#pragma once
// The operand library a host hands the component: operand objects, the
// operand types of the target controller, the operand list and parameter
// objects, all on the project connection.

#include "outside/operands/clsOperandList.h"
#include "outside/operands/clsOperandTypeCatalogue.h"
#include "outside/operands/clsParamsObject.h"
#include "outside/utilities/itfGlobalValues.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class clsOperand;

class clsOperandLibrary : public std::enable_shared_from_this<clsOperandLibrary> {
public:
  clsOperandLibrary(std::shared_ptr<db::Connection> project, std::shared_ptr<itfGlobalValues> globals,
                    std::shared_ptr<clsOperandTypeCatalogue> types = std::make_shared<clsOperandTypeCatalogue>());

  // An empty operand object.
  std::shared_ptr<clsOperand> NewOperand() const;
  // An operand for slot `slot` of an element: the contact display values
  // (2, 50, 0, -3), the element context, the slot's accepted types and
  // default text. `newSlot`: the element is being placed (empty slot).
  std::shared_ptr<clsOperand> NewSlotOperand(long elementType, bool isInput, long slot, bool newSlot) const;
  // Accepted types and default text of the operand's slot, again (after the
  // element changed its type).
  void ApplySlotRules(clsOperand& operand) const;

  clsOperandList List() const { return clsOperandList(mProject); }
  const clsOperandTypeCatalogue& Types() const { return *mTypes; }
  clsOperandTypeCatalogue& Types() { return *mTypes; }
  bool ExtendedOperands() const { return mGlobals && mGlobals->ExtendedOperandsEnabled(); }
  const std::shared_ptr<db::Connection>& Connection() const { return mProject; }

  std::shared_ptr<clsParamsObject> NewParamsObject(const tyParamsShape& shape) const;

private:
  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<itfGlobalValues> mGlobals;
  std::shared_ptr<clsOperandTypeCatalogue> mTypes;
};

} // namespace ldr
