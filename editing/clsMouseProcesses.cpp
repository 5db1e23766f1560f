#include "editing/clsMouseProcesses.h"

#include "editing/srvElementCreator.h"
#include "editing/srvElementMover.h"
#include "editing/srvLabelEditor.h"
#include "editing/srvLineCreator.h"
#include "editing/srvStripCreator.h"
#include "editing/srvStripResizer.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcess.h"
#include "interfaces/itfProcessControl.h"

#include <stdexcept>

namespace ldr {
namespace {

bool IsSlotKind(enMouseProcess kind) { return kind >= eMP_ElmntCreateProc && kind <= eMP_EditPasteProc; }

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

std::shared_ptr<itfProcess> clsMouseProcesses::StandardProcess(LdrContext& ctx, enMouseProcess kind) {
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
  default:
    // Rectangle selection and paste join when their classes exist.
    return nullptr;
  }
}

clsMouseProcesses::clsMouseProcesses(LdrContext& ctx, itfProcessControl& control, ProcessFactory factory)
    : mCtx(ctx), mControl(control), mFactory(std::move(factory)) {}

std::shared_ptr<itfProcess>& clsMouseProcesses::At(enMouseProcess kind) {
  if (!IsSlotKind(kind)) throw std::out_of_range("no process slot for kind " + std::to_string(kind));
  return mSlots[static_cast<std::size_t>(kind - eMP_ElmntCreateProc)];
}

std::shared_ptr<itfProcess> clsMouseProcesses::Slot(enMouseProcess kind) const {
  if (!IsSlotKind(kind)) return nullptr;
  return mSlots[static_cast<std::size_t>(kind - eMP_ElmntCreateProc)];
}

void clsMouseProcesses::Kill(enMouseProcess kind) {
  if (IsSlotKind(kind)) At(kind).reset();
}

void clsMouseProcesses::KillAll() {
  for (auto& slot : mSlots) slot.reset();
}

std::shared_ptr<itfProcess> clsMouseProcesses::Create(enMouseProcess kind) {
  auto process = mFactory ? mFactory(mCtx, kind) : nullptr;
  At(kind) = process;
  if (!process) return nullptr;
  if (!mCtx.Drawer) throw std::logic_error("mouse processes need the drawer");
  process->Init(mControl, *mCtx.Drawer);
  return process;
}

bool clsMouseProcesses::MouseDown(enMouseProcess current, const std::shared_ptr<itfStrip>& strip, bool rightButton,
                                  std::int32_t funcID) {
  switch (current) {
  case eMP_ElmntCreateProc: {
    auto creator = Slot(eMP_ElmntCreateProc);
    if (rightButton || !creator) return false;
    const std::int32_t before = PlacedElementID();
    creator->MouseDown(strip);
    const std::int32_t after = PlacedElementID();
    return after >= 0 && after != before;
  }
  case eMP_StripCreateProc:
    if (auto creator = Slot(eMP_StripCreateProc)) creator->MouseDown(strip);
    return false;
  case eMP_LineCreateProc:
  case eMP_ElementMoveProc:
    if (rightButton) return false;
    [[fallthrough]];
  case eMP_StripResizeProc:
  case eMP_RectSelectProc:
  case eMP_EditLabelProc: {
    auto process = Create(current);
    if (!process) {
      mControl.SetNewProcess(eMP_QueryForProcess);
      return false;
    }
    if (current == eMP_RectSelectProc) process->SetFunctionID(funcID);
    process->MouseDown(strip);
    return false;
  }
  case eMP_EditPasteProc:
    if (auto paste = Slot(eMP_EditPasteProc)) {
      PasteInProgress flag(mCtx);
      paste->MouseDown(strip);
    }
    return false;
  default:
    return false;
  }
}

void clsMouseProcesses::MouseMove(enMouseProcess current, const std::shared_ptr<itfStrip>& strip) {
  if (auto process = Slot(current)) process->MouseMove(strip);
}

void clsMouseProcesses::MouseUp(enMouseProcess current, const std::shared_ptr<itfStrip>& strip) {
  switch (current) {
  case eMP_ElmntCreateProc:
    return;
  case eMP_ElementMoveProc:
    if (auto mover = Slot(eMP_ElementMoveProc)) mover->MouseUp(strip);
    // A creator that was pending when the move began takes over again.
    if (Exists(eMP_ElmntCreateProc)) {
      mControl.SetNewProcess(eMP_ElmntCreateProc);
      mControl.SetDoAgain(true);
    } else {
      mControl.SetNewProcess(eMP_QueryForProcess);
    }
    return;
  default:
    if (auto process = Slot(current)) process->MouseUp(strip);
    return;
  }
}

void clsMouseProcesses::OnScroll(KeyedCollection<itfStrip>& strips) {
  if (auto mover = Slot(eMP_ElementMoveProc)) mover->OnScroll(strips);
}

bool clsMouseProcesses::StartElementCreator(std::int32_t elementType, const std::shared_ptr<itfStrip>& strip) {
  auto creator = Create(eMP_ElmntCreateProc);
  if (!creator) return false;
  creator->CreateNewElement(elementType);
  auto* typed = dynamic_cast<srvElementCreator*>(creator.get());
  if (typed && !typed->Element()) {
    // The type has no class: no creator runs.
    Kill(eMP_ElmntCreateProc);
    return false;
  }
  creator->MouseMove(strip);
  return true;
}

void clsMouseProcesses::StartStripCreator(std::int32_t funcID, std::int32_t stripType) {
  auto creator = Create(eMP_StripCreateProc);
  if (!creator) return;
  creator->SetFunctionID(funcID);
  creator->SetStripType(static_cast<enStripType>(stripType));
  creator->SetCreationStyle(1);
}

bool clsMouseProcesses::StartPaste(std::int32_t funcID) {
  auto paste = Create(eMP_EditPasteProc);
  if (!paste) return false;
  paste->SetFunctionID(funcID);
  return true;
}

std::int32_t clsMouseProcesses::PlacedElementID() const {
  auto* creator = dynamic_cast<srvElementCreator*>(Slot(eMP_ElmntCreateProc).get());
  if (!creator || !creator->Element()) return -1;
  return creator->Element()->ObjectID();
}

} // namespace ldr
