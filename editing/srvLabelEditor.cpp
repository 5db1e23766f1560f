#include "editing/srvLabelEditor.h"

#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrLabel.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

srvLabelEditor::srvLabelEditor(LdrContext& ctx) : srvProcessBase(ctx, kClassName) {}

void srvLabelEditor::MouseUp(const std::shared_ptr<itfStrip>& pStrip) {
  // The process ends with this event whatever the user does in the dialog.
  EndProcess(eMP_EditLabelProc);
  if (!dynamic_cast<itfLdrLabel*>(pStrip.get())) return;
  mCtx.Host->LabelNames->EditLabelName(pStrip->StripID());
  Control().ReLoad();
  Drawer().RedrawAll();
}

} // namespace ldr
