#include "editing/srvLabelEditor.h"

#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrLabel.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

srvLabelEditor::srvLabelEditor(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_EditLabelProc) {}

ProcessOutcome srvLabelEditor::OnMouseUp(const std::shared_ptr<itfStrip>& strip) {
  // The process ends with this event whatever the user does in the dialog;
  // the label-name service stores the name itself.
  if (!dynamic_cast<itfLdrLabel*>(strip.get())) return ProcessOutcome::End();
  mCtx.Host->LabelNames->EditLabelName(strip->StripID());
  Control().ReLoad();
  Drawer().RedrawAll();
  return ProcessOutcome::End();
}

} // namespace ldr
