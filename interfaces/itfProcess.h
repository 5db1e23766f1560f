#pragma once
// A mouse process: the short-lived object that carries out one mouse gesture
// (placing an element, drawing a line, moving, resizing, selecting, editing a
// label, pasting). Operations in their published order (11). A member a
// process kind does not support reports error 217 and does nothing else.

#include "core/KeyedCollection.h"
#include "core/enMouseProcess.h"
#include "core/enStripType.h"
#include "interfaces/ProcessOutcome.h"

#include <cstdint>
#include <memory>

namespace ldr {

namespace gdi {
class DeviceContext;
}
class itfDrawer;
class itfProcessControl;
class itfStrip;

class itfProcess {
public:
  virtual ~itfProcess() = default;

  // Keeps both references for the life of the process.
  virtual void Init(itfProcessControl& processControl, itfDrawer& drawer) = 0;
  // Element creator only: Start when the type has a class, so the
  // creator claims its kind; Continue when it has none and nothing runs.
  virtual ProcessOutcome CreateNewElement(std::int32_t elementType) = 0;
  // The loaded subroutine's ID.
  virtual void SetFunctionID(std::int32_t value) = 0;
  // Strip creator only.
  virtual void SetStripType(enStripType value) = 0;
  virtual void SetCreationStyle(std::int32_t value) = 0;
  virtual void SetCreationAmount(std::int32_t value) = 0;
  // The strip under the pointer, or nothing; the pointer position is
  // in the strip's hit parameters. Each answers what the event did to the
  // gesture; the process has already told the view.
  virtual ProcessOutcome MouseDown(const std::shared_ptr<itfStrip>& strip) = 0;
  virtual ProcessOutcome MouseMove(const std::shared_ptr<itfStrip>& strip) = 0;
  virtual ProcessOutcome MouseUp(const std::shared_ptr<itfStrip>& strip) = 0;
  // The transient picture, on the visible surfaces of both boards; only
  // the drawer's DraftService calls it.
  virtual void Draw(gdi::DeviceContext& hLeftDC, gdi::DeviceContext& hRightDC) = 0;
  // The board scrolled vertically while elements are being moved.
  virtual void OnScroll(KeyedCollection<itfStrip>& strips) = 0;
};

} // namespace ldr
