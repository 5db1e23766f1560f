#pragma once
// What a running mouse process may ask of the function view that runs it.
// Operations in their published order.

#include "core/enMouseProcess.h"

namespace ldr {

class itfProcessControl {
public:
  virtual ~itfProcessControl() = default;

  virtual long HorizontalOffset() = 0;
  virtual void SetDoAgain(bool again) = 0;
  virtual void SetKillProcess(enMouseProcess process) = 0;
  // Also sets the editor state's MouseProcess.
  virtual void SetNewProcess(enMouseProcess process) = 0;
  virtual void SetWorkMode(long workMode) = 0;
  // Lays the strips out again after one changed height, and redraws.
  virtual void Relocate() = 0;
  virtual void ReLoad() = 0;
};

} // namespace ldr
