#include "editing/srvLabelEditor.h"

#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrLabel.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

srvLabelEditor::srvLabelEditor(LdrContext& ctx) : srvProcessBase(ctx, kClassName, eMP_EditLabelProc) {}

tyProcessOutcome srvLabelEditor::OnMouseUp(const std::shared_ptr<itfStrip>& pStrip) {
  // The process ends with this event whatever the user does in the dialog;
  // the label-name service stores the name itself.
  if (!dynamic_cast<itfLdrLabel*>(pStrip.get())) return tyProcessOutcome::End();
  mCtx.Host->LabelNames->EditLabelName(pStrip->StripID());
  Control().ReLoad();
  Drawer().RedrawAll();
  return tyProcessOutcome::End();
}

} // namespace ldr
