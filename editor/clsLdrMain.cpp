#include "editor/clsLdrMain.h"

#include "core/EditCommit.h"
#include "core/KeyCodes.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/UndoStamp.h"
#include "core/clsLdrState.h"
#include "core/enEditCommand.h"
#include "core/enMouseProcess.h"
#include "editor/ToolTable.h"
#include "editor/itfFunction.h"
#include "exchange/ProjectTree.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfClipboard.h"
#include "interfaces/itfDrawer.h"
#include "outside/HostServices.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "platform/boards/MainBoard.h"
#include "platform/boards/PictureBoard.h"
#include "tools/srvGotoLabels.h"
#include "tools/srvLadderPassword.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace ldr {

namespace {

constexpr const char* kClass = "clsLdrMain";
constexpr int kPixelPerGrid = 14;
constexpr long kMaxViewColumns = 54; // the ladder strip is 54 columns wide
// The right board shows the ladder from its left edge to the strip's right
// border line; the left board (two columns) never scrolls.
constexpr long kLadderColumns = LDR_STRIP_WIDTH + 1;
constexpr long kLeftBoardColumns = 2;
constexpr int kPointerBusy = 11, kPointerDefault = 0;
constexpr int kFunctionNotExist = 233;

// Pixels to grid units: to the nearest integer, ties to even.
long PixelsToGrid(long pixels) {
  return static_cast<long>(std::nearbyint(static_cast<double>(pixels) / kPixelPerGrid));
}

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(text);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!text.empty() && text.back() == '\t') fields.emplace_back();
  return fields;
}

long ParseLong(const std::string& text) {
  size_t used = 0;
  long value = std::stol(text, &used);
  if (used != text.size()) throw std::invalid_argument("not a number: " + text);
  return value;
}

} // namespace

// Forwards one picture board's mouse events to the main object.
class clsLdrMain::BoardListener : public PictureBoardEvents {
public:
  BoardListener(clsLdrMain& owner, bool isRight) : mOwner(owner), mIsRight(isRight) {}
  void OnMouseDown(PictureBoard&, int button, int shift, int x, int y) override {
    mIsRight ? mOwner.OnRightMouseDown(button, shift, x, y) : mOwner.OnLeftMouseDown(button, shift, x, y);
  }
  void OnMouseMove(PictureBoard&, int button, int shift, int x, int y) override {
    mIsRight ? mOwner.OnRightMouseMove(button, shift, x, y) : mOwner.OnLeftMouseMove(button, shift, x, y);
  }
  void OnMouseUp(PictureBoard&, int button, int shift, int x, int y) override {
    mIsRight ? mOwner.OnRightMouseUp(button, shift, x, y) : mOwner.OnLeftMouseUp(button, shift, x, y);
  }
  void OnDblClick(PictureBoard&, int, int, int, int) override { mOwner.OnBoardDoubleClick(); }
  void OnClick(PictureBoard&) override { mOwner.OnBoardClick(); }

private:
  clsLdrMain& mOwner;
  bool mIsRight;
};

// Forwards the main board's keys to the main object.
class clsLdrMain::KeyListener : public MainBoardEvents {
public:
  explicit KeyListener(clsLdrMain& owner) : mOwner(owner) {}
  void OnKeyDown(MainBoard&, int keyCode, int shift) override { mOwner.OnKeyDown(keyCode, shift); }
  void OnKeyUp(MainBoard&, int keyCode, int shift) override { mOwner.OnKeyUp(keyCode, shift); }

private:
  clsLdrMain& mOwner;
};

// --- creation and lifetime ----------------------------------------------------

clsLdrMain::clsLdrMain(std::shared_ptr<HostServices> host, LdrMainParts parts)
    : mContext(std::make_unique<LdrContext>()), mParts(std::move(parts)) {
  if (!host || !host->Connections)
    throw LdrError(0, "NoHost", "the host gave no connection provider", kClass, "Create");
  mContext->SetHost(host);
  mContext->Connection = mContext->Host->Connections->Connection();
  if (!mContext->Connection) throw LdrError(0, "NoConnection", "the host has no open project", kClass, "Create");
  mContext->State = std::make_unique<clsLdrState>(*mContext);
  mContext->Edits = std::make_unique<EditCommit>(*mContext);
  DropHistoryChangedOutside();
}

clsLdrMain::~clsLdrMain() {
  SealHistory();
  if (mMainBoard && mKeyListener) mMainBoard->RemoveListener(mKeyListener.get());
  if (mLeftBoard && mLeftListener) mLeftBoard->RemoveListener(mLeftListener.get());
  if (mRightBoard && mRightListener) mRightBoard->RemoveListener(mRightListener.get());
  DropView();
  mContext->Drawer = nullptr;
}

void clsLdrMain::Init(std::shared_ptr<MainBoard> mainBoard, std::shared_ptr<PictureBoard> leftBoard,
                      std::shared_ptr<PictureBoard> rightBoard) {
  mMdlID = kFallbackModuleID;
  mMainBoard = std::move(mainBoard);
  mLeftBoard = std::move(leftBoard);
  mRightBoard = std::move(rightBoard);
  mKeyListener = std::make_unique<KeyListener>(*this);
  mLeftListener = std::make_unique<BoardListener>(*this, false);
  mRightListener = std::make_unique<BoardListener>(*this, true);
  if (mMainBoard) mMainBoard->AddListener(mKeyListener.get());
  if (mLeftBoard) mLeftBoard->AddListener(mLeftListener.get());
  if (mRightBoard) mRightBoard->AddListener(mRightListener.get());
  mContext->State->Init(mMainBoard);
  if (mParts.CreateDrawer) {
    mDrawer = mParts.CreateDrawer(*mContext);
    mContext->Drawer = mDrawer.get();
    mDrawer->Init(mLeftBoard, mRightBoard);
  }
  if (mParts.CreateClipboard) mContext->Clipboard = mParts.CreateClipboard(*mContext);
}

void clsLdrMain::Terminate() {
  DropView();
  if (mDrawer) {
    mDrawer->Release();
    mContext->Drawer = nullptr;
    mDrawer.reset();
  }
  if (mContext->Clipboard) {
    mContext->Clipboard->SetStrips(nullptr);
    mContext->Clipboard.reset();
  }
  mContext->State.reset();
  SealHistory();
  mContext->Connection.reset();
}

// The undo history and the file it was recorded on part here; it is checked
// against the stamp when the file comes back (DropHistoryChangedOutside).
void clsLdrMain::SealHistory() {
  if (!mContext->Connection) return;
  try {
    UndoStamp(*mContext->Connection).Seal();
  } catch (...) {
    // Without a fresh stamp the next open clears the history: no harm done.
  }
}

void clsLdrMain::DropHistoryChangedOutside() {
  constexpr int kGuiNotice = 8;
  try {
    if (UndoStamp(*mContext->Connection).ClearIfChanged() && mContext->Host->Gui)
      mContext->Host->Gui->ShowText(kGuiNotice, UndoStamp::kClearedNotice);
  } catch (...) {
    // A history that cannot be read is reported when undo is asked for.
  }
}

void clsLdrMain::QueryUnload() { ValidateBoardControls(); }

void clsLdrMain::SaveProject() {
  if (mContext->State) mContext->State->SetNeedToSave(false);
}

VbBool clsLdrMain::NeedToCompile() { return IsNeedToCompile(mContext->Db()) ? -1 : 0; }

// --- helpers --------------------------------------------------------------------

void clsLdrMain::AsOneEdit(const std::function<void()>& body) {
  mContext->Edits->Run([&] {
    CatchUpWithOtherEditors();
    body();
  });
}

// Another editor on the same file committed since this one last looked: the
// view is rebuilt from the database before this call writes anything, so no
// stale strip writes over the other editor's rows.
void clsLdrMain::CatchUpWithOtherEditors() {
  if (mContext->Connection && mContext->Connection->ChangedByOthers() && mView) mView->ReLoad();
}

void clsLdrMain::ValidateBoardControls() {
  if (mMainBoard) mMainBoard->ValidateControls();
}

void clsLdrMain::FocusMainBoard() {
  if (mMainBoard && mMainBoard->Visible() && mMainBoard->Enabled()) mMainBoard->SetFocus();
}

bool clsLdrMain::TextBoxActive() const {
  if (!mMainBoard) return false;
  const std::string active = mMainBoard->ActiveControl();
  return active == "txtComment" || active == "txtLblComment";
}

BoardScrollBar* clsLdrMain::FindScrollBar(const std::string& name) const {
  return mMainBoard && mMainBoard->HasControl(name) ? &mMainBoard->ScrollBar(name) : nullptr;
}

void clsLdrMain::RequireView(const char* procedure) const {
  if (!mParts.CreateView) NotBuilt(procedure);
}

void clsLdrMain::NotBuilt(const char* procedure) const {
  throw LdrError(217, "Not supported", std::string(procedure) + " is not available in this build", kClass, procedure);
}

// --- tools and edit commands ------------------------------------------------------

void clsLdrMain::ToolRequest(const std::string& toolID) {
  ValidateBoardControls();
  AsOneEdit([&] { DispatchTool(toolID); });
  FocusMainBoard();
}

void clsLdrMain::DispatchTool(const std::string& toolID) {
  if (!mView) return;
  if (toolID == "ID_LDrawLine") return mView->ToggleWorkMode();
  if (toolID == "ID_NewNet") return mView->CreateNewStrip(1);
  if (toolID == "ID_InsertComment") return mView->CreateNewStrip(2);
  if (toolID == "ID_LSetLabel") return mView->CreateNewStrip(3);
  if (toolID == "ID_AppendLdrNet") return mView->AppendNewStrip(1, 3);
  if (auto type = ToolTable::ElementTypeOf(toolID)) return mView->CreateNewElement(*type);
  mView->ToolRequest(toolID);
}

void clsLdrMain::SpecialToolRequest(const std::string& toolID) {
  if (!mView) return;
  AsOneEdit([&] { mView->SpecialToolRequest(toolID); });
  if (mContext->Drawer) mContext->Drawer->RedrawAll();
}

void clsLdrMain::CreateFunctionBlock(long functionID) {
  if (!mView) return;
  AsOneEdit([&] { mView->CreateNewElement(functionID); });
  FocusMainBoard();
}

void clsLdrMain::CancelProcess() {
  if (mView) AsOneEdit([&] { mView->CancelProcess(); });
}

void clsLdrMain::AppendTestValue(VirtualController& controller) {
  if (!mView) return;
  mView->AppendTestValue(controller);
  if (mContext->Drawer) mContext->Drawer->RedrawAll();
}

void clsLdrMain::EditCommand(long editCommand) {
  AsOneEdit([&] { RunEditCommand(editCommand); });
}

void clsLdrMain::RunEditCommand(long editCommand) {
  if (!mView || mContext->State->MouseProcess() != eMP_QueryForProcess) return;
  mContext->ActionName.clear();
  if (editCommand == eEC_Cut || editCommand == eEC_Delete) {
    // Bring the first strip that goes into view, so the user sees it go.
    auto first = mContext->Db().QueryValue("SELECT StripID FROM LdrStrips WHERE IsSelected<>0 ORDER BY SeqNum LIMIT 1");
    if (!first.IsNull()) {
      mView->JumpToStrip(first.AsLong());
      if (mContext->Drawer) mContext->Drawer->RedrawAll();
    }
  }
  mView->EditCommand(editCommand);
  mContext->State->HandleReloadRequest();
}

// --- loading --------------------------------------------------------------------------

void clsLdrMain::LoadFunction(long funcID) {
  AsOneEdit([&] {
    RequireFunction(funcID, "LoadFunction");
    mContext->State->SetNeedToCompile(false);
    mContext->State->SetNeedToSave(false);
    LoadOrFallBack(funcID, GetModuleIDOfFunction(mContext->Db(), funcID));
  });
  ReadProperties();
}

// A subroutine that is not in the project is refused before anything of
// the open one is released or stored.
void clsLdrMain::RequireFunction(long funcID, const char* procedure) const {
  if (FunctionExists(mContext->Db(), funcID)) return;
  throw LdrError(kFunctionNotExist, "Function ID not exist",
                 "The subroutine " + std::to_string(funcID) + " is not in the project", kClass, procedure);
}

bool clsLdrMain::LoadOrFallBack(long funcID, long mdlID) {
  RequireView("LoadFunction");
  RequireFunction(funcID, "LoadFunction");
  auto& gui = *mContext->Host->Gui;
  gui.SetMousePointer(kPointerBusy);
  if (mView) {
    ValidateBoardControls();
    mContext->State->SetView(nullptr);
    DropView();
  }
  bool allowed = PasswordAllows(funcID);
  if (!allowed) {
    funcID = kFallbackFunctionID;
    mdlID = kFallbackModuleID;
    RequireFunction(funcID, "LoadFunction");
  }
  mMdlID = mdlID;
  mFuncID = funcID;
  mContext->Db().Execute("UPDATE LdrModules SET ActiveFuncID=" + std::to_string(funcID) +
                         " WHERE MdlID=" + std::to_string(mdlID));
  mView = mParts.CreateView(*mContext);
  mView->Init();
  mView->Load(funcID);
  mContext->Host->Settings->SetProjectSetting(ePSK_LastFunction, std::to_string(funcID));
  gui.SetMousePointer(kPointerDefault);
  FocusMainBoard();
  return allowed;
}

// A protected subroutine of a ladder with a password opens only for a user
// who has typed the password; the question shows the normal pointer.
bool clsLdrMain::PasswordAllows(long funcID) {
  srvLadderPassword password(*mContext->Host);
  if (!password.IsLadderProtected() || !password.IsFuncProtected(funcID)) return true;
  auto& gui = *mContext->Host->Gui;
  gui.SetMousePointer(kPointerDefault);
  const bool authorized = password.IsUserAuthorized(true);
  gui.SetMousePointer(kPointerBusy);
  return authorized;
}

// The drawer lets go of the view's strips before they go with the view.
void clsLdrMain::DropView() {
  if (mContext->Drawer) mContext->Drawer->SetStrips(nullptr);
  mView.reset();
}

void clsLdrMain::ReloadFunction() {
  mContext->State->SetReloadRequest(eRR_Redraw);
  ValidateBoardControls();
  if (mView) AsOneEdit([&] { mView->ReLoad(); });
}

void clsLdrMain::ReadProperties() {
  auto& settings = *mContext->Host->Settings;
  auto readLong = [&](long key, const char* fallback) {
    return db::DbValue(settings.HostSetting(6000, key, fallback)).AsLong(std::stol(fallback));
  };
  mContext->SnapLimitX = readLong(6006, "2");
  mContext->SnapLimitY = readLong(6007, "2");
  mContext->PowerFlowColor = static_cast<std::uint32_t>(readLong(6013, "255"));
}

void clsLdrMain::RefreshOperand(long opType, long opAddress, long networkID) {
  if (mView) AsOneEdit([&] { mView->RefreshOperand(opType, opAddress, networkID); });
}

// --- scrolling and size -----------------------------------------------------------------

void clsLdrMain::VerticalScrollBarChange(long scrollValue) {
  if (!mView) return;
  if (!mVScrollDragging) {
    AsOneEdit([&] { mView->SetVerticalScrollLocation(scrollValue); });
    return;
  }
  // The end of a thumb drag: snap to a strip top and let the bar's own change
  // move the view.
  const long snapped = mView->RoundScrollPosition(scrollValue);
  mVScrollDragging = false;
  auto& bar = mContext->Host->Gui->VerticalScrollBar();
  if (bar.Value() == snapped) {
    // The bar raises no change for the value it already holds.
    AsOneEdit([&] { mView->SetVerticalScrollLocation(snapped); });
    return;
  }
  bar.SetValue(static_cast<int>(snapped));
}

void clsLdrMain::VerticalScrollBarScroll(long scrollValue) {
  mVScrollDragging = true;
  if (mView) mView->ShowScrollToolTip(scrollValue);
}

void clsLdrMain::HorizontalScrollBarChange(long scrollValue) {
  mHorizontalScroll = scrollValue;
  if (mView) AsOneEdit([&] { mView->SetHorizontalScrollLocation(scrollValue); });
}

void clsLdrMain::HorizontalScrollBarScroll(long scrollValue) { HorizontalScrollBarChange(scrollValue); }

void clsLdrMain::Resize(long width, long height) {
  if (mContext->Drawer) {
    mContext->Drawer->SetViewWidth(std::min(kMaxViewColumns, PixelsToGrid(width)));
    mContext->Drawer->SetViewHeight(PixelsToGrid(height));
  }
  ApplyHorizontalRange(width);
  ReloadFunction();
}

// The horizontal bar scrolls only over the columns the view cannot show, a
// page at a time by the columns it does show.
void clsLdrMain::ApplyHorizontalRange(long width) {
  if (!mContext->Host || !mContext->Host->Gui) return;
  const long shown = std::max(1L, width / kPixelPerGrid - kLeftBoardColumns);
  auto& bar = mContext->Host->Gui->HorizontalScrollBar();
  bar.SetSmallChange(1);
  bar.SetLargeChange(static_cast<int>(shown));
  bar.SetRange(0, static_cast<int>(std::max(0L, kLadderColumns - shown)));
}

void clsLdrMain::SetOnLineActive(VbBool active) {
  ValidateBoardControls();
  mContext->State->SetOnLineActive(active != 0);
  if (!mView) return;
  if (active != 0) {
    mView->UnSelectAll();
    mView->SetWorkMode(0);
  } else {
    AsOneEdit([&] { mView->ReLoad(); });
  }
}

void clsLdrMain::RedrawAll() {
  if (mContext->Drawer) mContext->Drawer->RedrawAll();
}

void clsLdrMain::Validate() {
  ValidateBoardControls();
  RedrawAll();
}

void clsLdrMain::SetCompileDirtyBitForBuildAll() {
  AsOneEdit([&] { MarkAllNetsDirty(mContext->Db()); });
}

void clsLdrMain::SyncLoadedStripsWithCompileDirtyBitFromDB() {
  if (mView) mView->SyncLoadedStripsWithCompileDirtyBitFromDB();
}

// --- navigation ---------------------------------------------------------------------------

void clsLdrMain::HighLightOperand(long mdlID, long funcID, long stripID, long elementID, long inIdx, long outIdx) {
  AsOneEdit([&] {
    const bool exists =
        mContext->Db()
            .QueryValue("SELECT COUNT(*) FROM ((LdrModules INNER JOIN LdrFunctions ON LdrModules.MdlID = "
                        "LdrFunctions.MdlID) INNER JOIN LdrStrips ON LdrFunctions.FuncID = LdrStrips.FuncID) INNER "
                        "JOIN LdrElements ON LdrStrips.StripID = LdrElements.StripID WHERE LdrModules.MdlID=? AND "
                        "LdrFunctions.FuncID=? AND LdrStrips.StripID=? AND LdrElements.ElmntID=?",
                        {mdlID, funcID, stripID, elementID})
            .AsLong() > 0;
    if (!exists) {
      mContext->Host->Messages->ShowMessage(82);
      return;
    }
    if (funcID != mFuncID || !mView)
      if (!LoadOrFallBack(funcID, mdlID)) return;
    mView->HighLightOperand(stripID, elementID, inIdx, outIdx);
    RedrawAll();
  });
}

VbBool clsLdrMain::ReplaceOperand(long, long funcID, long stripID, long elementID, long inIdx, long outIdx,
                                  long opNetworkID, long opType, long opAddr) {
  bool replaced = false;
  AsOneEdit([&] {
    itfFunction* view = mView.get();
    std::unique_ptr<itfFunction> other;
    if (funcID != mFuncID || !view) {
      // A view of another subroutine, neither initialised nor loaded.
      RequireView("ReplaceOperand");
      other = mParts.CreateView(*mContext);
      other->SetFunctionID(funcID);
      view = other.get();
    }
    replaced = view->ReplaceOperand(stripID, elementID, inIdx, outIdx, opNetworkID, opType, opAddr);
  });
  return replaced ? -1 : 0;
}

void clsLdrMain::GotoLabel(long mdlID, long funcID, long stripID) {
  AsOneEdit([&] {
    if (funcID != mFuncID || !mView)
      if (!LoadOrFallBack(funcID, mdlID)) return;
    mView->JumpToStrip(stripID);
  });
  RedrawAll();
}

// The label tools: next, previous, one the user picks, or the label that
// the selected jump operand names.
void clsLdrMain::DisplayLabel(const std::string& toolID) {
  if (!mView) return;
  srvGotoLabels labels(*mContext->Host);
  std::optional<LabelPlace> place;
  if (toolID == kGotoJumpTarget) {
    auto operand = mView->GetElementSelectedOperand();
    if (operand && operand->OprndType() == eOT_Label) place = labels.PlaceOfLabel(operand->Address());
  } else {
    place = labels.FindLabel(toolID, mView->CurrentStripID());
  }
  if (place) GotoLabel(place->ModuleID, place->FunctionID, place->StripID);
}

void clsLdrMain::JumpToCompileResult(const std::string& message) {
  // A compiler message names module, subroutine and net; anything it cannot
  // be read as is ignored.
  try {
    const auto fields = SplitTabs(message);
    long mdlID = 0, funcID = 0;
    if (fields.size() == 6) {
      mdlID = ParseLong(fields[4]);
      funcID = ParseLong(fields[5]);
    } else if (fields.size() == 7) {
      mdlID = ParseLong(fields[5]);
      funcID = ParseLong(fields[6]);
    }
    if (funcID != 0 && fields[2].size() > 4) {
      const long netNumber = ParseLong(fields[2].substr(4));
      AsOneEdit([&] {
        const long stripID = GetStripIDByShowNum(mContext->Db(), funcID, netNumber);
        if (funcID != mFuncID || !mView)
          if (!LoadOrFallBack(funcID, mdlID)) return;
        mView->JumpToStrip(stripID);
      });
    }
  } catch (...) {
  }
  try {
    RedrawAll();
  } catch (...) {
  }
}

// --- queries ---------------------------------------------------------------------------------

std::shared_ptr<Operand> clsLdrMain::GetElementSelectedOperand() {
  return mView ? mView->GetElementSelectedOperand() : nullptr;
}

void clsLdrMain::GetSingleSelectedElement(long& elementType, std::string& elementName) {
  if (mView) mView->GetSingleSelectedElement(elementType, elementName);
}

long clsLdrMain::GetLoadedModuleID() {
  mMdlID = GetModuleIDOfFunction(mContext->Db(), mFuncID);
  return mMdlID;
}

void clsLdrMain::OnFBFatherDeleted(long) { mContext->Host->Messages->ShowMessageBox("Orphand Subroutine"); }

// --- export and import of subroutines ------------------------------------------------------

clsExportImport::Outcome clsLdrMain::AsExchange(const std::function<clsExportImport::Outcome(clsExportImport&)>& body) {
  auto outcome = clsExportImport::Outcome::Nothing;
  AsOneEdit([&] {
    clsExportImport exchange(*mContext);
    exchange.SetProgressObserver(mExchangeProgress);
    outcome = body(exchange);
    mLastImportPairs = exchange.ImportPairs();
    if (outcome == clsExportImport::Outcome::Done && !exchange.ImportPairs().empty())
      EditsOf(*mContext).Commit(clsExportImport::kImportAction, true);
  });
  return outcome;
}

bool clsLdrMain::ExportMultiSubroutines(std::vector<long>& functionIDs) {
  return clsExportImport(*mContext).ExportMultiSubroutines(functionIDs);
}

VbBool clsLdrMain::Export(long funcID) {
  return AsExchange([&](clsExportImport& exchange) {
           exchange.Export(funcID);
           return exchange.LastOutcome();
         }) == clsExportImport::Outcome::Done
             ? -1
             : 0;
}

bool clsLdrMain::ExportMultiSubroutinesEx(std::vector<long>& functionIDs, const std::string& moduleName) {
  return AsExchange([&](clsExportImport& exchange) {
           exchange.ExportMultiSubroutinesEx(functionIDs, moduleName);
           return exchange.LastOutcome();
         }) == clsExportImport::Outcome::Done;
}

VbBool clsLdrMain::Import(long moduleID) {
  return AsExchange([&](clsExportImport& exchange) {
           exchange.Import(moduleID);
           return exchange.LastOutcome();
         }) == clsExportImport::Outcome::Done
             ? -1
             : 0;
}

clsExportImport::Outcome clsLdrMain::ExportToFile(const std::vector<long>& functionIDs, const std::string& path) {
  return AsExchange([&](clsExportImport& exchange) { return exchange.ExportToFile(functionIDs, path); });
}

clsExportImport::Outcome clsLdrMain::ImportFromFile(long moduleID, const std::string& path) {
  return AsExchange([&](clsExportImport& exchange) { return exchange.ImportFromFile(moduleID, path); });
}

// --- modules and subroutines --------------------------------------------------------------

void clsLdrMain::AddNewFunction(long mdlID, long& funcID, std::string& funcName) {
  AsOneEdit([&] {
    funcID = ProjectTree(*mContext).AddNewFunction(mdlID, funcName);
    EditsOf(*mContext).Commit("New Subroutine - " + GetFullFunctionName(mContext->Db(), funcID), true);
  });
}

void clsLdrMain::AddNewModule(long& mdlID, std::string& moduleName, long& funcID, std::string& funcName) {
  AsOneEdit([&] {
    mdlID = ProjectTree(*mContext).AddNewModule(moduleName, funcID, funcName);
    EditsOf(*mContext).Commit("New Module - " + moduleName, true);
  });
}

VbBool clsLdrMain::RenameFunction(long functionID, const std::string& newName) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.RenameFunction(functionID, newName); },
                    "Rename Subroutine - " + newName);
}

VbBool clsLdrMain::RenameModule(long moduleID, const std::string& newName) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.RenameModule(moduleID, newName); },
                    "Rename Module - " + newName);
}

bool clsLdrMain::MoveFunctionToModule(long sourceFunctionKey, long targetModuleKey) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.MoveFunctionToModule(sourceFunctionKey, targetModuleKey); },
                    "Move Subroutine") != 0;
}

VbBool clsLdrMain::ClearFunction(long funcID) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.ClearFunction(funcID); }, {});
}

VbBool clsLdrMain::DeleteFunction(long functionID) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.DeleteFunction(functionID, true); }, {});
}

VbBool clsLdrMain::DeleteFunctionEx(long functionID) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.DeleteFunction(functionID, false); }, {});
}

VbBool clsLdrMain::DeleteModule(long moduleID) {
  return AsTreeEdit([&](ProjectTree& tree) { return tree.DeleteModule(moduleID); }, {});
}

// One change of the project tree as one edit; afterwards the view follows:
// it shows its subroutine as stored, or another one when its own is gone.
VbBool clsLdrMain::AsTreeEdit(const std::function<bool(ProjectTree&)>& change, const std::string& actionName) {
  bool done = false;
  AsOneEdit([&] {
    mContext->ActionName.clear();
    ProjectTree tree(*mContext);
    done = change(tree);
    if (!done) return;
    FollowTreeChange();
    EditsOf(*mContext).Commit(actionName.empty() ? mContext->ActionName : actionName, true);
  });
  return done ? -1 : 0;
}

void clsLdrMain::FollowTreeChange() {
  auto& db = mContext->Db();
  if (!mView) return;
  if (FunctionExists(db, mFuncID)) {
    mMdlID = GetModuleIDOfFunction(db, mFuncID);
    mView->ReLoad();
    return;
  }
  // The open subroutine went: the fallback, or the first one left.
  long next = FunctionExists(db, kFallbackFunctionID) ? kFallbackFunctionID
                                                      : db.QueryValue("SELECT MIN(FuncID) FROM LdrFunctions").AsLong(0);
  if (next == 0) {
    mContext->State->SetView(nullptr);
    DropView();
    mFuncID = 0;
    return;
  }
  LoadOrFallBack(next, GetModuleIDOfFunction(db, next));
}

// --- mouse --------------------------------------------------------------------------------------

void clsLdrMain::OnRightMouseDown(int button, int shift, int x, int y) {
  if (!mView) return;
  mMouseDownSeen = true;
  // A press on the board ends a text edit in progress before anything else.
  if (TextBoxActive()) ValidateBoardControls();
  AsOneEdit([&] { mView->MouseDown(button, shift, x + mHorizontalScroll * kPixelPerGrid, y); });
  mTextBoxOpenedByPress = TextBoxActive();
}

void clsLdrMain::OnRightMouseMove(int button, int shift, int x, int y) {
  if (!mView) return;
  AsOneEdit([&] { mView->MouseMove(button, shift, x + mHorizontalScroll * kPixelPerGrid, y); });
  AutoScroll(y);
  UpdateElementCopyFlag(shift);
}

void clsLdrMain::OnRightMouseUp(int button, int shift, int x, int y) {
  if (!mView || !mMouseDownSeen) return;
  mMouseDownSeen = false;
  AsOneEdit([&] { mView->MouseUp(button, shift, x + mHorizontalScroll * kPixelPerGrid, y); });
}

void clsLdrMain::OnLeftMouseDown(int button, int shift, int x, int y) {
  if (!mView) return;
  mMouseDownSeen = true;
  AsOneEdit([&] { mView->MouseDown(button, shift, x, y); });
  FocusMainBoard();
}

void clsLdrMain::OnLeftMouseMove(int button, int shift, int x, int y) {
  if (mView) AsOneEdit([&] { mView->MouseMove(button, shift, x, y); });
}

void clsLdrMain::OnLeftMouseUp(int button, int shift, int x, int y) {
  if (!mView || !mMouseDownSeen) return;
  mMouseDownSeen = false;
  AsOneEdit([&] { mView->MouseUp(button, shift, x, y); });
}

void clsLdrMain::OnBoardDoubleClick() {
  if (!mView) return;
  AsOneEdit([&] {
    mView->DoubleClick();
    mContext->State->HandleReloadRequest();
  });
}

void clsLdrMain::OnBoardClick() {
  const bool keepTextBox = mTextBoxOpenedByPress;
  mTextBoxOpenedByPress = false;
  if (mView && !keepTextBox) ValidateBoardControls();
}

// Automatic scrolling while elements are dragged above or below the board.
// Each mouse-move outside the board moves the vertical bar one pass, so the
// view keeps scrolling while the pointer stays out there and the host keeps
// sending moves; the bar's change moves the view.
void clsLdrMain::AutoScroll(int y) {
  if (mContext->State->MouseProcess() != eMP_ElementMoveProc || !mRightBoard) {
    mContext->AutoScrollDirection = 0;
    return;
  }
  int direction = 0;
  if (y < 0) {
    direction = -1;
    mAutoScrollSpeed = -y;
  } else if (y > mRightBoard->Height()) {
    direction = 1;
    mAutoScrollSpeed = y - mRightBoard->Height();
  }
  if (direction != mContext->AutoScrollDirection) {
    mContext->AutoScrollDirection = direction;
    mContext->State->UpdateMousePointer();
  }
  auto* bar = FindScrollBar("vscrl");
  if (direction == 0 || !bar) return;
  const int step = std::max(1, mAutoScrollSpeed / 30);
  bar->SetValue(std::clamp(bar->Value() + direction * step, bar->Min(), bar->Max()));
}

// --- keyboard --------------------------------------------------------------------------------------

void clsLdrMain::OnKeyDown(int keyCode, int shift) {
  if (!mView || !mSurfaceOperationState || mKeyNavigationBusy) return;
  AsOneEdit([&] {
    tyLdrPoint position;
    long stripTop = 0;
    bool elementSelected = false, operandSelected = false;
    mView->GetSelectedElementPos(position, stripTop, elementSelected);
    mView->GetElementWithSelectedOperandPos(position, stripTop, operandSelected);
    const bool navigation = (!elementSelected && !operandSelected) ||
                            mContext->State->MouseProcess() == eMP_ElementMoveProc || mContext->State->OnLineActive();
    if (navigation) {
      if (!TextBoxActive() && IsNavigationKey(keyCode)) ForwardNavigationKey(keyCode, shift);
    } else {
      mView->KeyPress(keyCode, shift);
    }
    if (!mContext->State->OnLineActive()) InsertElementByKey(keyCode, shift);
  });
  UpdateElementCopyFlag(shift);
}

bool clsLdrMain::IsNavigationKey(int keyCode) const { return keyCode >= eKey_PageUp && keyCode <= eKey_Down; }

void clsLdrMain::ForwardNavigationKey(int keyCode, int shift) {
  const bool horizontal = keyCode == eKey_Left || keyCode == eKey_Right;
  auto* bar = FindScrollBar(horizontal ? "hscrl" : "vscrl");
  if (!bar || bar->HasFocus()) return; // a focused bar takes the key itself
  mKeyNavigationBusy = true;
  try {
    bar->SetFocus();
    bar->SendKey(keyCode, shift);
    if (mMainBoard) mMainBoard->SetFocus();
  } catch (...) {
    mKeyNavigationBusy = false;
    throw;
  }
  mKeyNavigationBusy = false;
}

long clsLdrMain::ElementTypeForKey(int keyCode, int shift) {
  const bool shifted = (shift & eKM_Shift) != 0;
  auto hostSetting = [&](long key) {
    return db::DbValue(mContext->Host->Settings->HostSetting(7000, key, "0")).AsLong(0);
  };
  switch (keyCode) {
  case eKey_F3:
    return hostSetting(shifted ? 7002 : 7001);
  case eKey_F4:
    return hostSetting(shifted ? 7004 : 7003);
  case eKey_F5:
    return shifted ? 204 : 200;
  case eKey_F6:
    return shifted ? 205 : 201;
  case eKey_F7:
    return shifted ? 206 : 202;
  case eKey_F8:
    return shifted ? 207 : 203;
  default:
    return 0;
  }
}

void clsLdrMain::InsertElementByKey(int keyCode, int shift) {
  const long type = ElementTypeForKey(keyCode, shift);
  if (type == 0) return;
  tyLdrPoint position;
  long stripTop = 0;
  bool found = false;
  mView->GetElementWithSelectedOperandPos(position, stripTop, found);
  DispatchTool(ToolTable::KeyboardToolOf(type));
  if (!found) return;
  // The new element lands two columns right of the selected one.
  const int x = static_cast<int>((position.X - mHorizontalScroll + 2) * kPixelPerGrid);
  const int y = static_cast<int>((stripTop + position.Y) * kPixelPerGrid);
  OnRightMouseDown(1, 0, x, y);
  OnRightMouseUp(1, 0, x, y);
}

void clsLdrMain::UpdateElementCopyFlag(int shift) {
  const bool copy = (shift & eKM_Ctrl) != 0;
  if (copy == mContext->ElementCopy) return;
  mContext->ElementCopy = copy;
  if (mContext->State) mContext->State->UpdateMousePointer();
}

void clsLdrMain::OnKeyUp(int keyCode, int shift) {
  if (!mView || !mSurfaceOperationState) return;
  if (!TextBoxActive()) {
    long command = 0;
    if ((keyCode == eKey_Insert && shift == eKM_Shift) || (keyCode == eKey_V && shift == eKM_Ctrl))
      command = eEC_Paste;
    else if ((keyCode == eKey_Delete && shift == eKM_Shift) || (keyCode == eKey_X && shift == eKM_Ctrl))
      command = eEC_Cut;
    else if ((keyCode == eKey_C && shift == eKM_Ctrl) || (keyCode == eKey_Insert && shift == eKM_Ctrl))
      command = eEC_Copy;
    else if (keyCode == eKey_Delete && shift == 0)
      command = eEC_Delete;
    if (command != 0)
      EditCommand(command);
    else if (keyCode == eKey_Escape)
      CancelProcess();
  }
  UpdateElementCopyFlag(shift);
}

// --- undo and redo -----------------------------------------------------------------------------------

UndoOutcome clsLdrMain::UndoOrRedo(bool redo) {
  ValidateBoardControls();
  UndoOutcome outcome;
  if (!mContext->Connection || (mContext->Edits && mContext->Edits->Recording()) ||
      mContext->State->MouseProcess() != eMP_QueryForProcess) {
    outcome.Result = UndoOutcome::Refused;
    outcome.Message = "Finish the edit in progress first.";
  } else {
    CatchUpWithOtherEditors();
    UndoHistory history(mContext->Db());
    outcome = redo ? history.Redo() : history.Undo();
  }
  if (outcome.Result == UndoOutcome::Done)
    ShowUndoneState(outcome);
  else
    mContext->Host->Messages->ShowMessageBox(outcome.Message);
  return outcome;
}

// The flags follow the change and the view shows the rows as they are now;
// a subroutine that is gone gives way to the fallback one.
void clsLdrMain::ShowUndoneState(const UndoOutcome& outcome) {
  mContext->State->SetNeedToSave(true);
  if (outcome.NetsDirty) mContext->State->SetNeedToCompile(true);
  if (!mView) return;
  // Not an edit of its own: what loading writes is view state.
  if (FunctionExists(mContext->Db(), mFuncID))
    mView->ReLoad();
  else
    LoadOrFallBack(kFallbackFunctionID, kFallbackModuleID);
  RedrawAll();
}

std::vector<std::string> clsLdrMain::UndoNames(bool redo) {
  if (!mContext->Connection) return {};
  return UndoStore(mContext->Db()).Names(redo);
}

} // namespace ldr
