#pragma once
// The element-move process: drags the selected elements of a net with the
// mouse, within the net or into another one. Every step shows the group
// under the pointer and remembers the last legal position; the release puts
// the group there, grows the net when a single element was dropped below its
// bottom, moves the group's rows to the target net with one statement and,
// with the copy modifier held, leaves copies at the starting place.
//
// A position is legal when the group lies wholly inside the net (the
// maximal rectangle for a single element that is not a line, the current
// one otherwise), the net is not collapsed, and the group overlaps none of
// the net's unselected elements.

#include "editing/ProcessBase.h"
#include "editing/srvCollision.h"
#include "interfaces/itfLdrNet.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

class srvElementMover : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvElementMover";
  static constexpr int kCopyOverlapMessage = 322;

  explicit srvElementMover(LdrContext& ctx);

  void OnScroll(KeyedCollection<itfStrip>& strips) override;

  // The ElmntIDs of the group joined by commas, as the re-homing statement
  // lists them.
  std::string GroupIDs() const;

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>& strip) override;

private:
  bool IsSingleElement() const;
  bool IsLegalAt(itfStrip& strip);
  void ForEachSelected(void (itfLdrElement::*step)());
  void CommitGroupToLastLegal();
  void MakeCopies();
  bool GiveNewBlockInstances();
  std::int32_t GrowTargetNet();
  void ReHome();
  void DraftGroup(itfStrip& strip);
  void TakeGroupFrom(itfLdrNet& net);

  std::int32_t mAnchorX = 0;
  std::int32_t mAnchorY = 0;
  std::shared_ptr<itfStrip> mSourceNet;
  std::shared_ptr<ElementCollection> mSelected;
  std::vector<std::shared_ptr<itfLdrElement>> mSelectedList;
  std::shared_ptr<ElementCollection> mReplicas;
  std::shared_ptr<ElementCollection> mUnselected;
  std::shared_ptr<itfStrip> mLastLegalNet;
  std::shared_ptr<itfStrip> mLastTargetStrip;
  bool mMoved = false;
  srvCollision mCollision;
};

} // namespace ldr
