#include "editing/srvElementCreator.h"

#include "core/clsLdrState.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"

#include <vector>

namespace ldr {

Rect CurrentNetRect(itfStrip& strip) { return {strip.Left(), 0, strip.Left() + LDR_EDIT_WIDTH, strip.Height()}; }

Rect MaximalNetRect(itfStrip& strip) { return {strip.Left(), 0, strip.Left() + LDR_EDIT_WIDTH, strip.MaxHeight()}; }

srvElementCreator::srvElementCreator(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_ElmntCreateProc) {}

ProcessOutcome srvElementCreator::OnCreateNewElement(std::int32_t elementType) {
  auto element = ldr::CreateNewElement(mCtx, elementType);
  // Lines are drawn, not placed: the line tool has its own process.
  if (!element || element->IsLineElement()) return ProcessOutcome::Continue();
  element->SetClassType(static_cast<enElementType>(elementType));
  element->InitOperandsData(true);
  mMoving.Clear();
  mMoving.Add(static_cast<long>(mMoving.Count() + 1), element);
  mElement = element;
  mCollision = std::make_unique<srvCollision>();
  return ProcessOutcome::Start(eMP_ElmntCreateProc);
}

void srvElementCreator::PlaceAtPointer(itfStrip& strip) {
  const HitRecord hit = strip.GetHitParameters();
  mElement->SetXs(hit.X - strip.EditZoneLeft());
  mElement->SetYs(hit.Y - strip.Top());
}

bool srvElementCreator::IsLegalIn(itfStrip& strip, itfLdrNet& net) {
  if (!mCollision->AreElementsWhollyInRect(mMoving, MaximalNetRect(strip))) return false;
  return !mCollision->DoesElementsOverlap(*net.GetAllElements(), mMoving);
}

ProcessOutcome srvElementCreator::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  if (!mElement) return ProcessOutcome::Continue();
  bool illegal = true;
  if (strip) {
    PlaceAtPointer(*strip);
    if (itfLdrNet* net = AsNet(strip)) illegal = !IsLegalIn(*strip, *net) || net->IsCollapsed();
  }
  SetNoDrop(illegal);
  if (strip) {
    Drawer().FlushBackGround();
    Drawer().DraftElement(*strip, *mElement);
  }
  return ProcessOutcome::Continue();
}

ProcessOutcome srvElementCreator::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  if (!mElement) return ProcessOutcome::Continue();
  std::int32_t extension = 0;
  itfLdrNet* net = AsNet(strip);
  bool illegal = !net || net->IsCollapsed();
  if (!illegal) {
    PlaceAtPointer(*strip);
    illegal = !IsLegalIn(*strip, *net);
    if (!illegal && !mCollision->AreElementsWhollyInRect(mMoving, CurrentNetRect(*strip))) {
      extension = mCollision->ExtendVerticalValue();
    }
  }
  if (illegal) {
    // An illegal place leaves the creator running.
    SetNoDrop(true);
    return ProcessOutcome::Continue();
  }
  mElement->UpdateInitialDescriptor();
  mElement->UpdateDisplayWithLastLegal();
  mElement->SetIsSelected(true);
  net->AddLadderElement(mElement, extension);
  // The element where it landed, not the last draft under the pointer, is
  // what the user sees while its operands are asked for.
  if (extension != 0) {
    Control().Relocate();
  } else {
    Drawer().DrawElement(*strip, *mElement);
    Drawer().FlushBackGround();
  }
  auto outcome = FinishDrop(*net);
  SetNoDrop(false);
  return outcome;
}

ProcessOutcome srvElementCreator::FinishDrop(itfLdrNet& net) {
  if (mElement->InitOperandsData(false)) {
    auto outcome = ProcessOutcome::Commit("", true);
    outcome.PlacedElementID = mElement->ObjectID();
    return outcome;
  }
  mElement.reset();
  WithdrawDroppedElement(net);
  Drawer().RedrawAll();
  return ProcessOutcome::End();
}

void srvElementCreator::WithdrawDroppedElement(itfLdrNet& net) {
  // Only the dropped element may go: anything else that became selected
  // while the creator ran is put aside for the deletion and selected again.
  std::vector<std::shared_ptr<itfLdrElement>> others;
  const std::shared_ptr<itfLdrElement> dropped = mMoving.Count() ? mMoving.At(0) : nullptr;
  const auto selected = net.GetSelectedElements();
  for (const auto& [key, element] : *selected) {
    if (element != dropped) {
      others.push_back(element);
      element->SetIsSelected(false);
    }
  }
  net.DeleteSelectedElements();
  for (const auto& element : others) element->SetIsSelected(true);
}

} // namespace ldr
