#pragma once
// The element-creation process: a new element chosen on the host's toolbar
// follows the pointer; a legal mouse-down inside a net stores it there
// (growing the net when it reaches below the last row), and the creator's
// own mouse-up asks the user for its operands, removing it again when the
// user cancels.
//
// A place is legal when the element lies wholly inside the net's maximal
// rectangle, overlaps none of the net's elements and the net is not
// collapsed. Comments, labels and no strip are never legal. An illegal
// mouse-down leaves the creator running.

#include "editing/ProcessBase.h"
#include "editing/srvCollision.h"
#include "interfaces/itfLdrNet.h"

#include <memory>

namespace ldr {

class itfLdrElement;

class srvElementCreator : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvElementCreator";

  explicit srvElementCreator(LdrContext& ctx);

  // The element being placed; nothing before CreateNewElement, after a
  // refused type and after a cancelled drop.
  const std::shared_ptr<itfLdrElement>& Element() const { return mElement; }

protected:
  ProcessOutcome OnCreateNewElement(std::int32_t elementType) override;
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  // The view's mouse-up: the drop already finished at the mouse-down.
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }

private:
  void PlaceAtPointer(itfStrip& strip);
  // Inside the maximal rectangle and clear of the net's elements.
  bool IsLegalIn(itfStrip& strip, itfLdrNet& net);
  // Sets up the dropped element's operands: the edit is committed, or the
  // element withdrawn when the user refuses them.
  ProcessOutcome FinishDrop(itfLdrNet& net);
  // Removes the dropped element again, and nothing else.
  void WithdrawDroppedElement(itfLdrNet& net);

  std::shared_ptr<itfLdrElement> mElement;
  ElementCollection mMoving;
  std::unique_ptr<srvCollision> mCollision;
};

// The two rectangles of a net, in element coordinates: up to its current
// height, and up to the height it may grow to.
Rect CurrentNetRect(itfStrip& strip);
Rect MaximalNetRect(itfStrip& strip);

} // namespace ldr
