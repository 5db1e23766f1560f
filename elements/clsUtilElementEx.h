#pragma once
// Linearisation and PID boxes (types 1300, 1301, 1303). The box makes its
// own operands; a new box is configured at once (all its operands in one
// dialog), and a cancel there takes the box away again. Nothing is stored
// besides the type, the position and the operand rows.

#include "elements/UtilityBox.h"

namespace ldr {

class clsUtilElementEx : public UtilityBox {
public:
  using UtilityBox::UtilityBox;
  const char* ClassName() const override { return "clsUtilElementEx"; }

  bool InitOperandsData(bool dummy) override;
  // The operand rows go first: a count that differs from the box's operands
  // is reported, and the element row goes all the same.
  void DeleteFromDB() override;

  // What the configuration asks for: "X, X1, X2, Y1, Y2 -> Y"; empty for
  // other types.
  static std::string OperandNames(std::int32_t elementType);

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsUtilElementEx>(mCtx); }
  const UtilityBoxLook* Look() const override;

private:
  // Asks for every operand at once until the answer is valid; false when
  // the user cancelled, and then no operand has changed.
  bool Configure();
  void Confirm(Operand& operand, const OperandEntry& entry) const;
  void NameSlots();
  void DeleteOperandsFromDB();
};

} // namespace ldr
