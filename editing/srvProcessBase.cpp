#include "editing/srvProcessBase.h"

#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

srvProcessBase::srvProcessBase(LdrContext& ctx, const char* className) : mCtx(ctx), mClassName(className) {}

void srvProcessBase::Init(itfProcessControl& pProcessControl, itfDrawer& pDrawer) {
  mProcessControl = &pProcessControl;
  mDrawer = &pDrawer;
}

void srvProcessBase::NotSupported(const std::string& member) const {
  const std::string procedure = "itfProcess_" + member;
  if (mCtx.Host->Errors->ShowsErrors()) {
    mCtx.Host->Errors->ReportError(kNotSupportedCode, "Not supported", "Object doesn't support this property or method",
                                   mClassName, procedure);
    return;
  }
  // Without a reporter the fault must not pass unnoticed.
  throw LdrError(kNotSupportedCode, "Not supported", "Object doesn't support this property or method", mClassName,
                 procedure);
}

void srvProcessBase::EndProcess(enMouseProcess kind) {
  Control().SetNewProcess(eMP_QueryForProcess);
  Control().SetKillProcess(kind);
}

void srvProcessBase::SetNoDrop(bool noDrop) {
  if (mCtx.State) mCtx.State->SetNoDrop(noDrop);
}

itfLdrNet* AsNet(itfStrip* strip) { return dynamic_cast<itfLdrNet*>(strip); }

} // namespace ldr
