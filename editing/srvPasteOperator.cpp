#include "editing/srvPasteOperator.h"

#include "core/clsLdrState.h"
#include "interfaces/itfClipboard.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

namespace {
constexpr std::int32_t kRightButton = 2;
}

srvPasteOperator::srvPasteOperator(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_EditPasteProc) {}

ProcessOutcome srvPasteOperator::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  const bool rightButton = strip && strip->GetHitParameters().Button == kRightButton;
  if (strip && !rightButton && mCtx.Clipboard && mCtx.Clipboard->Paste(mFunctionID, strip)) Control().Relocate();
  mCtx.Host->Gui->RefreshPointer();
  if (mCtx.State) mCtx.State->HandleReloadRequest();
  return ProcessOutcome::End();
}

} // namespace ldr
