#pragma once
// Rectangle selection: the user drags a band over the empty area of a net;
// every element the band touches becomes selected (nothing is unselected).
// The band keeps the last corner reached inside the net.

#include "editing/ProcessBase.h"
#include "editing/srvCollision.h"
#include "interfaces/ElementDefs.h"
#include "outside/utilities/UtilityTypes.h"

#include <memory>

namespace ldr {

class srvRectSelector : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvRectSelector";

  explicit srvRectSelector(LdrContext& ctx);

  void SetFunctionID(std::int32_t funcID) override { mFunctionID = funcID; }
  void Draw(gdi::DeviceContext& leftDC, gdi::DeviceContext& rightDC) override;

  // The band in board grid units, normalised.
  Rect Band() const;

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>& strip) override;

private:
  void SelectTouched();

  std::shared_ptr<itfStrip> mNet;
  tyLdrPoint mFirst;
  tyLdrPoint mSecond;
  srvCollision mCollision;
  std::int32_t mFunctionID = 0;
};

} // namespace ldr
