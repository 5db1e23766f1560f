#pragma once
// An older shape of the mouse-process contract, kept because hosts may name
// it. No class implements it; the editor's processes implement itfProcess.

#include "core/enStripType.h"

#include <cstdint>
#include <memory>

namespace ldr {

namespace gdi {
class DeviceContext;
}
class itfDrawer;
class itfLdrElement;
class itfProcessControl;
class itfStrip;

class itfLdrProcess {
public:
  virtual ~itfLdrProcess() = default;

  virtual void Init(itfProcessControl& processCntrl, itfDrawer& drawer) = 0;
  virtual std::shared_ptr<itfLdrElement> Element() = 0;
  virtual void CreateNewElement(std::int32_t elementType) = 0;
  virtual void SetStripType(enStripType value) = 0;
  virtual void SetCreationStyle(std::int32_t value) = 0;
  virtual void MouseDown(const std::shared_ptr<itfStrip>& strip) = 0;
  virtual void MouseMove(const std::shared_ptr<itfStrip>& strip) = 0;
  virtual void MouseUp(const std::shared_ptr<itfStrip>& strip) = 0;
  virtual void Draw(gdi::DeviceContext& hdc) = 0;
};

} // namespace ldr
