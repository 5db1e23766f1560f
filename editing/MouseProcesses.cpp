#include "editing/MouseProcesses.h"

#include "editing/srvElementCreator.h"
#include "editing/srvElementMover.h"
#include "editing/srvLabelEditor.h"
#include "editing/srvLineCreator.h"
#include "editing/srvPasteOperator.h"
#include "editing/srvRectSelector.h"
#include "editing/srvStripCreator.h"
#include "editing/srvStripResizer.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfProcess.h"
#include "interfaces/itfProcessControl.h"

#include <optional>
#include <stdexcept>

namespace ldr {
namespace {

bool IsSlotKind(enMouseProcess kind) { return kind >= eMP_ElmntCreateProc && kind <= eMP_EditPasteProc; }

// What a kind needs from the dispatch besides the event itself.
struct KindTraits {
  bool LeftButtonOnly = false;  // a right-button press does nothing
  bool StartsAtClick = false;   // a new process at each mouse-down
  bool TakesFunctionID = false; // told the subroutine when it starts at a click
  bool RunsAsPaste = false;     // its mouse-down runs with the paste flag set
  bool Resumable = false;       // waits in its slot while another process runs
  bool ResumesHeld = false;     // when it ends, a resumable process held takes over
};

KindTraits TraitsOf(enMouseProcess kind) {
  switch (kind) {
  case eMP_ElmntCreateProc:
    return {.LeftButtonOnly = true, .Resumable = true};
  case eMP_LineCreateProc:
    return {.LeftButtonOnly = true, .StartsAtClick = true};
  case eMP_ElementMoveProc:
    return {.LeftButtonOnly = true, .StartsAtClick = true, .ResumesHeld = true};
  case eMP_StripResizeProc:
  case eMP_EditLabelProc:
    return {.StartsAtClick = true};
  case eMP_RectSelectProc:
    return {.StartsAtClick = true, .TakesFunctionID = true};
  case eMP_EditPasteProc:
    return {.RunsAsPaste = true};
  default:
    return {};
  }
}

// Sets the paste-in-progress flag for the duration of a call, also when it
// throws.
class PasteInProgress {
public:
  explicit PasteInProgress(LdrContext& ctx) : mCtx(ctx) { mCtx.PasteInProgress = true; }
  ~PasteInProgress() { mCtx.PasteInProgress = false; }
  PasteInProgress(const PasteInProgress&) = delete;
  PasteInProgress& operator=(const PasteInProgress&) = delete;

private:
  LdrContext& mCtx;
};

} // namespace

std::shared_ptr<itfProcess> MouseProcesses::StandardProcess(LdrContext& ctx, enMouseProcess kind) {
  switch (kind) {
  case eMP_ElmntCreateProc:
    return std::make_shared<srvElementCreator>(ctx);
  case eMP_StripCreateProc:
    return std::make_shared<srvStripCreator>(ctx);
  case eMP_LineCreateProc:
    return std::make_shared<srvLineCreator>(ctx);
  case eMP_StripResizeProc:
    return std::make_shared<srvStripResizer>(ctx);
  case eMP_ElementMoveProc:
    return std::make_shared<srvElementMover>(ctx);
  case eMP_EditLabelProc:
    return std::make_shared<srvLabelEditor>(ctx);
  case eMP_RectSelectProc:
    return std::make_shared<srvRectSelector>(ctx);
  case eMP_EditPasteProc:
    return std::make_shared<srvPasteOperator>(ctx);
  default:
    return nullptr;
  }
}

MouseProcesses::MouseProcesses(LdrContext& ctx, itfProcessControl& control, ProcessFactory factory)
    : mCtx(ctx), mControl(control), mFactory(std::move(factory)) {}

std::shared_ptr<itfProcess>& MouseProcesses::At(enMouseProcess kind) {
  if (!IsSlotKind(kind)) throw std::out_of_range("no process slot for kind " + std::to_string(kind));
  return mSlots[static_cast<std::size_t>(kind - eMP_ElmntCreateProc)];
}

std::shared_ptr<itfProcess> MouseProcesses::Slot(enMouseProcess kind) const {
  if (!IsSlotKind(kind)) return nullptr;
  return mSlots[static_cast<std::size_t>(kind - eMP_ElmntCreateProc)];
}

void MouseProcesses::Kill(enMouseProcess kind) {
  if (IsSlotKind(kind)) At(kind).reset();
}

void MouseProcesses::KillAll() {
  for (auto& slot : mSlots) slot.reset();
}

std::shared_ptr<itfProcess> MouseProcesses::Create(enMouseProcess kind) {
  auto process = mFactory ? mFactory(mCtx, kind) : nullptr;
  At(kind) = process;
  if (!process) return nullptr;
  if (!mCtx.Drawer) throw std::logic_error("mouse processes need the drawer");
  process->Init(mControl, *mCtx.Drawer);
  return process;
}

ProcessOutcome MouseProcesses::MouseDown(enMouseProcess current, const std::shared_ptr<itfStrip>& strip,
                                         bool rightButton, std::int32_t funcID) {
  if (!IsSlotKind(current)) return ProcessOutcome::Continue();
  const KindTraits traits = TraitsOf(current);
  if (rightButton && traits.LeftButtonOnly) return ProcessOutcome::Continue();
  if (traits.StartsAtClick) {
    auto process = Create(current);
    if (!process) {
      mControl.SetNewProcess(eMP_QueryForProcess);
      return ProcessOutcome::Continue();
    }
    if (traits.TakesFunctionID) process->SetFunctionID(funcID);
  }
  std::optional<PasteInProgress> paste;
  if (traits.RunsAsPaste) paste.emplace(mCtx);
  return Dispatch(current, &itfProcess::MouseDown, strip);
}

ProcessOutcome MouseProcesses::MouseMove(enMouseProcess current, const std::shared_ptr<itfStrip>& strip) {
  return Dispatch(current, &itfProcess::MouseMove, strip);
}

ProcessOutcome MouseProcesses::MouseUp(enMouseProcess current, const std::shared_ptr<itfStrip>& strip) {
  return Dispatch(current, &itfProcess::MouseUp, strip);
}

ProcessOutcome MouseProcesses::Dispatch(enMouseProcess current, Event event, const std::shared_ptr<itfStrip>& strip) {
  auto process = Slot(current);
  if (!process) return ProcessOutcome::Continue();
  auto outcome = ((*process).*event)(strip);
  if (outcome.Ends() && TraitsOf(current).ResumesHeld) HandOver(current);
  return outcome;
}

void MouseProcesses::HandOver(enMouseProcess ended) {
  for (int kind = eMP_ElmntCreateProc; kind <= eMP_EditPasteProc; ++kind) {
    const auto held = static_cast<enMouseProcess>(kind);
    if (held == ended || !TraitsOf(held).Resumable || !Exists(held)) continue;
    mControl.SetNewProcess(held);
    mControl.SetDoAgain(true);
    return;
  }
  mControl.SetNewProcess(eMP_QueryForProcess);
}

void MouseProcesses::OnScroll(KeyedCollection<itfStrip>& strips) {
  if (auto mover = Slot(eMP_ElementMoveProc)) mover->OnScroll(strips);
}

bool MouseProcesses::StartElementCreator(std::int32_t elementType, const std::shared_ptr<itfStrip>& strip) {
  auto creator = Create(eMP_ElmntCreateProc);
  if (!creator) return false;
  if (creator->CreateNewElement(elementType).Step != ProcessStep::Start) {
    // The type has no class: no creator runs.
    Kill(eMP_ElmntCreateProc);
    return false;
  }
  creator->MouseMove(strip);
  return true;
}

void MouseProcesses::StartStripCreator(std::int32_t funcID, std::int32_t stripType) {
  auto creator = Create(eMP_StripCreateProc);
  if (!creator) return;
  creator->SetFunctionID(funcID);
  creator->SetStripType(static_cast<enStripType>(stripType));
  creator->SetCreationStyle(1);
}

bool MouseProcesses::StartPaste(std::int32_t funcID) {
  auto paste = Create(eMP_EditPasteProc);
  if (!paste) return false;
  paste->SetFunctionID(funcID);
  return true;
}

} // namespace ldr
