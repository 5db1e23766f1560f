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

ProcessOutcome ProcessBase::OnCreateNewElement(std::int32_t) {
  NotSupported("CreateNewElement");
  return ProcessOutcome::Continue();
}

ProcessOutcome ProcessBase::OnMouseDown(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseDown");
  return ProcessOutcome::Continue();
}

ProcessOutcome ProcessBase::OnMouseMove(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseMove");
  return ProcessOutcome::Continue();
}

ProcessOutcome ProcessBase::OnMouseUp(const std::shared_ptr<itfStrip>&) {
  NotSupported("MouseUp");
  return ProcessOutcome::Continue();
}

ProcessOutcome ProcessBase::CreateNewElement(std::int32_t elementType) {
  return Run([&] { return OnCreateNewElement(elementType); });
}

ProcessOutcome ProcessBase::MouseDown(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseDown(strip); });
}

ProcessOutcome ProcessBase::MouseMove(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseMove(strip); });
}

ProcessOutcome ProcessBase::MouseUp(const std::shared_ptr<itfStrip>& strip) {
  return Run([&] { return OnMouseUp(strip); });
}

template <class Step> ProcessOutcome ProcessBase::Run(Step step) {
  ProcessOutcome outcome;
  try {
    outcome = step();
  } catch (...) {
    if (mProcessControl) EndProcess();
    throw;
  }
  Apply(outcome);
  return outcome;
}

void ProcessBase::Apply(const ProcessOutcome& outcome) {
  switch (outcome.Step) {
  case ProcessStep::Continue:
    return;
  case ProcessStep::Start:
    Control().SetNewProcess(outcome.Next);
    return;
  case ProcessStep::End:
    EndProcess();
    return;
  case ProcessStep::Commit:
    EndProcess();
    EditsOf(mCtx).Commit(outcome.ActionName, outcome.NeedToCompile);
    return;
  case ProcessStep::Revert:
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
