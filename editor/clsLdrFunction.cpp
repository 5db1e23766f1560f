#include "editor/clsLdrFunction.h"

#include "core/enEditCommand.h"
#include "interfaces/itfClipboard.h"

#include "core/HitKind.h"
#include "core/KeyCodes.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/StripCommands.h"
#include "core/StripStack.h"
#include "core/clsLdrState.h"
#include "core/enStripType.h"
#include "editing/PlacementSteps.h"
#include "editing/srvOperandsSelection.h"
#include "elements/ElementTitles.h"
#include "interfaces/OperandsKeyHandler.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "outside/operands/Operand.h"
#include "strips/StripFactory.h"

#include <algorithm>
#include <vector>

namespace ldr {

namespace {

std::string Num(long value) { return std::to_string(value); }

constexpr int kRightButton = 2;
// Named constants: their users must be compiled again when they change.
constexpr long kNamedConstantTypes[] = {34, 35};

// Every id in `ids`, as an SQL list.
std::string IdList(const std::vector<long>& ids) {
  std::string list;
  for (long id : ids) list += (list.empty() ? "" : ",") + Num(id);
  return list;
}

// Sets `flag` for the life of the guard.
class FlagGuard {
public:
  explicit FlagGuard(bool& flag) : mFlag(flag), mWas(flag) { mFlag = true; }
  ~FlagGuard() { mFlag = mWas; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

private:
  bool& mFlag;
  bool mWas;
};

} // namespace

LdrFunctionParts MakeStandardFunctionParts() {
  LdrFunctionParts parts;
  parts.CreateStrip = [](LdrContext& ctx, long stripType) {
    return CreateStripByType(ctx, static_cast<std::int32_t>(stripType));
  };
  parts.CreateOperandsKeyHandler = [](LdrContext& ctx) -> std::unique_ptr<OperandsKeyHandler> {
    return std::make_unique<srvOperandsSelection>(ctx);
  };
  return parts;
}

clsLdrFunction::clsLdrFunction(LdrContext& context, LdrFunctionParts parts)
    : mContext(context), mParts(std::move(parts)), mStrips(std::make_unique<KeyedCollection<itfStrip>>()),
      mSelection(context, *mStrips) {}

clsLdrFunction::~clsLdrFunction() {
  if (mContext.State && mContext.State->View() == this) mContext.State->SetView(nullptr);
  if (mStripsLentToClipboard && mContext.Clipboard) mContext.Clipboard->SetStrips(nullptr);
}

// --- set-up and loading ------------------------------------------------------------

void clsLdrFunction::Init() {
  if (mContext.Drawer) mContext.Drawer->SetStrips(mStrips.get());
  if (mContext.Clipboard) {
    mContext.Clipboard->SetStrips(mStrips.get());
    mStripsLentToClipboard = true;
  }
  if (mContext.State) mContext.State->SetView(this);
  RefreshViewSize();
}

void clsLdrFunction::Load(long funcID) {
  auto& db = mContext.Db();
  mFuncID = funcID;
  mVerticalScroll = db.QueryValue("SELECT VscrlPos FROM LdrFunctions WHERE FuncID=" + Num(mFuncID)).AsLong(0);
  RefreshViewSize();
  // No strip of any subroutine is instantiated any more.
  db.Execute("UPDATE LdrStrips SET IsLoaded=0 WHERE IsLoaded<>0");
  mStrips->Clear();
  ApplyScrollRange();
  Layout(); // renumbers when it finds numbers out of step
  RepointActiveStrip();
  mContext.Host->Gui->SetTitle(GetFullFunctionName(db, mFuncID));
  mContext.State->UpdateMdiButtonsStatus();
  RefreshClipboardCommands();
  StripCommands(db).UnselectStripsOutside(mFuncID);
}

void clsLdrFunction::Relocate() {
  if (mLoading) return;
  ApplyScrollRange();
  mRenumberPending = true;
  Layout();
  RepointActiveStrip();
}

void clsLdrFunction::ApplyScrollRange() {
  ApplyScrollRange(StripStack(mContext.Db(), mFuncID, CommentsHidden()).ScrollRange(mViewHeight));
}

void clsLdrFunction::RefreshViewSize() {
  if (!mContext.Drawer) return;
  mViewWidth = mContext.Drawer->ViewWidth();
  mViewHeight = mContext.Drawer->ViewHeight();
}

bool clsLdrFunction::CommentsHidden() const { return mContext.Host->Settings->ProjectFlag(ePSK_CommentsHidden, false); }

BoardScrollBar& clsLdrFunction::VerticalBar() const { return mContext.Host->Gui->VerticalScrollBar(); }

// The scroll range goes to the host's bar and the position is kept inside it.
// The bar's own change events come back while Loading is set and only store
// the value.
void clsLdrFunction::ApplyScrollRange(long range) {
  const long position = std::clamp(mVerticalScroll, 0L, range);
  FlagGuard loading(mLoading);
  VerticalBar().SetRange(0, static_cast<int>(range));
  VerticalBar().SetValue(static_cast<int>(position));
  mVerticalScroll = position;
}

// The strips in view are instantiated (or kept), the others dropped;
// IsLoaded follows, and the collection is put back in top-to-bottom order for
// the drawer. Only the rows down to the bottom of the view are read.
void clsLdrFunction::Layout() {
  auto& db = mContext.Db();
  RefreshViewSize();
  StripStack stack(db, mFuncID, CommentsHidden());
  auto view = stack.StripsInView(mVerticalScroll, mViewHeight);
  // After a relocation (strips came or went), and whenever the walk down to
  // the view finds numbers out of step, the whole subroutine is renumbered,
  // nets out of view and the return net included, so that every reader of
  // the net numbers sees them right. A plain load or scroll changes nothing
  // and costs no renumbering. Renumbering moves no strip, so the walk is
  // only read again when a number changed.
  if (mRenumberPending || !view.NumberedInOrder) {
    mRenumberPending = false;
    if (RenumberStrips(db, mFuncID) > 0) view = stack.StripsInView(mVerticalScroll, mViewHeight);
  }
  const auto& rows = view.Strips;

  struct Slot {
    const StackedStrip* Row;
    std::shared_ptr<itfStrip> Strip;
  };
  std::vector<Slot> shown;
  std::vector<long> toCreate, markLoaded, markUnloaded;
  for (const auto& row : rows) {
    auto strip = mStrips->Find(row.StripID);
    if (strip) {
      if (auto* net = StripSelection::AsNet(strip.get())) net->SetShowNum(row.ShowNum);
      strip->SetSeqNum(row.SeqNum);
      strip->SetTop(row.Top - mVerticalScroll);
    } else if (!mRefusedStripTypes.count(row.StrpType)) {
      toCreate.push_back(row.StripID);
    } else {
      continue;
    }
    shown.push_back({&row, strip});
  }

  if (!toCreate.empty()) {
    auto full = db.Query("SELECT * FROM LdrStrips WHERE StripID IN (" + IdList(toCreate) + ") ORDER BY SeqNum");
    for (auto& slot : shown) {
      if (slot.Strip) continue;
      full.MoveFirst();
      if (!full.FindForward("StripID", db::DbValue(slot.Row->StripID))) continue;
      auto strip = CreateStripOfType(slot.Row->StrpType);
      if (!strip) continue;
      strip->SetTop(slot.Row->Top - mVerticalScroll);
      strip->Load(full);
      slot.Strip = strip;
      markLoaded.push_back(slot.Row->StripID);
    }
  }

  // Whatever the view held and no longer shows goes: scrolled away, hidden,
  // or deleted meanwhile.
  std::set<long> kept;
  for (const auto& slot : shown)
    if (slot.Strip) kept.insert(slot.Row->StripID);
  for (const auto& [key, strip] : *mStrips)
    if (!kept.count(strip->StripID())) markUnloaded.push_back(strip->StripID());
  mStrips->Clear();
  for (const auto& slot : shown)
    if (slot.Strip) mStrips->Add(slot.Row->StripID, slot.Strip);

  if (!markLoaded.empty()) db.Execute("UPDATE LdrStrips SET IsLoaded=-1 WHERE StripID IN (" + IdList(markLoaded) + ")");
  if (!markUnloaded.empty())
    db.Execute("UPDATE LdrStrips SET IsLoaded=0 WHERE StripID IN (" + IdList(markUnloaded) + ")");
  DrawAndFlush();
}

std::shared_ptr<itfStrip> clsLdrFunction::CreateStripOfType(long stripType) {
  auto strip = mParts.CreateStrip ? mParts.CreateStrip(mContext, stripType) : nullptr;
  // The factory has told the user about a type it has no class for; once is
  // enough.
  if (!strip) mRefusedStripTypes.insert(stripType);
  return strip;
}

void clsLdrFunction::ForgetStrip(long stripID) {
  if (!mStrips->Remove(stripID)) return;
  mContext.Db().Execute("UPDATE LdrStrips SET IsLoaded=0 WHERE StripID=" + Num(stripID));
}

// After a reload or a layout the active strip is the object now shown for
// the same row, or nothing when that row is out of view.
void clsLdrFunction::RepointActiveStrip() {
  if (mActiveStrip) mActiveStrip = mStrips->Find(mActiveStrip->StripID());
}

void clsLdrFunction::DrawAndFlush() {
  if (!mContext.Drawer) return;
  mContext.Drawer->DrawAll();
  mContext.Drawer->FlushBackGround();
}

void clsLdrFunction::RedrawAll() {
  if (mContext.Drawer) mContext.Drawer->RedrawAll();
}

// --- scrolling ---------------------------------------------------------------------

void clsLdrFunction::SetVerticalScrollLocation(long rows) {
  mVerticalScroll = rows;
  if (mLoading) return;
  mContext.Db().Execute("UPDATE LdrFunctions SET VscrlPos=" + Num(rows) + " WHERE FuncID=" + Num(mFuncID));
  Layout();
  RepointActiveStrip();
  // A running element move takes its group from the new strip objects.
  if (mNewProcess == eMP_ElementMoveProc) mProcesses.OnScroll(*mStrips);
}

long clsLdrFunction::RoundScrollPosition(long scrollValue) {
  RefreshViewSize();
  return StripStack(mContext.Db(), mFuncID, CommentsHidden()).RoundScrollPosition(scrollValue, mViewHeight);
}

void clsLdrFunction::SetHorizontalScrollLocation(long columns) {
  mHorizontalScroll = columns;
  if (!mContext.Drawer) return;
  mContext.Drawer->SetHorizontalOffset(columns);
  // During an element move the moving elements are drafted by the mover.
  if (mNewProcess == eMP_ElementMoveProc)
    mContext.Drawer->DrawNoneSelectedAll();
  else
    mContext.Drawer->RedrawAll();
}

void clsLdrFunction::JumpToStrip(long stripID) {
  StripStack stack(mContext.Db(), mFuncID, CommentsHidden());
  const auto seqNum = stack.SeqNumOf(stripID);
  if (!seqNum) return;
  RefreshViewSize();
  const bool expanded = StripCommands(mContext.Db()).ExpandCollapsedNet(mFuncID, *seqNum);
  if (expanded) ForgetStrip(stripID); // its object still shows it collapsed
  const long top = stack.TopOf(*seqNum);
  if (top == mVerticalScroll) {
    if (expanded) Relocate();
    return;
  }
  const long range = stack.ScrollRange(mViewHeight);
  ApplyScrollRange(range);
  const long target = std::min(top, range);
  // The host's bar moves the view through its change event; a bar nobody
  // listens to (or one already at the value) leaves that to us.
  VerticalBar().SetValue(static_cast<int>(target));
  if (mVerticalScroll != target)
    SetVerticalScrollLocation(target);
  else if (expanded)
    Relocate();
}

long clsLdrFunction::CurrentStripID() {
  long stripID = 0, lowest = 0;
  for (const auto& [key, strip] : *mStrips) {
    if (stripID == 0 || strip->SeqNum() < lowest) {
      stripID = strip->StripID();
      lowest = strip->SeqNum();
    }
  }
  return stripID;
}

// --- strip commands ----------------------------------------------------------------

void clsLdrFunction::ToolRequest(const std::string& toolID) {
  if (RunStripCommand(toolID)) return;
  if (!mActiveStrip) return ReportNoActiveStrip(toolID, "itfFunction_ToolRequest");
  mActiveStrip->ToolRequest(toolID);
}

void clsLdrFunction::SpecialToolRequest(const std::string& toolID) {
  if (!mActiveStrip) return ReportNoActiveStrip(toolID, "itfFunction_SpecialToolRequest");
  mActiveStrip->SpecialToolRequest(toolID);
}

void clsLdrFunction::ReportNoActiveStrip(const std::string& toolID, const char* procedure) {
  mContext.Host->Errors->ReportError(0, "InvalidActiveStrip", "Active strip is nothing & cannot handle tool " + toolID,
                                     kClassName, procedure);
}

bool clsLdrFunction::RunStripCommand(const std::string& toolID) {
  StripCommands commands(mContext.Db());
  if (toolID == "ID_SelectAll") {
    commands.SelectAll(mFuncID);
    ReLoad();
    return true;
  }
  if (toolID == "ID_DisableNets" || toolID == "ID_EnableNets") {
    const bool downloadUnits = mContext.Host->DownloadUnits->IsOn();
    commands.SetSelectedNetsCompilable(toolID == "ID_EnableNets", downloadUnits);
  } else if (toolID == "ID_CollapseNets") {
    commands.CollapseSelectedNets();
  } else if (toolID == "ID_ExpandNets") {
    commands.ExpandSelectedNets();
  } else if (toolID == "ID_ExpandAllNets") {
    commands.ExpandAllNets();
  } else {
    return false;
  }
  AfterNetsChanged();
  return true;
}

void clsLdrFunction::AfterNetsChanged() {
  mContext.State->SetNeedToCompile(true); // and NeedToSave
  mContext.State->UpdateMdiButtonsStatus();
  ReLoad();
}

void clsLdrFunction::AppendNewStrip(long, long amount) {
  // Appending always adds nets, whatever strip type is asked for.
  UnSelectAll();
  RedrawAll();
  AppendNets(mContext.Db(), mFuncID, amount);
  if (amount > 0) {
    mContext.State->SetNeedToCompile(true);
    mContext.State->UpdateMdiButtonsStatus();
  }
  Relocate();
}

void clsLdrFunction::CreateNewStrip(long stripType) {
  UnSelectAll();
  RedrawAll();
  SetNewProcess(eMP_StripCreateProc);
  mProcesses.StartStripCreator(static_cast<std::int32_t>(mFuncID), static_cast<std::int32_t>(stripType));
}

// The creator shows the new element under the pointer at once.
void clsLdrFunction::CreateNewElement(long elementType) {
  UnSelectAll();
  RedrawAll();
  mProcesses.StartElementCreator(static_cast<std::int32_t>(elementType), mActiveStrip);
}

void clsLdrFunction::EditCommand(long editCommand) {
  if (!mContext.Clipboard)
    throw LdrError(217, "Not supported", "the clipboard is not available in this build", kClassName,
                   "itfFunction_EditCommand");
  auto& clipboard = *mContext.Clipboard;
  auto& gui = *mContext.Host->Gui;
  gui.SetMousePointer(eMPtr_Busy);
  try {
    RunClipboardCommand(clipboard, editCommand);
  } catch (...) {
    gui.SetMousePointer(eMPtr_Default);
    throw;
  }
  gui.SetMousePointer(eMPtr_Default);
}

void clsLdrFunction::RunClipboardCommand(itfClipboard& clipboard, long editCommand) {
  switch (editCommand) {
  case eEC_Cut:
    if (clipboard.Cut(mFuncID)) Relocate();
    break;
  case eEC_Copy:
    clipboard.Copy(mFuncID);
    break;
  case eEC_Paste:
    // The paste itself happens at the next click.
    UnSelectAll();
    RedrawAll();
    SetNewProcess(eMP_EditPasteProc);
    if (!mProcesses.StartPaste(static_cast<std::int32_t>(mFuncID))) SetNewProcess(eMP_QueryForProcess);
    break;
  case eEC_Delete:
    if (clipboard.Delete(mFuncID)) Relocate();
    break;
  case eEC_DeleteFunction:
    if (clipboard.DeleteFunction(mFuncID)) Relocate();
    break;
  default:
    break;
  }
}

long clsLdrFunction::FunctionType() {
  return mContext.Db().QueryValue("SELECT FunctionType FROM LdrFunctions WHERE FuncID=" + Num(mFuncID)).AsLong(0);
}

void clsLdrFunction::SetFunctionType(long functionType) {
  mContext.Db().Execute("UPDATE LdrFunctions SET FunctionType=" + Num(functionType) + " WHERE FuncID=" + Num(mFuncID));
}

// --- work mode -----------------------------------------------------------------------

void clsLdrFunction::SetWorkMode(long workMode) {
  mContext.State->SetWorkMode(workMode);
  for (const auto& [key, strip] : *mStrips) strip->SetWorkMode(static_cast<std::int32_t>(workMode));
  mContext.Host->Gui->SetWorkModeButton(static_cast<int>(workMode));
}

void clsLdrFunction::ToggleWorkMode() { SetWorkMode(mContext.State->WorkMode() == 0 ? 1 : 0); }

// --- selection -------------------------------------------------------------------------

void clsLdrFunction::UnSelectAll() { mSelection.UnselectEverything(); }

void clsLdrFunction::GetSingleSelectedElement(long& elementType, std::string& elementName) {
  const auto selected = mSelection.SelectedElements();
  if (selected.size() != 1) return;
  elementType = selected.front()->ClassType();
  elementName = GetElementTitle(&mContext.Db(), static_cast<std::int32_t>(elementType));
}

std::string clsLdrFunction::GetSelectedElementName() {
  const auto selected = mSelection.SelectedElements();
  if (selected.size() != 1) return {};
  return GetElementTitle(&mContext.Db(), selected.front()->ClassType());
}

std::shared_ptr<Operand> clsLdrFunction::GetElementSelectedOperand() {
  for (const auto& ref : StripSelection::Nets(*mStrips))
    if (auto operand = ref.Net->GetElementSelectedOperand()) return operand;
  return nullptr;
}

void clsLdrFunction::GetElementWithSelectedOperandPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) {
  auto element = mSelection.ElementWithSelectedOperand(stripTop);
  foundSelection = element != nullptr;
  if (element) elementPos = element->Outlet();
}

void clsLdrFunction::GetSelectedElementPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) {
  auto element = mSelection.FirstSelectedElement(stripTop);
  foundSelection = element != nullptr;
  if (element) elementPos = element->Outlet();
}

// --- keyboard ----------------------------------------------------------------------------

void clsLdrFunction::KeyPress(int keyCode, int) {
  if (Online()) return;
  const bool operandKey =
      keyCode == eKey_Tab || keyCode == eKey_Enter || (keyCode >= eKey_Left && keyCode <= eKey_Down);
  if (!operandKey || !mParts.CreateOperandsKeyHandler) return;
  auto handler = mParts.CreateOperandsKeyHandler(mContext);
  if (!handler) return;
  for (const auto& ref : StripSelection::Nets(*mStrips)) ref.Net->KeyPress(keyCode, *handler);
}

// --- operands and nets ----------------------------------------------------------------------

void clsLdrFunction::RefreshOperand(long opType, long opAddress, long networkID) {
  const bool namedConstant = std::find(std::begin(kNamedConstantTypes), std::end(kNamedConstantTypes), opType) !=
                             std::end(kNamedConstantTypes);
  if (namedConstant && opAddress >= 0) {
    if (StripCommands(mContext.Db()).MarkNetsUsingOperandDirty(opType, opAddress, networkID) > 0)
      mContext.State->SetReloadRequest(eRR_ReloadFunction);
  }
  std::vector<std::shared_ptr<itfStrip>> strips;
  for (const auto& [key, strip] : *mStrips) strips.push_back(strip);
  for (const auto& strip : strips)
    strip->RefreshOperand(static_cast<std::int32_t>(opType), static_cast<std::int32_t>(opAddress),
                          static_cast<std::int32_t>(networkID));
  RedrawAll();
}

// The strip object for an operand call: the one shown, or a transient one
// loaded from its row.
std::shared_ptr<itfStrip> clsLdrFunction::StripForOperandCall(long stripID) {
  if (auto shown = mStrips->Find(stripID)) return shown;
  auto row =
      mContext.Db().Query("SELECT * FROM LdrStrips WHERE FuncID=" + Num(mFuncID) + " AND StripID=" + Num(stripID));
  if (row.IsEOF()) return nullptr;
  auto strip = mParts.CreateStrip ? mParts.CreateStrip(mContext, row.Field("StrpType").AsLong()) : nullptr;
  if (strip) strip->Load(row);
  return strip;
}

std::shared_ptr<Operand> clsLdrFunction::HighLightOperand(long stripID, long elementID, long inIdx, long outIdx) {
  // Bring the net into view so that the user sees the highlighted operand.
  if (!mStrips->Exists(stripID) && mContext.Drawer) JumpToStrip(stripID);
  auto strip = StripForOperandCall(stripID);
  auto* net = StripSelection::AsNet(strip.get());
  if (!net) return nullptr;
  return net->HighLightOperand(static_cast<std::int32_t>(elementID), static_cast<std::int32_t>(inIdx),
                               static_cast<std::int32_t>(outIdx));
}

bool clsLdrFunction::ReplaceOperand(long stripID, long elementID, long inIdx, long outIdx, long opNetworkID,
                                    long opType, long opAddr) {
  auto strip = StripForOperandCall(stripID);
  auto* net = StripSelection::AsNet(strip.get());
  if (!net) return false;
  return net->ReplaceOperand(static_cast<std::int32_t>(elementID), static_cast<std::int32_t>(inIdx),
                             static_cast<std::int32_t>(outIdx), static_cast<std::int32_t>(opNetworkID),
                             static_cast<std::int32_t>(opType), static_cast<std::int32_t>(opAddr));
}

void clsLdrFunction::SyncLoadedStripsWithCompileDirtyBitFromDB() {
  for (const auto& ref : StripSelection::Nets(*mStrips)) ref.Net->SyncCompileDirtyBitWithDb();
}

void clsLdrFunction::AppendTestValue(VirtualController& controller) {
  // The nets take a shared reference; the host keeps the controller alive.
  const std::shared_ptr<VirtualController> shared(std::shared_ptr<void>(), &controller);
  for (const auto& ref : StripSelection::Nets(*mStrips)) ref.Net->AppendTestValue(shared);
}

// --- mouse -----------------------------------------------------------------------------------

bool clsLdrFunction::Online() const { return mContext.State && mContext.State->OnLineActive(); }

void clsLdrFunction::SetNewProcess(enMouseProcess process) {
  mNewProcess = process;
  mContext.State->SetMouseProcess(process);
}

std::shared_ptr<itfStrip> clsLdrFunction::HitTest(const HitRecord& hit) {
  std::shared_ptr<itfStrip> found;
  std::vector<std::shared_ptr<itfStrip>> strips;
  for (const auto& [key, strip] : *mStrips) strips.push_back(strip);
  for (const auto& strip : strips) {
    strip->ClearHitTestResults();
    if (found) continue;
    HitRecord probe = hit;
    strip->HitTestByPoint(probe);
    if (strip->GetHitParameters().HitKind != eHK_Nothing) found = strip;
  }
  return found;
}

void clsLdrFunction::MouseDown(int button, int shift, long x, long y) {
  mRightButton = button == kRightButton;
  mButtonDown = true;
  auto strip = HitTest(HitRecord::FromPixel(static_cast<double>(x), static_cast<double>(y), button, shift));
  mActiveStrip = strip;
  if (mNewProcess == eMP_QueryForProcess) StartProcessFromClick(strip, shift);
  RunEvent(MouseEvent::Down, strip, button);
  RefreshClipboardCommands();
  mContext.State->UpdateMdiButtonsStatus();
}

void clsLdrFunction::StartProcessFromClick(const std::shared_ptr<itfStrip>& strip, int shift) {
  if (!strip) return;
  ClickResult click;
  if (!Online()) click = mSelection.Click(mFuncID, *strip, shift, mRightButton);
  if (click.Reload) ReLoad();
  DrawAndFlush();
  strip->QueryProcess(*this);
  if (click.ElementsUnselected && mNewProcess == eMP_ElementMoveProc) SetNewProcess(eMP_QueryForProcess);
}

void clsLdrFunction::MouseMove(int button, int shift, long x, long y) {
  const auto hit = HitRecord::FromPixel(static_cast<double>(x), static_cast<double>(y), button, shift);
  const tyLdrPoint point{hit.X, hit.Y};
  if (mLastGridPoint && *mLastGridPoint == point) return;
  mLastGridPoint = point;
  auto strip = HitTest(hit);
  if (mNewProcess != eMP_QueryForProcess && mContext.Drawer) mContext.Drawer->SetToolTipText("");
  RunEvent(MouseEvent::Move, strip, button);
}

void clsLdrFunction::MouseUp(int button, int shift, long x, long y) {
  mButtonDown = false;
  auto strip = HitTest(HitRecord::FromPixel(static_cast<double>(x), static_cast<double>(y), button, shift));
  RunEvent(MouseEvent::Up, strip, button);
  RefreshClipboardCommands();
  RedrawAll();
}

void clsLdrFunction::RunEvent(MouseEvent event, const std::shared_ptr<itfStrip>& strip, int button) {
  // The kill step runs also when the event fails: a process that ended
  // itself on the way must not outlive it.
  struct KillStep {
    clsLdrFunction& View;
    ~KillStep() { View.KillStepTimer(); }
  };
  mDoAgain = true;
  while (mDoAgain) {
    mDoAgain = false;
    KillStep killStep{*this};
    Dispatch(event, strip, button);
  }
}

void clsLdrFunction::Dispatch(MouseEvent event, const std::shared_ptr<itfStrip>& strip, int button) {
  if (mNewProcess == eMP_QueryForProcess) {
    if (event == MouseEvent::Move)
      HoverStep(strip);
    else if (event == MouseEvent::Up && button == kRightButton)
      ContextMenuStep();
    return;
  }
  RunProcess(mNewProcess, event, strip);
}

// The process of the current kind takes the event. A kind that has no class
// in this build returns the view to idle, so that a press that asked for one
// never leaves it stuck.
void clsLdrFunction::RunProcess(enMouseProcess kind, MouseEvent event, const std::shared_ptr<itfStrip>& strip) {
  switch (event) {
  case MouseEvent::Down: {
    const auto outcome = mProcesses.MouseDown(kind, strip, mRightButton, static_cast<std::int32_t>(mFuncID));
    if (outcome.PlacedElementID >= 0) AfterElementPlaced(outcome.PlacedElementID);
    break;
  }
  case MouseEvent::Move:
    mProcesses.MouseMove(kind, strip);
    break;
  case MouseEvent::Up:
    mProcesses.MouseUp(kind, strip);
    break;
  }
}

// Snapping onto a neighbour's outlet, then the free rows the host may ask for.
void clsLdrFunction::AfterElementPlaced(std::int32_t elementID) {
  PlacementSteps::Snap(mContext, mActiveStrip.get(), [this](int keyCode) { KeyPress(keyCode, 0); });
  PlacementSteps::OpenSpace(mContext, static_cast<std::int32_t>(mFuncID), mActiveStrip.get(), elementID, *this,
                            *mStrips);
}

// Empties the slot of the process that ended itself during the event.
void clsLdrFunction::KillStepTimer() {
  mProcesses.Kill(mKillProcess);
  mKillProcess = eMP_NoProcessToKill;
}

void clsLdrFunction::CancelProcess() {
  if (mButtonDown) return;
  mProcesses.KillAll();
  mKillProcess = eMP_NoProcessToKill;
  if (mNewProcess != eMP_QueryForProcess)
    SetNewProcess(eMP_QueryForProcess);
  else
    SetWorkMode(0);
  RedrawAll();
  mContext.State->UpdateMousePointer();
}

void clsLdrFunction::DoubleClick() {
  if (mActiveStrip) mActiveStrip->DoubleClick(*this);
}

void clsLdrFunction::HoverStep(const std::shared_ptr<itfStrip>& strip) {
  if (!mContext.Drawer) return;
  auto& drawer = *mContext.Drawer;
  if (!strip) return drawer.SetToolTipText("");
  const int area = strip->GetHitParameters().HitKind;
  if (area == eHK_Collapse) return;
  auto* net = StripSelection::AsNet(strip.get());
  if (area == eHK_Header) return drawer.SetToolTipText(HeaderTip(*strip, net));
  if (area != eHK_Element) return drawer.SetToolTipText("");
  auto element = net ? net->ActiveElement() : nullptr;
  if (!element) return;
  const int code = element->GetHitParameters().HitKind;
  if (code == eHK_ElementBody || code == eHK_ElementOther) {
    drawer.SetToolTipText(element->ToolTipText());
  } else if (code == eHK_ElementOperand) {
    if (auto operand = element->ActiveOperand()) drawer.SetToolTipText(operand->ToolTipText());
  }
}

void clsLdrFunction::ContextMenuStep() {
  if (!mActiveStrip) return;
  const int area = mActiveStrip->GetHitParameters().HitKind;
  if (area >= eHK_Element && area <= eHK_Resizer) return mActiveStrip->RightMouseUp();
  if (area != eHK_Header && area != eHK_Collapse) return;
  if (StripCommands(mContext.Db()).SelectedStripCount(mFuncID) == 1) return mActiveStrip->RightMouseUp();
  // The menu's commands come back as tool requests.
  mContext.Host->Gui->ShowContextMenu(eGM_StripHeader);
}

// The warning triangle in a net's header (its second row) says why it is
// there.
std::string clsLdrFunction::HeaderTip(itfStrip& strip, itfLdrNet* net) {
  constexpr long kTriangleRow = 2;
  if (!net || net->IsCollapsed() || net->IsReturnStrip() || !net->CompileDirtyBit()) return {};
  if (strip.GetHitParameters().Y - strip.Top() != kTriangleRow) return {};
  return "This net changed since the last compile: compile the project to run it";
}

// Without a clipboard its commands are offered disabled rather than failing
// when chosen.
void clsLdrFunction::RefreshClipboardCommands() {
  if (mContext.Clipboard) return mContext.Clipboard->RefreshMdiButtonsStatus();
  for (const char* command : {"ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete"})
    mContext.Host->Gui->SetCommandEnabled(command, false);
}

} // namespace ldr
