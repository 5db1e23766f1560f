#pragma once
// The mouse-process side of the function view: one slot per process kind
// (2 to 9), the classes behind the kinds, and the mouse-down, mouse-move and
// mouse-up tables that hand an event to the process of the current kind.
// The view keeps NewProcess, KillProcess and DoAgain and runs the event loop;
// it asks this object to dispatch and to empty a slot in the kill step.
//
// A kind whose class is not available (a factory that gives nothing) ends at
// once: the view returns to idle rather than waiting in a kind that nothing
// serves.

#include "core/KeyedCollection.h"
#include "core/LdrContext.h"
#include "core/enMouseProcess.h"

#include <array>
#include <functional>
#include <memory>

namespace ldr {

class itfProcess;
class itfProcessControl;
class itfStrip;

class clsMouseProcesses {
public:
  // A new process object of a kind, or nothing when the kind has no class.
  using ProcessFactory = std::function<std::shared_ptr<itfProcess>(LdrContext&, enMouseProcess)>;
  static std::shared_ptr<itfProcess> StandardProcess(LdrContext& ctx, enMouseProcess kind);

  clsMouseProcesses(LdrContext& ctx, itfProcessControl& control, ProcessFactory factory = StandardProcess);

  std::shared_ptr<itfProcess> Slot(enMouseProcess kind) const;
  bool Exists(enMouseProcess kind) const { return Slot(kind) != nullptr; }
  // The kill step: releases the process of that kind (0: nothing).
  void Kill(enMouseProcess kind);
  void KillAll();

  // The dispatch tables; `current` is the view's NewProcess. Mouse-down
  // answers whether an element creator dropped its element (the view then
  // runs its steps after a placement).
  bool MouseDown(enMouseProcess current, const std::shared_ptr<itfStrip>& strip, bool rightButton, std::int32_t funcID);
  void MouseMove(enMouseProcess current, const std::shared_ptr<itfStrip>& strip);
  void MouseUp(enMouseProcess current, const std::shared_ptr<itfStrip>& strip);
  // The board scrolled while the element move runs.
  void OnScroll(KeyedCollection<itfStrip>& strips);

  // Outside a click. The element creator is shown under the pointer at once
  // (`strip`: the strip under it, or nothing); false when the type has no
  // class and no creator runs.
  bool StartElementCreator(std::int32_t elementType, const std::shared_ptr<itfStrip>& strip);
  void StartStripCreator(std::int32_t funcID, std::int32_t stripType);
  bool StartPaste(std::int32_t funcID);

  // The ObjectID of the element the creator placed last, -1 when none is
  // stored (nothing dropped yet, or the drop was withdrawn).
  std::int32_t PlacedElementID() const;

private:
  std::shared_ptr<itfProcess> Create(enMouseProcess kind);
  std::shared_ptr<itfProcess>& At(enMouseProcess kind);

  LdrContext& mCtx;
  itfProcessControl& mControl;
  ProcessFactory mFactory;
  // Slots for the kinds 2 to 9.
  std::array<std::shared_ptr<itfProcess>, 8> mSlots;
};

} // namespace ldr
