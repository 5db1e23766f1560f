#include "editing/ProcessBase.h"

#include "core/EditCommit.h"
#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

namespace ldr {

ProcessBase::ProcessBase(LdrContext& ctx, const char* className, enMouseProcess kind)
    : mCtx(ctx), mClassName(className), mKind(kind) {}

void ProcessBase::Init(itfProcessControl& processControl, itfDrawer& drawer) {
  mProcessControl = &processControl;
  mDrawer = &drawer;
}

void ProcessBase::NotSupported(const std::string& member) const {
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

tyProcessOutcome ProcessBase::OnCreateNewElement(std::int32_t) {
  NotSupported("CreateNewElement");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome ProcessBase::OnMouseDown(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseDown");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome ProcessBase::OnMouseMove(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseMove");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome ProcessBase::OnMouseUp(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseUp");
  return tyProcessOutcome::Continue();
}

tyProcessOutcome ProcessBase::CreateNewElement(std::int32_t elementType) {
  return Run([&] { return OnCreateNewElement(elementType); });
}

tyProcessOutcome ProcessBase::MouseDown(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseDown(strip); });
}

tyProcessOutcome ProcessBase::MouseMove(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseMove(strip); });
}

tyProcessOutcome ProcessBase::MouseUp(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseUp(strip); });
}

template <class Step> tyProcessOutcome ProcessBase::Run(Step step) {
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

void ProcessBase::Apply(const tyProcessOutcome& outcome) {
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

void ProcessBase::EndProcess() {
  Control().SetNewProcess(eMP_QueryForProcess);
  Control().SetKillProcess(mKind);
}

void ProcessBase::SetNoDrop(bool noDrop) {
  if (mCtx.State) mCtx.State->SetNoDrop(noDrop);
}

itfLdrNet* AsNet(itfStrip* strip) { return dynamic_cast<itfLdrNet*>(strip); }

} // namespace ldr
