#include "strips/clsLdrNet.h"

#include "core/KeyCodes.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "core/enStripType.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementFactory.h"
#include "interfaces/OperandsKeyHandler.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "platform/database/ForwardRecordset.h"
#include "platform/database/Recordset.h"
#include "platform/database/Transaction.h"
#include "platform/drawing/DeviceContext.h"
#include "strips/NetPainter.h"
#include "strips/NetPowerFlow.h"
#include "strips/NetStore.h"
#include "strips/srvStripResizerEx.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace ldr {
namespace {

constexpr const char* kClassName = "clsLdrNet";

// The rows an element needs in the net: a line (a box without area) lies
// strictly between the net's top and bottom rows, as line placement demands;
// other elements may touch them.
Rect NeededRows(itfLdrElement& element) {
  Rect rows = element.GetBoundingRect();
  if (rows.Right <= rows.Left || rows.Bottom <= rows.Top) {
    rows.Top -= 1;
    rows.Bottom += 1;
  }
  return rows;
}

// Rectangles that only share an edge do not intersect.
bool Overlap(const Rect& a, const Rect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

template <typename Visit> void ForEachOperand(itfLdrElement& element, Visit visit) {
  for (const auto& slots : {element.InputOperands(), element.OutputOperands()}) {
    if (!slots) continue;
    for (const auto& [key, operand] : *slots) {
      if (visit(operand)) return;
    }
  }
}

std::shared_ptr<Operand> SelectedOperandOf(itfLdrElement& element) {
  std::shared_ptr<Operand> found;
  ForEachOperand(element, [&](const std::shared_ptr<Operand>& operand) {
    if (operand && operand->IsSelected()) found = operand;
    return static_cast<bool>(found);
  });
  return found;
}

std::set<std::int32_t> ParseIDs(const std::string& ids) {
  std::set<std::int32_t> result;
  std::stringstream in(ids);
  std::string item;
  while (std::getline(in, item, ',')) {
    try {
      std::size_t used = 0;
      const long id = std::stol(item, &used);
      result.insert(static_cast<std::int32_t>(id));
    } catch (const std::exception&) {
      // Blanks between commas name no element.
    }
  }
  return result;
}

} // namespace

clsLdrNet::clsLdrNet(LdrContext& ctx) : StripBase(ctx), mElements(std::make_shared<ElementCollection>()) {}

clsLdrNet::~clsLdrNet() = default;

// --- services ---------------------------------------------------------------------

NetStore clsLdrNet::Store() { return NetStore(Db()); }

void clsLdrNet::ReportError(int code, const std::string& title, const std::string& message,
                            const std::string& procedure) {
  mCtx.Host->Errors->ReportError(code, title, message, kClassName, procedure);
}

void clsLdrNet::ShowMessageBox(const std::string& text) { mCtx.Host->Messages->ShowMessageBox(text); }

// --- geometry ---------------------------------------------------------------------

std::int32_t clsLdrNet::MinHeight() {
  std::int32_t highestTop = kMaxHeight;
  std::int32_t lowestBottom = 0;
  for (const auto& [key, element] : *mElements) {
    const Rect rect = NeededRows(*element);
    highestTop = std::min(highestTop, rect.Top);
    lowestBottom = std::max(lowestBottom, rect.Bottom);
  }
  return std::max(kMinHeight, lowestBottom - highestTop);
}

std::int32_t clsLdrNet::LowestElementBottom() {
  std::int32_t lowest = 0;
  for (const auto& [key, element] : *mElements) lowest = std::max(lowest, NeededRows(*element).Bottom);
  return lowest;
}

void clsLdrNet::SetHeight(std::int32_t value) {
  if (value < 1) throw std::invalid_argument("a net is at least one row high");
  if (value < mHeight && !mIsCollapsed) {
    const std::int32_t lowest = LowestElementBottom();
    if (value < lowest) {
      const std::int32_t shift = value - lowest;
      std::int32_t highestTop = lowest;
      for (const auto& [key, element] : *mElements) highestTop = std::min(highestTop, NeededRows(*element).Top);
      // Moving the elements up must not push any of them out over the top.
      if (highestTop + shift < 0) {
        throw std::invalid_argument("the net's elements need " + std::to_string(lowest - highestTop) +
                                    " rows; the net cannot be " + std::to_string(value) + " rows high");
      }
      try {
        db::Transaction transaction(Db());
        MoveAllElements(shift);
        Rows().SetColumn(mStripID, "Height", static_cast<std::int64_t>(value));
        transaction.Commit();
      } catch (...) {
        ReloadAllElements();
        throw;
      }
      mHeight = value;
      return;
    }
  }
  Rows().SetColumn(mStripID, "Height", static_cast<std::int64_t>(value));
  mHeight = value;
}

void clsLdrNet::MoveAllElements(std::int32_t dy) {
  for (const auto& [key, element] : *mElements) CommitMove(*element, 0, dy);
}

void clsLdrNet::CommitMove(itfLdrElement& element, std::int32_t dx, std::int32_t dy) {
  element.Move(dx, dy);
  element.UpdateDisplayWithLastTRX();
  element.SaveLastLegalPosition();
  element.UpdateInitialDescriptor();
  element.UpdateDB();
}

// --- stored flags -------------------------------------------------------------------

void clsLdrNet::SetIsCompilable(std::int32_t value) {
  Rows().SetColumn(mStripID, "IsCompilable", static_cast<std::int64_t>(value));
  mIsCompilable = value;
}

void clsLdrNet::SetIsReturnStrip(bool value) {
  Rows().SetColumn(mStripID, "IsReturnStrip", value);
  mIsReturnStrip = value;
}

void clsLdrNet::SetIsCollapsed(bool value) {
  Rows().SetColumn(mStripID, "IsCollapsed", value);
  mIsCollapsed = value;
}

void clsLdrNet::SetOrgHeight(std::int32_t value) {
  Rows().SetColumn(mStripID, "OrgHeight", static_cast<std::int64_t>(value));
  mOrgHeight = value;
}

bool clsLdrNet::CompileDirtyBit() {
  if (mCompileDirtyBit) return true;
  for (const auto& [key, element] : *mElements) {
    if (element->CompileDirtyBit()) {
      SetCompileDirtyBit(true);
      return true;
    }
  }
  return false;
}

void clsLdrNet::SetCompileDirtyBit(bool value) {
  if (value == mCompileDirtyBit) return;
  Rows().SetColumn(mStripID, "CompileDirtyBit", value);
  Store().MarkDownloadEntryNotCompiled(mStripID);
  mCompileDirtyBit = value;
}

void clsLdrNet::SyncCompileDirtyBitWithDb() { mCompileDirtyBit = Store().ReadCompileDirtyBit(mStripID); }

void clsLdrNet::SetPowerFlowDisplay(bool value) {
  Rows().SetColumn(mStripID, "ShowPowerFlow", value);
  mShowPowerFlow = value;
  for (const auto& [key, element] : *mElements) element->SetShowPowerFlow(value);
}

// --- loading ----------------------------------------------------------------------------

void clsLdrNet::Load(db::Recordset& rsStrips) {
  LoadCommonColumns(rsStrips);
  ReadRow(rsStrips);
  if (mIsReturnStrip && Store().CountElements(mStripID) == 0) {
    ReportError(274, "ReturnElementNotExist", "Return element not exits in the return net", "itfStrip_Load");
    CreateMissingReturnElement();
  }
  LoadElements();
}

void clsLdrNet::ReadRow(db::Recordset& rs) {
  mHeight = rs.Field("Height").AsLong();
  mShowNum = rs.Field("ShowNum").AsLong();
  mIsCompilable = rs.Field("IsCompilable").AsLong(0);
  mIsCollapsed = rs.Field("IsCollapsed").AsBool(false);
  mOrgHeight = rs.Field("OrgHeight").AsLong(0);
  KeepHeightsInLimits();
  mIsReturnStrip = rs.Field("IsReturnStrip").AsBool(false);
  mCompileDirtyBit = rs.Field("CompileDirtyBit").AsBool();
  mShowPowerFlow = rs.Field("ShowPowerFlow").AsBool(false);
  const db::DbValue& junctions = rs.Field("JunctionsInfo");
  mJunctionsInfo = junctions.IsNull() ? std::vector<std::uint8_t>() : junctions.AsBlob();
  mPowerRail = false;
}

// Damaged rows may hold any height; the net only ever uses one it can have.
void clsLdrNet::KeepHeightsInLimits() {
  if (mIsCollapsed)
    mOrgHeight = static_cast<std::int32_t>(ClampNetRows(mOrgHeight));
  else
    mHeight = static_cast<std::int32_t>(ClampNetRows(mHeight));
}

void clsLdrNet::CreateMissingReturnElement() {
  auto element = CreateNewElement(mCtx, eET_FunctionReturn);
  if (!element) return;
  element->SetClassType(eET_FunctionReturn);
  element->SetXs(0);
  element->SetYs(5);
  db::Transaction transaction(Db());
  element->AddToDB(mStripID);
  // The return element's operand is fixed: nobody is asked, and its slot row
  // is stored with it.
  if (!element->InitOperandsData(false)) element->DeleteFromDB();
  transaction.Commit();
}

void clsLdrNet::LoadElements() {
  mElements->Clear();
  mActiveElement.reset();
  db::Statement elementsCommand = mCtx.Host->Commands->ElementsCommand();
  db::Statement operandsCommand = mCtx.Host->Commands->OperandsCommand();
  const db::DbValue stripID(static_cast<long>(mStripID));
  elementsCommand.Bind(CommandProvider::kStripIDParameter, stripID);
  operandsCommand.Bind(CommandProvider::kStripIDParameter, stripID);

  db::ForwardRecordset rsElements(std::move(elementsCommand));
  if (rsElements.IsEOF()) return;
  db::Recordset rsOperands = db::Recordset::Read(operandsCommand);
  for (; !rsElements.IsEOF(); rsElements.MoveNext()) {
    // One element that cannot be read does not keep the others from loading.
    try {
      auto element = CreateNewElement(mCtx, rsElements.Field("ElmntType").AsLong());
      if (!element) continue;
      element->Load(rsElements, rsOperands);
      element->SetShowPowerFlow(mShowPowerFlow);
      mElements->Add(NewElementKey(*element), element);
    } catch (const std::exception&) {
    }
  }
}

void clsLdrNet::ReloadAllElements() { LoadElements(); }

std::shared_ptr<ElementCollection> clsLdrNet::GetElementsCollectionForCompiler(std::int32_t ldrNetID) {
  mStripID = ldrNetID;
  LoadElements();
  return mElements;
}

std::string clsLdrNet::NewElementKey(itfLdrElement& element) const {
  if (element.ObjectID() >= 0) return std::to_string(element.ObjectID());
  // Elements not stored yet (replicas) are told apart by negative keys.
  long key = -1;
  while (mElements->Exists(key)) --key;
  return std::to_string(key);
}

// --- drawing ------------------------------------------------------------------------------

void clsLdrNet::Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) {
  ViewportShift leftShift(leftHDC, GridToPixel(mLeft), GridToPixel(mTop));
  ViewportShift boardShift(boardHDC, GridToPixel(mLeft), GridToPixel(mTop));
  const bool dirty = !mIsCollapsed && CompileDirtyBit();

  NetLook look;
  look.HeightRows = mHeight;
  look.ShowNum = mShowNum;
  look.IsSelected = mIsSelected;
  look.IsCollapsed = mIsCollapsed;
  look.IsDisabled = mIsCompilable == 2;
  look.IsReturnStrip = mIsReturnStrip;
  look.PowerRail = mPowerRail;
  look.PowerFlowColor = mCtx.PowerFlowColor;
  look.NeedsCompile = dirty;
  const NetPainter painter(look, gdiResources);

  painter.DrawBody(boardHDC);
  if (!mIsCollapsed) {
    if (dirty) {
      // The flow shown belongs to code the controller no longer runs.
      if (mShowPowerFlow) SetPowerFlowDisplay(false);
    } else {
      DrawJunctions(boardHDC, gdiResources);
    }
  }
  painter.DrawLeftZone(leftHDC);
}

void clsLdrNet::DrawJunctions(gdi::DeviceContext& board, GdiResources& resources) {
  if (mJunctionsInfo.size() % 2 != 0) {
    ReportError(204, "Too few Arguments", "Junction points Array should contain\r\nan even number of coordinates",
                "prvDrawJunctionPoints");
    return;
  }
  NetLook look;
  NetPainter(look, resources).DrawJunctionDots(board, mJunctionsInfo);
}

void clsLdrNet::PrintStrip(gdi::DeviceContext& hdc) {
  WindowShift netOrigin(hdc, -GridToPixel(mLeft), -GridToPixel(mTop));
  hdc.MoveTo(NetPainter::kRailX, 0);
  hdc.LineTo(NetPainter::kRailX, GridToPixel(mHeight));
  WindowShift editOrigin(hdc, -GridToPixel(EDITING_OFST_X), 0);
  for (const auto& [key, element] : *mElements) element->PrintElement(hdc);
}

// --- hit test -------------------------------------------------------------------------------

void clsLdrNet::HitTestByPoint(HitRecord& hitData) {
  if (mIsReturnStrip) return;
  mActiveElement.reset();
  StripBase::HitTestByPoint(hitData);
}

std::int32_t clsLdrNet::LeftZoneHit(const HitRecord& hit, std::int32_t y) {
  if (y < 2) return eHK_Collapse;
  return HeaderOrResizer(hit, y);
}

std::int32_t clsLdrNet::BodyHit(const HitRecord& hit, std::int32_t x, std::int32_t y) {
  // Elements are hit in edit-zone coordinates.
  HitRecord inZone = hit;
  inZone.X = x - EDITING_OFST_X;
  inZone.Y = y;
  for (const auto& [key, element] : *mElements) {
    HitRecord probe = inZone;
    probe.HitKind = eHK_Nothing;
    element->HitTestByPoint(probe);
    if (probe.HitKind == eHK_Nothing) {
      element->ClearHitTestResults();
    } else {
      mActiveElement = element;
    }
  }
  if (!mActiveElement) return eHK_Body;
  return mWorkMode == eWM_Select ? eHK_Element : eHK_Body;
}

// --- user commands ------------------------------------------------------------------------------

void clsLdrNet::QueryProcess(itfProcessControl& processControl) {
  if (mIsReturnStrip) return;
  const bool leftButton = mHitRecord.Button == 1;
  switch (mHitRecord.HitKind) {
  case eHK_Element:
    if (mActiveElement) mActiveElement->QueryProcess(processControl);
    break;
  case eHK_Body:
    if (!OnLine() && leftButton) {
      processControl.SetNewProcess(mWorkMode == eWM_Select ? eMP_RectSelectProc : eMP_LineCreateProc);
    }
    break;
  case eHK_Resizer:
    if (leftButton && !OnLine()) processControl.SetNewProcess(eMP_StripResizeProc);
    break;
  default:
    break;
  }
}

void clsLdrNet::RightMouseUp() {
  if (mIsReturnStrip) return;
  switch (mHitRecord.HitKind) {
  case eHK_Element: {
    if (!mActiveElement) return;
    const bool operandHit = mActiveElement->GetHitParameters().HitKind == eHK_ElementOperand;
    const bool groupHit = mActiveElement->IsSelected() && GetSelectedElements()->Count() > 1;
    if (operandHit || OnLine() || !groupHit) {
      mActiveElement->RightMouseUp();
    } else {
      mCtx.Host->Gui->ShowContextMenu(eGM_SelectedElements);
    }
    break;
  }
  case eHK_Body:
    if (!OnLine()) mCtx.Host->Gui->ShowContextMenu(eGM_EditZone);
    break;
  case eHK_Header:
  case eHK_Resizer:
  case eHK_Collapse:
    if (!OnLine()) mCtx.Host->Gui->ShowContextMenu(eGM_StripHeader);
    break;
  default:
    break;
  }
}

void clsLdrNet::ToolRequest(const std::string& toolID) {
  if (toolID == "ID_SelectAllInNet") {
    for (const auto& [key, element] : *mElements) element->SetIsSelected(true);
    SetIsSelected(false);
    if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
  } else if (toolID == "ID_LPowerFlow") {
    SetPowerFlowDisplay(!mShowPowerFlow);
  }
}

void clsLdrNet::SpecialToolRequest(const std::string& toolID) {
  if (mActiveElement) mActiveElement->SpecialToolRequest(toolID);
}

void clsLdrNet::DoubleClick(itfProcessControl& processControl) {
  switch (mHitRecord.HitKind) {
  case eHK_Element:
    if (!mActiveElement) return;
    mActiveElement->DoubleClick();
    CompileDirtyBit();
    break;
  case eHK_Body:
    processControl.SetWorkMode(mWorkMode == eWM_Select ? eWM_LineDrawing : eWM_Select);
    break;
  case eHK_Header:
  case eHK_Resizer:
    FitHeightToElements();
    break;
  default:
    break;
  }
}

void clsLdrNet::FitHeightToElements() {
  // The reload below replaces this net in the function view and may end its
  // life: after it only the context is used.
  LdrContext& ctx = mCtx;
  GuiService& gui = *ctx.Host->Gui;
  gui.SetMousePointer(eMPtr_Busy);
  try {
    srvStripResizerEx resizer(ctx.Connection);
    resizer.SetNetID(mStripID);
    resizer.SetFlags(true, true, false);
    resizer.ResizeNets();
    if (ctx.State) {
      // The net's rows changed in the database: the subroutine is loaded again.
      ctx.State->SetReloadRequest(eRR_ReloadFunction);
      ctx.State->HandleReloadRequest();
    }
  } catch (...) {
    gui.SetMousePointer(eMPtr_Default);
    throw;
  }
  gui.SetMousePointer(eMPtr_Default);
}

void clsLdrNet::RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) {
  for (const auto& [key, element] : *mElements) element->RefreshOperand(opType, opAddress, networkID);
}

void clsLdrNet::KeyPress(std::int32_t KeyCode, OperandsKeyHandler& opHandler) {
  if (GetElementWithSelectedOperand()) {
    opHandler.KeyPress(KeyCode, *mElements, *this);
    return;
  }
  if (MoveSelectedByKey(KeyCode) && mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

bool clsLdrNet::MoveSelectedByKey(std::int32_t KeyCode) {
  tyLdrPoint step;
  switch (KeyCode) {
  case eKey_Left:
    step = {-1, 0};
    break;
  case eKey_Up:
    step = {0, -1};
    break;
  case eKey_Right:
    step = {1, 0};
    break;
  case eKey_Down:
    step = {0, 1};
    break;
  default:
    return false;
  }
  const auto selected = GetSelectedElements();
  if (selected->Empty()) return false;
  const auto others = GetUnSelectedElements();
  bool legal = true;
  for (const auto& [key, element] : *selected) {
    element->Move(step.X, step.Y);
    const Rect rect = element->GetBoundingRect();
    if (rect.Left < 0 || rect.Right > LDR_EDIT_WIDTH || rect.Top < 0 || rect.Bottom > mHeight) legal = false;
    for (const auto& [otherKey, other] : *others) {
      if (Overlap(rect, other->GetBoundingRect())) legal = false;
    }
  }
  if (!legal) {
    for (const auto& [key, element] : *selected) element->Move(0, 0);
    return false;
  }
  try {
    db::Transaction transaction(Db());
    for (const auto& [key, element] : *selected) CommitMove(*element, step.X, step.Y);
    SetCompileDirtyBit(true);
    transaction.Commit();
  } catch (...) {
    ReloadAllElements();
    throw;
  }
  if (mCtx.State) mCtx.State->SetNeedToCompile(true);
  return true;
}

// --- elements ----------------------------------------------------------------------------------

std::shared_ptr<ElementCollection> clsLdrNet::ElementsWhere(bool selected) const {
  auto result = std::make_shared<ElementCollection>();
  for (const auto& [key, element] : *mElements) {
    if (element->IsSelected() == selected) result->Add(key, element);
  }
  return result;
}

std::shared_ptr<ElementCollection> clsLdrNet::GetSelectedElements() { return ElementsWhere(true); }

std::shared_ptr<ElementCollection> clsLdrNet::GetUnSelectedElements() { return ElementsWhere(false); }

void clsLdrNet::UnSelectAllLadderElements() {
  for (const auto& [key, element] : *mElements) element->SetIsSelected(false);
}

std::shared_ptr<itfLdrElement> clsLdrNet::FindElement(std::int32_t elementID) const {
  for (const auto& [key, element] : *mElements) {
    if (element->ObjectID() == elementID) return element;
  }
  return nullptr;
}

void clsLdrNet::MarkElement(std::int32_t ElementID) {
  if (auto element = FindElement(ElementID)) element->SetIsSelected(true);
}

void clsLdrNet::SelectDeletedElements(const std::string& IDs) {
  const std::set<std::int32_t> wanted = ParseIDs(IDs);
  for (const auto& [key, element] : *mElements) {
    if (wanted.count(element->ObjectID())) element->SetIsSelected(true);
  }
}

void clsLdrNet::SelectPastedElements() {
  // The pasted elements are the rows that came to the net since it loaded.
  std::map<std::int32_t, bool> known;
  for (const auto& [key, element] : *mElements) known[element->ObjectID()] = element->IsSelected();
  LoadElements();
  for (const auto& [key, element] : *mElements) {
    const auto before = known.find(element->ObjectID());
    element->SetIsSelected(before == known.end() || before->second);
  }
}

void clsLdrNet::AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) {
  for (const auto& [key, element] : *mElements) element->SetIsConducting(false);
  for (const auto& [key, element] : *mElements) element->AppendTestValue(virtualController);
  NetPowerFlow::Propagate(*mElements);
  mPowerRail = true;
}

void clsLdrNet::AddLadderElement(const std::shared_ptr<itfLdrElement>& ladderElement, std::int32_t extendHeight) {
  if (!ladderElement) throw std::invalid_argument("clsLdrNet::AddLadderElement: no element");
  if (ladderElement->ClassType() == eET_Undefined) {
    ReportError(231, "Undefined Element", "Add element failed - undefined ladder element", "prvAddLadderElement");
    return;
  }
  const std::int32_t extension = std::abs(extendHeight);
  const std::int32_t newHeight = mHeight + extension;
  try {
    db::Transaction transaction(Db());
    Rows().SetColumn(mStripID, "Height", static_cast<std::int64_t>(newHeight));
    ladderElement->AddToDB(mStripID);
    if (extendHeight < 0) {
      // The space opens above: everything, the new element too, goes down.
      MoveAllElements(extension);
      CommitMove(*ladderElement, 0, extension);
    }
    // The code compiled for the net no longer holds the new element.
    SetCompileDirtyBit(true);
    transaction.Commit();
  } catch (...) {
    ReloadAllElements();
    throw;
  }
  mHeight = newHeight;
  mElements->Add(NewElementKey(*ladderElement), ladderElement);
  if (mCtx.State) mCtx.State->SetNeedToCompile(true);
}

void clsLdrNet::AddLadderElements(const ElementCollection&, std::int32_t) { ShowMessageBox("Do Not Use"); }

void clsLdrNet::DeleteSelectedElements() {
  std::vector<std::pair<std::string, std::shared_ptr<itfLdrElement>>> doomed;
  for (const auto& [key, element] : *mElements) {
    if (element->IsSelected()) doomed.emplace_back(key, element);
  }
  if (doomed.empty()) return;
  {
    db::Transaction transaction(Db());
    for (const auto& [key, element] : doomed) element->DeleteFromDB();
    SetCompileDirtyBit(true);
    transaction.Commit();
  }
  for (const auto& [key, element] : doomed) {
    mElements->Remove(key);
    if (element == mActiveElement) mActiveElement.reset();
  }
  if (mCtx.State) mCtx.State->SetNeedToCompile(true);
}

void clsLdrNet::RemoveElementsOnDrag() {
  const auto leaving = GetSelectedElements();
  for (const auto& [key, element] : *leaving) {
    mElements->Remove(key);
    if (element == mActiveElement) mActiveElement.reset();
  }
}

void clsLdrNet::AddElementsOnDrag(const ElementCollection& Elements) {
  for (const auto& [key, element] : Elements) {
    const std::string newKey = NewElementKey(*element);
    if (mElements->Exists(newKey)) continue;
    element->SetShowPowerFlow(mShowPowerFlow);
    mElements->Add(newKey, element);
  }
}

bool clsLdrNet::IsContainNonDeletableElements() {
  for (const auto& [key, element] : *mElements) {
    if (element->ClassType() == eET_FunctionReturn) return true;
  }
  return false;
}

// --- operands ------------------------------------------------------------------------------------

std::shared_ptr<Operand> clsLdrNet::HighLightOperand(std::int32_t elementID, std::int32_t inIdx, std::int32_t outIdx) {
  auto element = FindElement(elementID);
  return element ? element->HighLightOperand(inIdx, outIdx) : nullptr;
}

// The replacement is stored through the same slot update as an operand the
// user entered, and the net needs compiling again.
bool clsLdrNet::ReplaceOperand(std::int32_t elementID, std::int32_t inIdx, std::int32_t outIdx,
                               std::int32_t opNetworkID, std::int32_t opType, std::int32_t opAddr) {
  auto element = FindElement(elementID);
  if (!element) return false;
  const auto inputs = element->InputOperands();
  const auto outputs = element->OutputOperands();
  std::shared_ptr<Operand> operand;
  if (inIdx >= 1 && inputs)
    operand = inputs->Find(inIdx);
  else if (inIdx < 1 && outIdx > 0 && outputs)
    operand = outputs->Find(outIdx);
  if (!operand) return false;
  const OperandKey old = operand->Key();
  if (!element->ReplaceOperand(inIdx, outIdx, opType, opAddr, opNetworkID)) return false;
  const KeyedCollection<Operand> none;
  UpdateElementOperandSlot(mCtx, element->ObjectID(), inputs ? *inputs : none, outputs ? *outputs : none, *operand,
                           old.Type, old.Address, old.NetworkID);
  SetCompileDirtyBit(true);
  return true;
}

std::shared_ptr<Operand> clsLdrNet::GetElementSelectedOperand() {
  for (const auto& [key, element] : *mElements) {
    if (auto operand = SelectedOperandOf(*element)) return operand;
  }
  return nullptr;
}

std::shared_ptr<itfLdrElement> clsLdrNet::GetElementWithSelectedOperand() {
  for (const auto& [key, element] : *mElements) {
    if (SelectedOperandOf(*element)) return element;
  }
  return nullptr;
}

void clsLdrNet::UnSelectAllOperandsInNet() {
  for (const auto& [key, element] : *mElements) {
    ForEachOperand(*element, [](const std::shared_ptr<Operand>& operand) {
      if (operand) operand->SetSelected(false);
      return false;
    });
  }
}

// --- storing ------------------------------------------------------------------------------------

void clsLdrNet::AddToDB(std::int32_t funcID) {
  ShowMessageBox("Do Not Use");
  db::FieldList fields = StripRows::NewRow(funcID, mSeqNum, eST_LdrNet);
  StripRows::SetField(fields, "Height", static_cast<long>(mHeight));
  StripRows::SetField(fields, "IsCompilable", static_cast<long>(mIsCompilable));
  StripRows::SetField(fields, "IsCollapsed", mIsCollapsed);
  StripRows::SetField(fields, "OrgHeight", static_cast<long>(mOrgHeight));
  fields.emplace_back("IsReturnStrip", 0L);
  fields.emplace_back("CompileDirtyBit", true);
  fields.emplace_back("StrpNote", mStripNote);
  db::Transaction transaction(Db());
  const std::int32_t newID = static_cast<std::int32_t>(Rows().Add(fields));
  // The elements the net holds go with it, so a copied net arrives whole.
  for (const auto& [key, element] : *mElements) {
    element->AddToDB(newID);
    element->AddOperandsToDB();
  }
  transaction.Commit();
  mStripID = newID;
  mIsSelected = false;
  mIsReturnStrip = false;
  mCompileDirtyBit = true;
  LoadElements();
}

void clsLdrNet::DeleteFromDB() {
  db::Transaction transaction(Db());
  Store().MarkDownloadEntryNotCompiled(mStripID);
  Rows().Delete(mStripID);
  transaction.Commit();
}

// --- property bag and replica ----------------------------------------------------------------------

PropertyBag clsLdrNet::GetPropertyBag() {
  PropertyBag bag;
  bag.WriteProperty("StripType", static_cast<long>(eST_LdrNet));
  bag.WriteProperty("Height", static_cast<long>(mHeight));
  bag.WriteProperty("OrgHeight", static_cast<long>(mOrgHeight));
  bag.WriteProperty("IsCollapsed", mIsCollapsed);
  bag.WriteProperty("IsCompilable", static_cast<long>(mIsCompilable));
  bag.WriteProperty("IsReturnStrip", mIsReturnStrip);
  bag.WriteProperty("ShowPowerFlow", mShowPowerFlow);
  bag.WriteProperty("StrpNote", mStripNote);
  bag.WriteProperty("JunctionsInfo", db::Blob(mJunctionsInfo));
  std::vector<db::Blob> elements;
  for (const auto& [key, element] : *mElements) elements.push_back(element->GetPropertyBag().Contents());
  bag.WriteProperty("ElementCount", static_cast<long>(elements.size()));
  bag.WriteProperty("Elements", PropertyBag::JoinBlobs(elements));
  return bag;
}

void clsLdrNet::SetPropertyBag(const PropertyBag& propBag) {
  if (propBag.ReadProperty("StripType", 0).AsLong() != eST_LdrNet) {
    throw std::invalid_argument("property bag: not a ladder net");
  }
  // Everything is read first, so that damaged data leaves the net as it was.
  std::vector<std::shared_ptr<itfLdrElement>> elements;
  for (const auto& contents : PropertyBag::SplitBlobs(propBag.ReadProperty("Elements").AsBlob())) {
    const PropertyBag elementBag = PropertyBag::FromContents(contents);
    auto element = CreateNewElement(mCtx, elementBag.ReadProperty("ElementType", 0).AsLong());
    if (!element) throw std::invalid_argument("property bag: an element of a type without a class");
    element->SetPropertyBag(elementBag);
    elements.push_back(element);
  }
  mHeight = propBag.ReadProperty("Height", 14).AsLong();
  mOrgHeight = propBag.ReadProperty("OrgHeight", 0).AsLong();
  mIsCollapsed = propBag.ReadProperty("IsCollapsed", 0).AsBool();
  KeepHeightsInLimits();
  mIsCompilable = propBag.ReadProperty("IsCompilable", -1).AsLong();
  mIsReturnStrip = propBag.ReadProperty("IsReturnStrip", 0).AsBool();
  mShowPowerFlow = propBag.ReadProperty("ShowPowerFlow", 0).AsBool();
  mStripNote = propBag.ReadProperty("StrpNote").AsText();
  mJunctionsInfo = propBag.ReadProperty("JunctionsInfo").AsBlob();
  mElements->Clear();
  mActiveElement.reset();
  for (const auto& element : elements) mElements->Add(NewElementKey(*element), element);
}

void clsLdrNet::TakePlaceOf(const StripBase& original) {
  StripBase::TakePlaceOf(original);
  mShowNum = static_cast<const clsLdrNet&>(original).mShowNum;
}

} // namespace ldr
