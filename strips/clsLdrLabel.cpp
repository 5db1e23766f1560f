#include "strips/clsLdrLabel.h"

#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "core/enStripType.h"
#include "elements/ElementDrawing.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/tyGdiResources.h"
#include "platform/database/Recordset.h"
#include "platform/drawing/DeviceContext.h"
#include "strips/StripGeometry.h"
#include "strips/clsTextStripStore.h"

#include <stdexcept>

namespace ldr {

namespace {

constexpr const char* kClassName = "clsLdrLabel";
constexpr int kRowHeight = PIXEL_PER_GRID;
constexpr unsigned kTextFormat = gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_NOPREFIX;
// The texts keep a small margin from the lines around them.
constexpr gdi::Rect kNameRect{4, 1, clsLdrLabel::kNameBoxWidth - 2, kRowHeight};
constexpr gdi::Rect kCommentRect{clsLdrLabel::kNameBoxWidth + 6, 1, clsLdrLabel::kTextWidth - 2, kRowHeight};

} // namespace

clsLdrLabel::clsLdrLabel(LdrContext& ctx)
    : mCtx(ctx), mEditor(ctx, "txtLblComment", true, [this](const std::string& text) { TakeEditedComment(text); }) {}

db::Connection& clsLdrLabel::Db() {
  if (!mCtx.Connection && mCtx.Host && mCtx.Host->Connections) mCtx.Connection = mCtx.Host->Connections->Connection();
  if (!mCtx.Connection) throw std::logic_error("clsLdrLabel: no project connection");
  return *mCtx.Connection;
}

bool clsLdrLabel::OnLine() const { return mCtx.State && mCtx.State->OnLineActive(); }

// --- geometry and stored values ----------------------------------------------------

std::int32_t clsLdrLabel::EditZoneLeft() { return mLeft + EDITING_OFST_X; }

tyRect clsLdrLabel::GetBoundingRect() { return {mLeft, mTop, mLeft + LDR_STRIP_WIDTH, mTop + 1}; }

tyRect clsLdrLabel::GetEditBoundingRect() { return {EditZoneLeft(), mTop, EditZoneLeft() + STRIP_WIDTH, mTop + 1}; }

void clsLdrLabel::SetIsSelected(bool value) {
  clsTextStripStore(Db()).UpdateColumn(mStripID, "IsSelected", value ? -1 : 0);
  mIsSelected = value;
}

void clsLdrLabel::SetLabelName(const std::string& value) {
  clsTextStripStore(Db()).UpdateText(mStripID, "LblName", value);
  mLabelName = value;
}

void clsLdrLabel::SetLabelComment(const std::string& value) {
  if (mStripID > 0) clsTextStripStore(Db()).UpdateText(mStripID, "LblComment", value);
  mLabelComment = value;
}

void clsLdrLabel::UpdateLabelNameFromDB() {
  const std::optional<std::string> name = clsTextStripStore(Db()).ReadText(mStripID, "LblName");
  if (!name) {
    if (mCtx.Host && mCtx.Host->Errors) {
      mCtx.Host->Errors->ReportError(232, "Strip ID not exist", "The open query returns null recordset", kClassName,
                                     "prvUpdateLabelNameFromDB");
    }
    return;
  }
  mLabelName = *name;
}

// --- loading and storing ------------------------------------------------------------

void clsLdrLabel::Load(db::Recordset& pRsStrips) {
  if (mCtx.State) mWorkMode = static_cast<std::int32_t>(mCtx.State->WorkMode());
  mIsSelected = pRsStrips.Field("IsSelected").AsBool();
  mStripID = pRsStrips.Field("StripID").AsLong();
  mSeqNum = pRsStrips.Field("SeqNum").AsLong();
  mStripNote = pRsStrips.Field("StrpNote").AsText();
  mLabelName = pRsStrips.Field("LblName").AsText();
  mLabelComment = pRsStrips.Field("LblComment").AsText();
  mEditor.Resume(mStripID);
}

void clsLdrLabel::AddToDB(std::int32_t pFuncID) {
  const db::FieldList fields = {
      {"FuncID", static_cast<long>(pFuncID)},
      {"SeqNum", static_cast<long>(mSeqNum)},
      {"StrpType", static_cast<long>(eST_LdrLabel)},
      {"IsLoaded", 0},
      {"IsSelected", 0},
      {"Height", 1},
      {"IsReturnStrip", 0},
      {"CompileDirtyBit", 0},
      {"StrpNote", mStripNote},
      {"IsCompilable", 0},
      {"IsCollapsed", 0},
      {"LblName", mLabelName},
      {"LblComment", mLabelComment},
      {"LdrBitsCount", 0},
      {"OrgHeight", 0},
  };
  mStripID = clsTextStripStore(Db()).InsertRow(fields);
  mIsSelected = false;
}

void clsLdrLabel::DeleteFromDB() { clsTextStripStore(Db()).DeleteRow(mStripID); }

clsPropertyBag clsLdrLabel::GetPropertyBag() {
  clsPropertyBag bag;
  bag.WriteProperty("StripID", static_cast<long>(mStripID));
  bag.WriteProperty("Left", static_cast<long>(mLeft));
  bag.WriteProperty("LblName", mLabelName);
  bag.WriteProperty("LblComment", mLabelComment);
  bag.WriteProperty("StripNote", mStripNote);
  return bag;
}

void clsLdrLabel::SetPropertyBag(const clsPropertyBag& pPropBag) {
  mStripID = pPropBag.ReadProperty("StripID", 0).AsLong();
  mLeft = pPropBag.ReadProperty("Left", 0).AsLong();
  mLabelName = pPropBag.ReadProperty("LblName", "").AsText();
  mLabelComment = pPropBag.ReadProperty("LblComment", "").AsText();
  mStripNote = pPropBag.ReadProperty("StripNote", "").AsText();
}

std::shared_ptr<itfStrip> clsLdrLabel::GetReplica() {
  auto replica = std::make_shared<clsLdrLabel>(mCtx);
  replica->SetPropertyBag(GetPropertyBag());
  replica->mTop = mTop;
  replica->mSeqNum = mSeqNum;
  replica->mWorkMode = mWorkMode;
  return replica;
}

// --- mouse and tools -------------------------------------------------------------------

void clsLdrLabel::HitTestByPoint(tyHitRecord& pHitData) {
  const std::int32_t x = pHitData.X - mLeft;
  const std::int32_t y = pHitData.Y - mTop;
  if (StripGeometry::HitInside(pHitData, x, y, 1)) {
    if (StripGeometry::InLeftZone(pHitData, x)) {
      pHitData.HitKind = eLH_Header;
    } else if (x == kNameBoxEndColumn) {
      pHitData.HitKind = pHitData.HorzSide == tyHitRecord::kLeftOfLine ? eLH_NameBox : eLH_Comment;
    } else {
      pHitData.HitKind = x < kNameBoxEndColumn ? eLH_NameBox : eLH_Comment;
    }
  }
  mHitRecord = pHitData;
}

void clsLdrLabel::QueryProcess(itfProcessControl& pProcessControl) {
  switch (mHitRecord.HitKind) {
  case eLH_NameBox:
    if (!OnLine()) pProcessControl.SetNewProcess(eMP_EditLabelProc);
    break;
  case eLH_Header:
    if (mHitRecord.Button == 2 && mCtx.Host && mCtx.Host->Gui) mCtx.Host->Gui->ShowContextMenu(eGM_Label);
    break;
  case eLH_Comment:
    if (!OnLine()) StartEditing();
    break;
  default:
    break;
  }
}

bool clsLdrLabel::StartEditing() {
  const tyTextBoxPlace place{clsStripTextEditor::VisibleX(mCtx, EditZoneLeft()) + kNameBoxWidth, GridToPixel(mTop),
                             kTextWidth - kNameBoxWidth, kRowHeight};
  return mEditor.Start(mStripID, place, mLabelComment);
}

void clsLdrLabel::TakeEditedComment(const std::string& text) {
  const bool changed = text != mLabelComment;
  SetLabelComment(text);
  if (changed && mCtx.State) mCtx.State->SetNeedToSave(true);
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

void clsLdrLabel::ToolRequest(const std::string& pToolID) {
  if (pToolID != "ID_LLblRename" || OnLine()) return;
  if (!mCtx.Host || !mCtx.Host->LabelNames) return;
  // The service asks the user and stores the new name itself.
  if (!mCtx.Host->LabelNames->EditLabelName(mStripID)) return;
  UpdateLabelNameFromDB();
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

// --- drawing -------------------------------------------------------------------------

void clsLdrLabel::Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) {
  ViewportShift boardShift(pBoardHDC, GridToPixel(mLeft + EDITING_OFST_X), GridToPixel(mTop));
  ViewportShift leftShift(pLeftHDC, GridToPixel(mLeft + EDITING_OFST_X), GridToPixel(mTop));
  DrawBody(pBoardHDC, pGdiResources);
  DrawLeftZone(pLeftHDC, pGdiResources);
}

void clsLdrLabel::DrawBody(gdi::DeviceContext& board, const tyGdiResources& res) const {
  board.FillRect({0, 1, kTextWidth, kRowHeight}, res.WhiteBrush);
  {
    // The frame: its top and bottom lines are the row lines of the label.
    SelectGuard<gdi::Pen> grey(board, res.GreyPen);
    SelectGuard<gdi::Brush> hollow(board, gdi::Brush::Null());
    board.Rectangle(0, 0, kTextWidth, kRowHeight + 1);
  }
  board.FillRect({1, 1, kNameBoxWidth, kRowHeight}, res.LightYellowBrush);
  board.MoveTo(0, 0);
  board.LineTo(kNameBoxWidth, 0);
  board.LineTo(kNameBoxWidth, kRowHeight);
  WriteTexts(board);
}

void clsLdrLabel::WriteTexts(gdi::DeviceContext& dc) const {
  TextColorGuard black(dc, gdi::RGB(0, 0, 0));
  BkModeGuard transparent(dc, gdi::TRANSPARENT);
  gdi::Rect name = kNameRect;
  if (!mLabelName.empty()) dc.DrawText(mLabelName, name, kTextFormat);
  gdi::Rect comment = kCommentRect;
  if (!mLabelComment.empty()) dc.DrawText(mLabelComment, comment, kTextFormat);
}

void clsLdrLabel::DrawLeftZone(gdi::DeviceContext& left, const tyGdiResources& res) const {
  left.FillRect({-kLeftZoneWidth, 1, -1, kRowHeight}, mIsSelected ? res.GreyBrush : res.WhiteBrush);
  left.MoveTo(-1, 0);
  left.LineTo(-1, kRowHeight);
  SelectGuard<gdi::Pen> grey(left, res.GreyPen);
  left.MoveTo(-kLeftZoneWidth, kRowHeight);
  left.LineTo(0, kRowHeight);
}

void clsLdrLabel::PrintStrip(gdi::DeviceContext& pHdc) {
  WindowShift origin(pHdc, -GridToPixel(mLeft + EDITING_OFST_X), -GridToPixel(mTop));
  pHdc.MoveTo(0, 0);
  pHdc.LineTo(kNameBoxWidth, 0);
  pHdc.LineTo(kNameBoxWidth, kRowHeight);
  WriteTexts(pHdc);
}

} // namespace ldr
