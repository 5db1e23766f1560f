#include "editing/srvProcessBase.h"

#include "core/EditCommit.h"
#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

srvProcessBase::srvProcessBase(LdrContext& ctx, const char* className, enMouseProcess kind)
    : mCtx(ctx), mClassName(className), mKind(kind) {}

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

tyProcessOutcome srvProcessBase::OnCreateNewElement(std::int32_t) {
  NotSupported("CreateNewElement");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome srvProcessBase::OnMouseDown(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseDown");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome srvProcessBase::OnMouseMove(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseMove");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome srvProcessBase::OnMouseUp(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseUp");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome srvProcessBase::CreateNewElement(std::int32_t pElementType) {
  return Run([&] { return OnCreateNewElement(pElementType); });
}

tyProcessOutcome srvProcessBase::MouseDown(const std::shared_ptr<itfStrip>& pStrip) {
  return Run([&] { return OnMouseDown(pStrip); });
}

tyProcessOutcome srvProcessBase::MouseMove(const std::shared_ptr<itfStrip>& pStrip) {
  return Run([&] { return OnMouseMove(pStrip); });
}

tyProcessOutcome srvProcessBase::MouseUp(const std::shared_ptr<itfStrip>& pStrip) {
  return Run([&] { return OnMouseUp(pStrip); });
}

template <class Step> tyProcessOutcome srvProcessBase::Run(Step step) {
  tyProcessOutcome outcome;
  try {
    outcome = step();
  } catch (...) {
    if (mProcessControl) EndProcess();
    throw;
  }
  Apply(outcome);
  return outcome;
}

void srvProcessBase::Apply(const tyProcessOutcome& outcome) {
  switch (outcome.Step) {
  case enProcessStep::Continue:
    return;
  case enProcessStep::Start:
    Control().SetNewProcess(outcome.Next);
    return;
  case enProcessStep::End:
    EndProcess();
    return;
  case enProcessStep::Commit:
    EndProcess();
    EditsOf(mCtx).Commit(outcome.ActionName, outcome.NeedToCompile);
    return;
  case enProcessStep::Revert:
    EndProcess();
    EditsOf(mCtx).Revert();
    return;
  }
}

void srvProcessBase::EndProcess() {
  Control().SetNewProcess(eMP_QueryForProcess);
  Control().SetKillProcess(mKind);
}

void srvProcessBase::SetNoDrop(bool noDrop) {
  if (mCtx.State) mCtx.State->SetNoDrop(noDrop);
}

itfLdrNet* AsNet(itfStrip* strip) { return dynamic_cast<itfLdrNet*>(strip); }

} // namespace ldr
