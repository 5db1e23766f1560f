#pragma once
// The mouse-process side of the function view: one slot per process kind
// (2 to 9), the classes behind the kinds, and the dispatch that hands an
// event to the process of the current kind. The view keeps NewProcess,
// KillProcess and DoAgain and runs the event loop; it asks this object to
// dispatch and to empty a slot in the kill step. The processes tell the view
// themselves how the event changed their gesture. What differs between the
// kinds (which start at a click, which wait in their slot and take over
// again after a move) is one table of traits.
//
// A kind whose class is not available (a factory that gives nothing) ends at
// once: the view returns to idle rather than waiting in a kind that nothing
// serves.

#include "core/KeyedCollection.h"
#include "core/LdrContext.h"
#include "core/enMouseProcess.h"
#include "interfaces/ProcessOutcome.h"

#include <array>
#include <functional>
#include <memory>

namespace ldr {

class itfProcess;
class itfProcessControl;
class itfStrip;

class MouseProcesses {
public:
  // A new process object of a kind, or nothing when the kind has no class.
  using ProcessFactory = std::function<std::shared_ptr<itfProcess>(LdrContext&, enMouseProcess)>;
  static std::shared_ptr<itfProcess> StandardProcess(LdrContext& ctx, enMouseProcess kind);

  MouseProcesses(LdrContext& ctx, itfProcessControl& control, ProcessFactory factory = StandardProcess);

  std::shared_ptr<itfProcess> Slot(enMouseProcess kind) const;
  bool Exists(enMouseProcess kind) const { return Slot(kind) != nullptr; }
  // The kill step: releases the process of that kind (0: nothing).
  void Kill(enMouseProcess kind);
  void KillAll();

  // The dispatch; `current` is the view's NewProcess. Each answers what the
  // process did (the view runs its placement steps after a drop). A kind
  // that starts at a click gets a new process at the mouse-down; the others
  // are started by a command and wait in their slot.
  ProcessOutcome MouseDown(enMouseProcess current, const std::shared_ptr<itfStrip>& strip, bool rightButton,
                           std::int32_t funcID);
  ProcessOutcome MouseMove(enMouseProcess current, const std::shared_ptr<itfStrip>& strip);
  ProcessOutcome MouseUp(enMouseProcess current, const std::shared_ptr<itfStrip>& strip);
  // The board scrolled while the element move runs.
  void OnScroll(KeyedCollection<itfStrip>& strips);

  // Outside a click. The element creator is shown under the pointer at once
  // (`strip`: the strip under it, or nothing); false when the type has no
  // class and no creator runs.
  bool StartElementCreator(std::int32_t elementType, const std::shared_ptr<itfStrip>& strip);
  void StartStripCreator(std::int32_t funcID, std::int32_t stripType);
  bool StartPaste(std::int32_t funcID);

private:
  using Event = ProcessOutcome (itfProcess::*)(const std::shared_ptr<itfStrip>&);
  ProcessOutcome Dispatch(enMouseProcess current, Event event, const std::shared_ptr<itfStrip>& strip);
  // After `ended` finished its gesture: a resumable process still held
  // takes over, or the view is idle.
  void HandOver(enMouseProcess ended);
  std::shared_ptr<itfProcess> Create(enMouseProcess kind);
  std::shared_ptr<itfProcess>& At(enMouseProcess kind);

  LdrContext& mCtx;
  itfProcessControl& mControl;
  ProcessFactory mFactory;
  // Slots for the kinds 2 to 9.
  std::array<std::shared_ptr<itfProcess>, 8> mSlots;
};

} // namespace ldr
