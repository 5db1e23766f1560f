#include "editing/srvOperandsSelection.h"

#include "core/KeyCodes.h"
#include "core/ProjectData.h"
#include "editing/ProcessBase.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "outside/HostServices.h"
#include "outside/operands/Operand.h"

#include <cstdlib>
#include <limits>

namespace ldr {
namespace {

// Calls `visit(operand)` for every operand slot of the element, inputs first.
template <typename Visit> void ForEachOperand(itfLdrElement& element, Visit visit) {
  for (const auto& slots : {element.InputOperands(), element.OutputOperands()}) {
    if (!slots) continue;
    for (const auto& [key, operand] : *slots) {
      if (operand) visit(operand);
    }
  }
}

} // namespace

srvOperandsSelection::srvOperandsSelection(LdrContext& ctx) : mCtx(ctx) {}

tyLdrPoint srvOperandsSelection::OperandPoint(itfLdrElement& element, const Operand& operand) {
  return element.Inlet() + tyLdrPoint{operand.Display().OffsetX, operand.Display().OffsetY};
}

srvOperandsSelection::OperandAt srvOperandsSelection::FindSelected(KeyedCollection<itfLdrElement>& elements) const {
  for (const auto& [key, element] : elements) {
    OperandAt found;
    ForEachOperand(*element, [&](const std::shared_ptr<Operand>& operand) {
      if (!found.Slot && operand->IsSelected()) found = {element, operand};
    });
    if (found.Slot) return found;
  }
  return {};
}

srvOperandsSelection::OperandAt srvOperandsSelection::FindNearest(KeyedCollection<itfLdrElement>& elements,
                                                                  const OperandAt& from, std::int32_t keyCode) const {
  const tyLdrPoint start = OperandPoint(*from.Element, *from.Slot);
  const bool horizontal = keyCode == eKey_Left || keyCode == eKey_Right;
  const int sign = (keyCode == eKey_Right || keyCode == eKey_Down) ? 1 : -1;
  OperandAt best;
  long bestScore = std::numeric_limits<long>::max();
  long bestAcross = std::numeric_limits<long>::max();
  for (const auto& [key, element] : elements) {
    ForEachOperand(*element, [&](const std::shared_ptr<Operand>& operand) {
      if (operand == from.Slot || operand->IsFixed()) return;
      const tyLdrPoint d = OperandPoint(*element, *operand) - start;
      const long along = sign * (horizontal ? d.X : d.Y);
      const long across = std::labs(horizontal ? d.Y : d.X);
      if (along <= 0) return;
      const long score = along + 2 * across;
      if (score < bestScore || (score == bestScore && across < bestAcross)) {
        best = {element, operand};
        bestScore = score;
        bestAcross = across;
      }
    });
  }
  return best;
}

void srvOperandsSelection::OpenSelected(const OperandAt& selected, itfStrip& strip) {
  Operand& operand = *selected.Slot;
  if (operand.IsFixed()) return;
  const long oldType = operand.OprndType();
  const long oldAddress = operand.Address();
  const long oldNetwork = operand.NetworkID();
  // A cancelled dialog changes nothing, so nothing is written or marked.
  if (!operand.OpenForUser(*mCtx.Host->Dialogs, *mCtx.Host->Messages)) return;
  if (itfLdrNet* net = AsNet(&strip)) net->SetCompileDirtyBit(true);
  operand.SetSelected(true);
  const KeyedCollection<Operand> none;
  const auto inputs = selected.Element->InputOperands();
  const auto outputs = selected.Element->OutputOperands();
  UpdateElementOperandSlot(mCtx, selected.Element->ObjectID(), inputs ? *inputs : none, outputs ? *outputs : none,
                           operand, oldType, oldAddress, oldNetwork);
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

void srvOperandsSelection::KeyPress(std::int32_t KeyCode, KeyedCollection<itfLdrElement>& Elements, itfStrip& Strip) {
  const OperandAt selected = FindSelected(Elements);
  if (!selected.Slot) return;
  switch (KeyCode) {
  case eKey_Enter:
    OpenSelected(selected, Strip);
    break;
  case eKey_Left:
  case eKey_Up:
  case eKey_Right:
  case eKey_Down: {
    const OperandAt next = FindNearest(Elements, selected, KeyCode);
    if (!next.Slot) return;
    next.Slot->SetSelected(true);
    selected.Slot->SetSelected(false);
    if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
    break;
  }
  default:
    break;
  }
}

} // namespace ldr
