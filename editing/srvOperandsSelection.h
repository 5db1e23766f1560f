#pragma once
// The keyboard on the operands of a net: while an operand is selected, the
// arrow keys move the selection to the nearest operand in that direction and
// Enter opens the selected operand for the user. Holds nothing between key
// presses.
//
// Nearest operand. Each operand stands at its first row's grid point: its
// element's inlet plus the operand's display offset. From the selected
// operand at S, a candidate at C lies in the key's direction when C is
// strictly further that way (Right: C.X > S.X, Left: C.X < S.X, Down:
// C.Y > S.Y, Up: C.Y < S.Y). Among those the one with the smallest
// |along| + 2 * |across| wins (along: the distance in the key's direction,
// across: the distance on the other axis), so an operand on the same row or
// column is preferred to a nearer one off the line; a tie goes to the
// smaller |across|, then to the first in the net's order (elements in
// order, inputs before outputs). Fixed operands (not chosen by the user) are
// never selected.

#include "core/LdrContext.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/OperandsKeyHandler.h"

#include <memory>

namespace ldr {

class Operand;
class itfLdrElement;

class srvOperandsSelection : public OperandsKeyHandler {
public:
  explicit srvOperandsSelection(LdrContext& ctx);

  void KeyPress(std::int32_t KeyCode, KeyedCollection<itfLdrElement>& Elements, itfStrip& Strip) override;

  // Where an operand of `element` stands, as the nearest-operand rule sees it.
  static tyLdrPoint OperandPoint(itfLdrElement& element, const Operand& operand);

private:
  struct OperandAt {
    std::shared_ptr<itfLdrElement> Element;
    std::shared_ptr<Operand> Slot;
  };

  OperandAt FindSelected(KeyedCollection<itfLdrElement>& elements) const;
  OperandAt FindNearest(KeyedCollection<itfLdrElement>& elements, const OperandAt& from, std::int32_t keyCode) const;
  void OpenSelected(const OperandAt& selected, itfStrip& strip);

  LdrContext& mCtx;
};

} // namespace ldr
