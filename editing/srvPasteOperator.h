#pragma once
// The paste process: after the paste command, the next left click on a strip
// pastes the clipboard there (after the strip, or into the net for
// elements). A right click pastes nothing; either click ends the process.

#include "editing/ProcessBase.h"

namespace ldr {

class srvPasteOperator : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvPasteOperator";

  explicit srvPasteOperator(LdrContext& ctx);

  void SetFunctionID(std::int32_t funcID) override { mFunctionID = funcID; }

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }

private:
  std::int32_t mFunctionID = 0;
};

} // namespace ldr
