#pragma once
// The line-drawing process: the user presses on an empty place of a net's
// edit zone (line work mode), drags and releases; one horizontal or vertical
// line from the press to the release is added to that net. On screen the
// line always shows its last legal shape: one that crosses no element and
// stays inside the net. A line cannot start on an element: while the press
// point lies inside one, the start follows the pointer and nothing is added.

#include "editing/ProcessBase.h"
#include "editing/srvCollision.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfLdrNet.h"

#include <memory>

namespace ldr {

class srvLineCreator : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvLineCreator";

  explicit srvLineCreator(LdrContext& ctx);

  const std::shared_ptr<itfLdrElement>& Line() const { return mLine; }

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>& strip) override;

private:
  bool IsLineNet(const std::shared_ptr<itfStrip>& strip) const;
  void Anchor(itfStrip& strip);
  // Stretches the line to the pointer; returns the offset from the start.
  tyLdrPoint Stretch(itfStrip& strip);
  bool Overlaps();
  ProcessOutcome Finish(bool cancelled);

  tyLdrPoint mStart;
  std::shared_ptr<ElementCollection> mNetElements;
  std::shared_ptr<itfLdrElement> mLine;
  std::shared_ptr<itfStrip> mNet;
  std::shared_ptr<ElementCollection> mMoving;
  bool mStartOverlap = false;
  srvCollision mCollision;
};

} // namespace ldr
