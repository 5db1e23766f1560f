#pragma once
// The operand library a host hands the component: operand objects, the
// operand types of the target controller, the operand list and parameter
// objects, all on the project connection.

#include "outside/operands/FunctionBlockLibrary.h"
#include "outside/operands/OperandList.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "outside/operands/ShapedParamsObject.h"
#include "outside/utilities/GlobalValues.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class Operand;

class OperandLibrary : public std::enable_shared_from_this<OperandLibrary> {
public:
  OperandLibrary(std::shared_ptr<db::Connection> project, std::shared_ptr<GlobalValues> globals,
                 std::shared_ptr<OperandTypeCatalogue> types = std::make_shared<OperandTypeCatalogue>());

  // An empty operand object.
  std::shared_ptr<Operand> NewOperand() const;
  // An operand for slot `slot` of an element: the contact display values
  // (2, 50, 0, -3), the element context, the slot's accepted types and
  // default text. `newSlot`: the element is being placed (empty slot).
  std::shared_ptr<Operand> NewSlotOperand(long elementType, bool isInput, long slot, bool newSlot) const;
  // Accepted types and default text of the operand's slot, again (after the
  // element changed its type).
  void ApplySlotRules(Operand& operand) const;

  OperandList List() const { return OperandList(mProject); }
  const OperandTypeCatalogue& Types() const { return *mTypes; }
  OperandTypeCatalogue& Types() { return *mTypes; }
  bool ExtendedOperands() const { return mGlobals && mGlobals->ExtendedOperandsEnabled(); }
  const std::shared_ptr<db::Connection>& Connection() const { return mProject; }

  std::shared_ptr<ShapedParamsObject> NewParamsObject(const ParamsShape& shape) const;
  // The function-block service on the project's block library.
  FunctionBlockLibrary FunctionBlocks() const { return FunctionBlockLibrary(shared_from_this()); }

private:
  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<GlobalValues> mGlobals;
  std::shared_ptr<OperandTypeCatalogue> mTypes;
};

} // namespace ldr
