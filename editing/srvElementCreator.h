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

#include "editing/srvCollision.h"
#include "editing/srvProcessBase.h"
#include "interfaces/itfLdrNet.h"

#include <memory>

namespace ldr {

class itfLdrElement;

class srvElementCreator : public srvProcessBase {
public:
  static constexpr const char* kClassName = "srvElementCreator";

  explicit srvElementCreator(LdrContext& ctx);

  void CreateNewElement(std::int32_t pElementType) override;
  void MouseDown(const std::shared_ptr<itfStrip>& pStrip) override;
  void MouseMove(const std::shared_ptr<itfStrip>& pStrip) override;
  void MouseUp(const std::shared_ptr<itfStrip>& pStrip) override;

  // The element being placed; nothing before CreateNewElement, after a
  // refused type and after a cancelled drop.
  const std::shared_ptr<itfLdrElement>& Element() const { return mElement; }

private:
  enum enDropState { eDS_None = 0, eDS_Dropped = 1, eDS_Finishing = 2 };

  void PlaceAtPointer(itfStrip& strip);
  // Inside the maximal rectangle and clear of the net's elements.
  bool IsLegalIn(itfStrip& strip, itfLdrNet& net);
  // Removes the dropped element again, and nothing else.
  void WithdrawDroppedElement(itfLdrNet& net);

  std::shared_ptr<itfLdrElement> mElement;
  ElementCollection mMoving;
  std::shared_ptr<itfStrip> mNet;
  enDropState mDropFlag = eDS_None;
  std::unique_ptr<srvCollision> mCollision;
};

// The two rectangles of a net, in element coordinates: up to its current
// height, and up to the height it may grow to.
tyRect CurrentNetRect(itfStrip& strip);
tyRect MaximalNetRect(itfStrip& strip);

} // namespace ldr
