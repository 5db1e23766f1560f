#pragma once
// The label-editing process: a click on a label's name box lets the user
// rename the label through the host's label-name service; the subroutine is
// then reloaded, whether the name changed or not.

#include "editing/ProcessBase.h"

namespace ldr {

class srvLabelEditor : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvLabelEditor";

  explicit srvLabelEditor(LdrContext& ctx);

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>& strip) override;
};

} // namespace ldr
