#include "strips/clsLdrNet.h"

#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "core/enStripType.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfOperandsKeyHandler.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/clsOperand.h"
#include "outside/operands/tyGdiResources.h"
#include "platform/database/ForwardRecordset.h"
#include "platform/database/Recordset.h"
#include "platform/database/Transaction.h"
#include "platform/drawing/DeviceContext.h"
#include "strips/clsNetPainter.h"
#include "strips/clsNetPowerFlow.h"
#include "strips/clsNetStore.h"
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

// Key codes of the arrow keys.
constexpr std::int32_t kKeyLeft = 37;
constexpr std::int32_t kKeyUp = 38;
constexpr std::int32_t kKeyRight = 39;
constexpr std::int32_t kKeyDown = 40;

// Rectangles that only share an edge do not intersect.
bool Overlap(const tyRect& a, const tyRect& b) {
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

std::shared_ptr<clsOperand> SelectedOperandOf(itfLdrElement& element) {
  std::shared_ptr<clsOperand> found;
  ForEachOperand(element, [&](const std::shared_ptr<clsOperand>& operand) {
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

clsLdrNet::clsLdrNet(LdrContext& ctx) : mCtx(ctx), mElements(std::make_shared<ElementCollection>()) {}

clsLdrNet::~clsLdrNet() = default;

// --- services ---------------------------------------------------------------------

db::Connection& clsLdrNet::Db() {
  if (!mCtx.Connection && mCtx.Host && mCtx.Host->Connections) mCtx.Connection = mCtx.Host->Connections->Connection();
  if (!mCtx.Connection) throw std::logic_error("clsLdrNet: no project connection");
  return *mCtx.Connection;
}

clsNetStore clsLdrNet::Store() { return clsNetStore(Db()); }

bool clsLdrNet::OnLine() const { return mCtx.State && mCtx.State->OnLineActive(); }

void clsLdrNet::ReportError(int code, const std::string& title, const std::string& message,
                            const std::string& procedure) {
  if (mCtx.Host && mCtx.Host->Errors) mCtx.Host->Errors->ReportError(code, title, message, kClassName, procedure);
}

void clsLdrNet::ShowMessageBox(const std::string& text) {
  if (mCtx.Host && mCtx.Host->Messages) mCtx.Host->Messages->ShowMessageBox(text);
}

// --- geometry ---------------------------------------------------------------------

std::int32_t clsLdrNet::EditZoneLeft() { return mLeft + EDITING_OFST_X; }

std::int32_t clsLdrNet::MinHeight() {
  std::int32_t highestTop = kMaxHeight;
  std::int32_t lowestBottom = 0;
  for (const auto& [key, element] : *mElements) {
    const tyRect rect = element->GetBoundingRect();
    highestTop = std::min(highestTop, rect.Top);
    lowestBottom = std::max(lowestBottom, rect.Bottom);
  }
  return std::max(kMinHeight, lowestBottom - highestTop);
}

std::int32_t clsLdrNet::LowestElementBottom() {
  std::int32_t lowest = 0;
  for (const auto& [key, element] : *mElements) lowest = std::max(lowest, element->GetBoundingRect().Bottom);
  return lowest;
}

tyRect clsLdrNet::GetBoundingRect() { return {mLeft, mTop, mLeft + LDR_STRIP_WIDTH, mTop + mHeight}; }

tyRect clsLdrNet::GetEditBoundingRect() {
  return {EditZoneLeft(), mTop, EditZoneLeft() + LDR_EDIT_WIDTH, mTop + mHeight};
}

void clsLdrNet::SetHeight(std::int32_t value) {
  if (value < 1) throw std::invalid_argument("a net is at least one row high");
  if (value < mHeight && !mIsCollapsed) {
    const std::int32_t lowest = LowestElementBottom();
    if (value < lowest) {
      const std::int32_t shift = value - lowest;
      std::int32_t highestTop = lowest;
      for (const auto& [key, element] : *mElements) highestTop = std::min(highestTop, element->GetBoundingRect().Top);
      // Moving the elements up must not push any of them out over the top.
      if (highestTop + shift < 0) {
        throw std::invalid_argument("the net's elements need " + std::to_string(lowest - highestTop) +
                                    " rows; the net cannot be " + std::to_string(value) + " rows high");
      }
      try {
        db::Transaction transaction(Db());
        MoveAllElements(shift);
        Store().UpdateColumn(mStripID, "Height", static_cast<std::int64_t>(value));
        transaction.Commit();
      } catch (...) {
        ReloadAllElements();
        throw;
      }
      mHeight = value;
      return;
    }
  }
  Store().UpdateColumn(mStripID, "Height", static_cast<std::int64_t>(value));
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

void clsLdrNet::SetIsSelected(bool value) {
  Store().UpdateColumn(mStripID, "IsSelected", value);
  mIsSelected = value;
}

void clsLdrNet::SetIsCompilable(std::int32_t value) {
  Store().UpdateColumn(mStripID, "IsCompilable", static_cast<std::int64_t>(value));
  mIsCompilable = value;
}

void clsLdrNet::SetIsReturnStrip(bool value) {
  Store().UpdateColumn(mStripID, "IsReturnStrip", value);
  mIsReturnStrip = value;
}

void clsLdrNet::SetIsCollapsed(bool value) {
  Store().UpdateColumn(mStripID, "IsCollapsed", value);
  mIsCollapsed = value;
}

void clsLdrNet::SetOrgHeight(std::int32_t value) {
  Store().UpdateColumn(mStripID, "OrgHeight", static_cast<std::int64_t>(value));
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
  clsNetStore store = Store();
  store.UpdateColumn(mStripID, "CompileDirtyBit", value);
  store.MarkDownloadEntryNotCompiled(mStripID);
  mCompileDirtyBit = value;
}

void clsLdrNet::SyncCompileDirtyBitWithDb() { mCompileDirtyBit = Store().ReadCompileDirtyBit(mStripID); }

void clsLdrNet::SetPowerFlowDisplay(bool value) {
  Store().UpdateColumn(mStripID, "ShowPowerFlow", value);
  mShowPowerFlow = value;
  for (const auto& [key, element] : *mElements) element->SetShowPowerFlow(value);
}

// --- loading ----------------------------------------------------------------------------

void clsLdrNet::Load(db::Recordset& pRsStrips) {
  if (mCtx.State) mWorkMode = static_cast<std::int32_t>(mCtx.State->WorkMode());
  ReadRow(pRsStrips);
  if (mIsReturnStrip && Store().CountElements(mStripID) == 0) {
    ReportError(274, "ReturnElementNotExist", "Return element not exits in the return net", "itfStrip_Load");
    CreateMissingReturnElement();
  }
  LoadElements();
}

void clsLdrNet::ReadRow(db::Recordset& rs) {
  mHeight = rs.Field("Height").AsLong();
  mIsSelected = rs.Field("IsSelected").AsBool();
  mStripID = rs.Field("StripID").AsLong();
  mSeqNum = rs.Field("SeqNum").AsLong();
  mShowNum = rs.Field("ShowNum").AsLong();
  mStripNote = rs.Field("StrpNote").AsText();
  mIsCompilable = rs.Field("IsCompilable").AsLong(0);
  mIsCollapsed = rs.Field("IsCollapsed").AsBool(false);
  mOrgHeight = rs.Field("OrgHeight").AsLong(0);
  mIsReturnStrip = rs.Field("IsReturnStrip").AsBool(false);
  mCompileDirtyBit = rs.Field("CompileDirtyBit").AsBool();
  mShowPowerFlow = rs.Field("ShowPowerFlow").AsBool(false);
  const db::DbValue& junctions = rs.Field("JunctionsInfo");
  mJunctionsInfo = junctions.IsNull() ? std::vector<std::uint8_t>() : junctions.AsBlob();
  mPowerRail = false;
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
  if (!mCtx.Host || !mCtx.Host->Commands) throw std::logic_error("clsLdrNet: no command provider");
  db::Statement elementsCommand = mCtx.Host->Commands->ElementsCommand();
  db::Statement operandsCommand = mCtx.Host->Commands->OperandsCommand();
  const db::DbValue stripID(static_cast<long>(mStripID));
  elementsCommand.Bind(itfCommandProvider::kStripIDParameter, stripID);
  operandsCommand.Bind(itfCommandProvider::kStripIDParameter, stripID);

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

std::shared_ptr<ElementCollection> clsLdrNet::GetElementsCollectionForCompiler(std::int32_t pLdrNetID) {
  mStripID = pLdrNetID;
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

void clsLdrNet::Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) {
  ViewportShift leftShift(pLeftHDC, GridToPixel(mLeft), GridToPixel(mTop));
  ViewportShift boardShift(pBoardHDC, GridToPixel(mLeft), GridToPixel(mTop));
  const bool dirty = !mIsCollapsed && CompileDirtyBit();

  tyNetLook look;
  look.HeightRows = mHeight;
  look.ShowNum = mShowNum;
  look.IsSelected = mIsSelected;
  look.IsCollapsed = mIsCollapsed;
  look.IsDisabled = mIsCompilable == 2;
  look.IsReturnStrip = mIsReturnStrip;
  look.PowerRail = mPowerRail;
  look.PowerFlowColor = mCtx.PowerFlowColor;
  look.NeedsCompile = dirty;
  const clsNetPainter painter(look, pGdiResources);

  painter.DrawBody(pBoardHDC);
  if (!mIsCollapsed) {
    if (dirty) {
      // The flow shown belongs to code the controller no longer runs.
      if (mShowPowerFlow) SetPowerFlowDisplay(false);
    } else {
      DrawJunctions(pBoardHDC, pGdiResources);
    }
  }
  painter.DrawLeftZone(pLeftHDC);
}

void clsLdrNet::DrawJunctions(gdi::DeviceContext& board, tyGdiResources& resources) {
  if (mJunctionsInfo.size() % 2 != 0) {
    ReportError(204, "Too few Arguments", "Junction points Array should contain\r\nan even number of coordinates",
                "prvDrawJunctionPoints");
    return;
  }
  tyNetLook look;
  clsNetPainter(look, resources).DrawJunctionDots(board, mJunctionsInfo);
}

void clsLdrNet::PrintStrip(gdi::DeviceContext& pHdc) {
  WindowShift netOrigin(pHdc, -GridToPixel(mLeft), -GridToPixel(mTop));
  pHdc.MoveTo(clsNetPainter::kRailX, 0);
  pHdc.LineTo(clsNetPainter::kRailX, GridToPixel(mHeight));
  WindowShift editOrigin(pHdc, -GridToPixel(EDITING_OFST_X), 0);
  for (const auto& [key, element] : *mElements) element->PrintElement(pHdc);
}

// --- hit test -------------------------------------------------------------------------------

void clsLdrNet::HitTestByPoint(tyHitRecord& pHitData) {
  if (mIsReturnStrip) return;
  const std::int32_t entryX = pHitData.X;
  const std::int32_t entryY = pHitData.Y;
  mActiveElement.reset();
  const std::int32_t x = entryX - mLeft;
  const std::int32_t y = entryY - mTop;
  if (HitInside(pHitData, x, y)) {
    const bool leftZone = x < EDITING_OFST_X || (x == EDITING_OFST_X && pHitData.HorzSide == tyHitRecord::kLeftOfLine);
    if (leftZone) {
      pHitData.HitKind = LeftZoneKind(pHitData, y);
    } else {
      pHitData.X = x - EDITING_OFST_X;
      pHitData.Y = y;
      pHitData.HitKind = EditZoneKind(pHitData);
    }
  }
  pHitData.X = entryX;
  pHitData.Y = entryY;
  mHitRecord = pHitData;
}

bool clsLdrNet::HitInside(const tyHitRecord& hit, std::int32_t x, std::int32_t y) const {
  if (x < 0 || x > LDR_STRIP_WIDTH || y < 0 || y > mHeight) return false;
  // A point on a border line belongs to the side the pixel lay on.
  if (x == 0 && hit.HorzSide == tyHitRecord::kLeftOfLine) return false;
  if (x == LDR_STRIP_WIDTH && hit.HorzSide == tyHitRecord::kOnOrRightOfLine) return false;
  if (y == 0 && hit.VertSide == tyHitRecord::kAboveLine) return false;
  if (y == mHeight && hit.VertSide == tyHitRecord::kOnOrBelowLine) return false;
  return true;
}

std::int32_t clsLdrNet::LeftZoneKind(const tyHitRecord& hit, std::int32_t y) const {
  if (y < 2) return eNH_Collapse;
  const std::int32_t handleTop = mHeight - 2;
  if (y == handleTop) return hit.VertSide == tyHitRecord::kAboveLine ? eNH_Header : eNH_Resizer;
  return y < handleTop ? eNH_Header : eNH_Resizer;
}

std::int32_t clsLdrNet::EditZoneKind(tyHitRecord& hit) {
  for (const auto& [key, element] : *mElements) {
    tyHitRecord probe = hit;
    probe.HitKind = 0;
    element->HitTestByPoint(probe);
    if (probe.HitKind == 0) {
      element->ClearHitTestResults();
    } else {
      mActiveElement = element;
    }
  }
  if (!mActiveElement) return eNH_EditZone;
  return mWorkMode == eWM_Select ? eNH_Element : eNH_EditZone;
}

// --- user commands ------------------------------------------------------------------------------

void clsLdrNet::QueryProcess(itfProcessControl& pProcessControl) {
  if (mIsReturnStrip) return;
  const bool leftButton = mHitRecord.Button == 1;
  switch (mHitRecord.HitKind) {
  case eNH_Element:
    if (mActiveElement) mActiveElement->QueryProcess(pProcessControl);
    break;
  case eNH_EditZone:
    if (!OnLine() && leftButton) {
      pProcessControl.SetNewProcess(mWorkMode == eWM_Select ? eMP_RectSelectProc : eMP_LineCreateProc);
    }
    break;
  case eNH_Resizer:
    if (leftButton && !OnLine()) pProcessControl.SetNewProcess(eMP_StripResizeProc);
    break;
  default:
    break;
  }
}

void clsLdrNet::RightMouseUp() {
  if (mIsReturnStrip) return;
  itfGuiService* gui = mCtx.Host ? mCtx.Host->Gui.get() : nullptr;
  switch (mHitRecord.HitKind) {
  case eNH_Element: {
    if (!mActiveElement) return;
    const bool operandHit = mActiveElement->GetHitParameters().HitKind == 2;
    const bool groupHit = mActiveElement->IsSelected() && GetSelectedElements()->Count() > 1;
    if (operandHit || OnLine() || !groupHit) {
      mActiveElement->RightMouseUp();
    } else if (gui) {
      gui->ShowContextMenu(eGM_SelectedElements);
    }
    break;
  }
  case eNH_EditZone:
    if (!OnLine() && gui) gui->ShowContextMenu(eGM_EditZone);
    break;
  case eNH_Header:
  case eNH_Resizer:
  case eNH_Collapse:
    if (!OnLine() && gui) gui->ShowContextMenu(eGM_StripHeader);
    break;
  default:
    break;
  }
}

void clsLdrNet::ToolRequest(const std::string& pToolID) {
  if (pToolID == "ID_SelectAllInNet") {
    for (const auto& [key, element] : *mElements) element->SetIsSelected(true);
    SetIsSelected(false);
    if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
  } else if (pToolID == "ID_LPowerFlow") {
    SetPowerFlowDisplay(!mShowPowerFlow);
  }
}

void clsLdrNet::SpecialToolRequest(const std::string& pToolID) {
  if (mActiveElement) mActiveElement->SpecialToolRequest(pToolID);
}

void clsLdrNet::DoubleClick(itfProcessControl& pProcessControl) {
  switch (mHitRecord.HitKind) {
  case eNH_Element:
    if (!mActiveElement) return;
    mActiveElement->DoubleClick();
    CompileDirtyBit();
    break;
  case eNH_EditZone:
    pProcessControl.SetWorkMode(mWorkMode == eWM_Select ? eWM_LineDrawing : eWM_Select);
    break;
  case eNH_Header:
  case eNH_Resizer:
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
  itfGuiService* gui = ctx.Host ? ctx.Host->Gui.get() : nullptr;
  if (gui) gui->SetMousePointer(eMPtr_Busy);
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
    if (gui) gui->SetMousePointer(eMPtr_Default);
    throw;
  }
  if (gui) gui->SetMousePointer(eMPtr_Default);
}

void clsLdrNet::RefreshOperand(std::int32_t pOpType, std::int32_t pOpAddress, std::int32_t pNetworkID) {
  for (const auto& [key, element] : *mElements) element->RefreshOperand(pOpType, pOpAddress, pNetworkID);
}

void clsLdrNet::KeyPress(std::int32_t KeyCode, itfOperandsKeyHandler& oOpHandler) {
  if (GetElementWithSelectedOperand()) {
    oOpHandler.KeyPress(KeyCode, *mElements, *this);
    return;
  }
  if (MoveSelectedByKey(KeyCode) && mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

bool clsLdrNet::MoveSelectedByKey(std::int32_t KeyCode) {
  tyLdrPoint step;
  switch (KeyCode) {
  case kKeyLeft:
    step = {-1, 0};
    break;
  case kKeyUp:
    step = {0, -1};
    break;
  case kKeyRight:
    step = {1, 0};
    break;
  case kKeyDown:
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
    const tyRect rect = element->GetBoundingRect();
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

void clsLdrNet::AppendTestValue(const std::shared_ptr<clsVirtualController>& pVirtualController) {
  for (const auto& [key, element] : *mElements) element->SetIsConducting(false);
  for (const auto& [key, element] : *mElements) element->AppendTestValue(pVirtualController);
  clsNetPowerFlow::Propagate(*mElements);
  mPowerRail = true;
}

void clsLdrNet::AddLadderElement(const std::shared_ptr<itfLdrElement>& pLadderElement, std::int32_t pExtendHeight) {
  if (!pLadderElement) throw std::invalid_argument("clsLdrNet::AddLadderElement: no element");
  if (pLadderElement->ClassType() == eET_Undefined) {
    ReportError(231, "Undefined Element", "Add element failed - undefined ladder element", "prvAddLadderElement");
    return;
  }
  const std::int32_t extension = std::abs(pExtendHeight);
  const std::int32_t newHeight = mHeight + extension;
  try {
    db::Transaction transaction(Db());
    Store().UpdateColumn(mStripID, "Height", static_cast<std::int64_t>(newHeight));
    pLadderElement->AddToDB(mStripID);
    if (pExtendHeight < 0) {
      // The space opens above: everything, the new element too, goes down.
      MoveAllElements(extension);
      CommitMove(*pLadderElement, 0, extension);
    }
    transaction.Commit();
  } catch (...) {
    ReloadAllElements();
    throw;
  }
  mHeight = newHeight;
  mElements->Add(NewElementKey(*pLadderElement), pLadderElement);
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

std::shared_ptr<clsOperand> clsLdrNet::HighLightOperand(std::int32_t pElementID, std::int32_t pInIdx,
                                                        std::int32_t pOutIdx) {
  auto element = FindElement(pElementID);
  return element ? element->HighLightOperand(pInIdx, pOutIdx) : nullptr;
}

bool clsLdrNet::ReplaceOperand(std::int32_t pElementID, std::int32_t pInIdx, std::int32_t pOutIdx,
                               std::int32_t pOpNetworkID, std::int32_t pOpType, std::int32_t pOpAddr) {
  auto element = FindElement(pElementID);
  return element && element->ReplaceOperand(pInIdx, pOutIdx, pOpType, pOpAddr, pOpNetworkID);
}

std::shared_ptr<clsOperand> clsLdrNet::GetElementSelectedOperand() {
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
    ForEachOperand(*element, [](const std::shared_ptr<clsOperand>& operand) {
      if (operand) operand->SetSelected(false);
      return false;
    });
  }
}

// --- storing ------------------------------------------------------------------------------------

void clsLdrNet::AddToDB(std::int32_t pFuncID) {
  ShowMessageBox("Do Not Use");
  db::FieldList fields = {
      {"FuncID", static_cast<long>(pFuncID)},
      {"SeqNum", static_cast<long>(mSeqNum)},
      {"StrpType", static_cast<long>(eST_LdrNet)},
      {"IsLoaded", 0},
      {"IsSelected", 0},
      {"Height", static_cast<long>(mHeight)},
      {"IsReturnStrip", 0},
      {"CompileDirtyBit", true},
      {"StrpNote", mStripNote},
      {"IsCompilable", static_cast<long>(mIsCompilable)},
      {"IsCollapsed", mIsCollapsed},
      {"OrgHeight", static_cast<long>(mOrgHeight)},
      {"LdrBitsCount", 0},
  };
  db::Transaction transaction(Db());
  const std::int32_t newID = Store().InsertNetRow(fields);
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
  clsNetStore store = Store();
  store.MarkDownloadEntryNotCompiled(mStripID);
  store.DeleteNetRow(mStripID);
  transaction.Commit();
}

// --- property bag and replica ----------------------------------------------------------------------

clsPropertyBag clsLdrNet::GetPropertyBag() {
  clsPropertyBag bag;
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
  bag.WriteProperty("Elements", clsPropertyBag::JoinBlobs(elements));
  return bag;
}

void clsLdrNet::SetPropertyBag(const clsPropertyBag& pPropBag) {
  if (pPropBag.ReadProperty("StripType", 0).AsLong() != eST_LdrNet) {
    throw std::invalid_argument("property bag: not a ladder net");
  }
  // Everything is read first, so that damaged data leaves the net as it was.
  std::vector<std::shared_ptr<itfLdrElement>> elements;
  for (const auto& contents : clsPropertyBag::SplitBlobs(pPropBag.ReadProperty("Elements").AsBlob())) {
    const clsPropertyBag elementBag = clsPropertyBag::FromContents(contents);
    auto element = CreateNewElement(mCtx, elementBag.ReadProperty("ElementType", 0).AsLong());
    if (!element) throw std::invalid_argument("property bag: an element of a type without a class");
    element->SetPropertyBag(elementBag);
    elements.push_back(element);
  }
  mHeight = pPropBag.ReadProperty("Height", 14).AsLong();
  mOrgHeight = pPropBag.ReadProperty("OrgHeight", 0).AsLong();
  mIsCollapsed = pPropBag.ReadProperty("IsCollapsed", 0).AsBool();
  mIsCompilable = pPropBag.ReadProperty("IsCompilable", -1).AsLong();
  mIsReturnStrip = pPropBag.ReadProperty("IsReturnStrip", 0).AsBool();
  mShowPowerFlow = pPropBag.ReadProperty("ShowPowerFlow", 0).AsBool();
  mStripNote = pPropBag.ReadProperty("StrpNote").AsText();
  mJunctionsInfo = pPropBag.ReadProperty("JunctionsInfo").AsBlob();
  mElements->Clear();
  mActiveElement.reset();
  for (const auto& element : elements) mElements->Add(NewElementKey(*element), element);
}

std::shared_ptr<itfStrip> clsLdrNet::GetReplica() {
  auto replica = std::make_shared<clsLdrNet>(mCtx);
  replica->SetPropertyBag(GetPropertyBag());
  replica->mTop = mTop;
  replica->mLeft = mLeft;
  replica->mSeqNum = mSeqNum;
  replica->mShowNum = mShowNum;
  replica->mWorkMode = mWorkMode;
  return replica;
}

} // namespace ldr
