#include "strips/clsLdrComment.h"

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
#include "platform/drawing/ResourceLibrary.h"
#include "strips/StripGeometry.h"
#include "strips/clsTextStripStore.h"

#include <stdexcept>

namespace ldr {

namespace {

constexpr unsigned kTextFormat = gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS | gdi::DT_NOPREFIX | gdi::DT_EDITCONTROL;
// The icons of the header, 16 x 16, at x = -24 of the text area.
constexpr int kIconX = -24;
constexpr int kIconSize = 16;

void DrawBitmap(gdi::DeviceContext& dc, const char* name, int x, int y) {
  const gdi::Bitmap picture = gdi::ResourceLibrary::LoadBitmap(name);
  const gdi::DeviceContext source(picture);
  dc.BitBlt(x, y, picture.Width(), picture.Height(), source, 0, 0, gdi::SRCCOPY);
}

} // namespace

clsLdrComment::clsLdrComment(LdrContext& ctx)
    : mCtx(ctx), mEditor(ctx, "txtComment", false, [this](const std::string& text) { TakeEditedText(text); }) {}

db::Connection& clsLdrComment::Db() {
  if (!mCtx.Connection && mCtx.Host && mCtx.Host->Connections) mCtx.Connection = mCtx.Host->Connections->Connection();
  if (!mCtx.Connection) throw std::logic_error("clsLdrComment: no project connection");
  return *mCtx.Connection;
}

bool clsLdrComment::OnLine() const { return mCtx.State && mCtx.State->OnLineActive(); }

// --- geometry and stored values ----------------------------------------------------

std::int32_t clsLdrComment::EditZoneLeft() { return mLeft + EDITING_OFST_X; }

tyRect clsLdrComment::GetBoundingRect() { return {mLeft, mTop, mLeft + LDR_STRIP_WIDTH, mTop + mHeight}; }

tyRect clsLdrComment::GetEditBoundingRect() {
  return {EditZoneLeft(), mTop, EditZoneLeft() + STRIP_WIDTH, mTop + mHeight};
}

void clsLdrComment::SetHeight(std::int32_t value) {
  if (value < kMinHeight || value > kMaxHeight) {
    throw std::invalid_argument("a comment is " + std::to_string(kMinHeight) + " to " + std::to_string(kMaxHeight) +
                                " rows high, not " + std::to_string(value));
  }
  clsTextStripStore(Db()).UpdateColumn(mStripID, "Height", value);
  mHeight = value;
}

void clsLdrComment::SetIsSelected(bool value) {
  clsTextStripStore(Db()).UpdateColumn(mStripID, "IsSelected", value ? -1 : 0);
  mIsSelected = value;
}

void clsLdrComment::SetComment(const std::string& value) {
  if (mStripID > 0) clsTextStripStore(Db()).UpdateText(mStripID, "Comment", value);
  mComment = value;
}

// --- loading and storing ------------------------------------------------------------

void clsLdrComment::Load(db::Recordset& pRsStrips) {
  if (mCtx.State) mWorkMode = static_cast<std::int32_t>(mCtx.State->WorkMode());
  mHeight = pRsStrips.Field("Height").AsLong(kMinHeight);
  mIsSelected = pRsStrips.Field("IsSelected").AsBool();
  mStripID = pRsStrips.Field("StripID").AsLong();
  mSeqNum = pRsStrips.Field("SeqNum").AsLong();
  mStripNote = pRsStrips.Field("StrpNote").AsText();
  mComment = pRsStrips.Field("Comment").AsText();
  mEditor.Resume(mStripID);
}

void clsLdrComment::AddToDB(std::int32_t pFuncID) {
  const db::FieldList fields = {
      {"FuncID", static_cast<long>(pFuncID)},
      {"SeqNum", static_cast<long>(mSeqNum)},
      {"StrpType", static_cast<long>(eST_LdrComment)},
      {"IsLoaded", 0},
      {"IsSelected", 0},
      {"Height", static_cast<long>(mHeight)},
      {"IsReturnStrip", 0},
      {"CompileDirtyBit", 0},
      {"StrpNote", mStripNote},
      {"IsCompilable", 0},
      {"IsCollapsed", 0},
      {"Comment", mComment},
      {"LdrBitsCount", 0},
      {"OrgHeight", 0},
  };
  mStripID = clsTextStripStore(Db()).InsertRow(fields);
  mIsSelected = false;
}

void clsLdrComment::DeleteFromDB() { clsTextStripStore(Db()).DeleteRow(mStripID); }

clsPropertyBag clsLdrComment::GetPropertyBag() {
  clsPropertyBag bag;
  bag.WriteProperty("Left", static_cast<long>(mLeft));
  bag.WriteProperty("Height", static_cast<long>(mHeight));
  bag.WriteProperty("Comment", mComment);
  bag.WriteProperty("StripNote", mStripNote);
  return bag;
}

void clsLdrComment::SetPropertyBag(const clsPropertyBag& pPropBag) {
  mLeft = pPropBag.ReadProperty("Left", 0).AsLong();
  mHeight = pPropBag.ReadProperty("Height", kMinHeight).AsLong(kMinHeight);
  mComment = pPropBag.ReadProperty("Comment", "").AsText();
  mStripNote = pPropBag.ReadProperty("StripNote", "").AsText();
}

std::shared_ptr<itfStrip> clsLdrComment::GetReplica() {
  auto replica = std::make_shared<clsLdrComment>(mCtx);
  replica->SetPropertyBag(GetPropertyBag());
  replica->mTop = mTop;
  replica->mSeqNum = mSeqNum;
  replica->mWorkMode = mWorkMode;
  return replica;
}

// --- mouse ----------------------------------------------------------------------------

void clsLdrComment::HitTestByPoint(tyHitRecord& pHitData) {
  const std::int32_t x = pHitData.X - mLeft;
  const std::int32_t y = pHitData.Y - mTop;
  if (StripGeometry::HitInside(pHitData, x, y, mHeight)) {
    pHitData.HitKind = StripGeometry::InLeftZone(pHitData, x) ? LeftZoneKind(pHitData, y) : eCH_Text;
  }
  mHitRecord = pHitData;
}

std::int32_t clsLdrComment::LeftZoneKind(const tyHitRecord& hit, std::int32_t y) const {
  const std::int32_t handleTop = mHeight - 2;
  if (y == handleTop) return hit.VertSide == tyHitRecord::kAboveLine ? eCH_Header : eCH_Resizer;
  return y < handleTop ? eCH_Header : eCH_Resizer;
}

void clsLdrComment::QueryProcess(itfProcessControl& pProcessControl) {
  switch (mHitRecord.HitKind) {
  case eCH_Resizer:
    if (mHitRecord.Button == 1 && !OnLine()) pProcessControl.SetNewProcess(eMP_StripResizeProc);
    break;
  case eCH_Header:
    if (mHitRecord.Button == 2 && mCtx.Host && mCtx.Host->Gui) mCtx.Host->Gui->ShowContextMenu(eGM_Comment);
    break;
  case eCH_Text:
    if (!OnLine()) StartEditing();
    break;
  default:
    break;
  }
}

bool clsLdrComment::StartEditing() {
  const tyTextBoxPlace place{clsStripTextEditor::VisibleX(mCtx, EditZoneLeft()), GridToPixel(mTop), kTextWidth,
                             GridToPixel(mHeight)};
  return mEditor.Start(mStripID, place, mComment);
}

void clsLdrComment::TakeEditedText(const std::string& text) {
  const bool changed = text != mComment;
  SetComment(text);
  if (changed && mCtx.State) mCtx.State->SetNeedToSave(true);
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

// --- drawing -------------------------------------------------------------------------

void clsLdrComment::Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) {
  // x = 0 is the start of the text area on both boards. The header keeps
  // its column on the left board whatever Left the scroll gave the comment.
  ViewportShift boardShift(pBoardHDC, GridToPixel(mLeft + EDITING_OFST_X), GridToPixel(mTop));
  ViewportShift leftShift(pLeftHDC, GridToPixel(EDITING_OFST_X), GridToPixel(mTop));
  DrawTextArea(pBoardHDC, pGdiResources);
  DrawLeftZone(pLeftHDC, pGdiResources);
}

void clsLdrComment::DrawTextArea(gdi::DeviceContext& board, const tyGdiResources& res) const {
  const int h = GridToPixel(mHeight);
  board.FillRect({0, 1, kTextWidth, h}, res.WhiteBrush);
  {
    SelectGuard<gdi::Pen> grey(board, res.GreyPen);
    board.MoveTo(0, h);
    board.LineTo(kTextWidth, h);
  }
  WriteText(board, h);
}

void clsLdrComment::WriteText(gdi::DeviceContext& dc, int bottom) const {
  if (mComment.empty()) return;
  TextColorGuard black(dc, gdi::RGB(0, 0, 0));
  BkModeGuard transparent(dc, gdi::TRANSPARENT);
  gdi::Rect area{0, 2, kTextWidth, bottom};
  dc.DrawText(mComment, area, kTextFormat);
}

void clsLdrComment::DrawLeftZone(gdi::DeviceContext& left, const tyGdiResources& res) const {
  const int h = GridToPixel(mHeight);
  {
    SelectGuard<gdi::Pen> grey(left, res.GreyPen);
    left.MoveTo(0, h);
    left.LineTo(-kLeftZoneWidth, h);
  }
  // The left power rail runs on through comments.
  left.MoveTo(-1, 0);
  left.LineTo(-1, h);
  left.FillRect({-kLeftZoneWidth, 1, -1, h}, mIsSelected ? res.GreyBrush : res.WhiteBrush);
  DrawBitmap(left, mIsSelected ? "COMMENT_SELECTED" : "COMMENT_NORMAL", kIconX, 1);
  DrawBitmap(left, mIsSelected ? "STRIP_RESIZER_SELECTED" : "STRIP_RESIZER_NORMAL", kIconX, h - kIconSize);
}

void clsLdrComment::PrintStrip(gdi::DeviceContext& pHdc) {
  // The text where the strip stands, without header and background.
  WindowShift origin(pHdc, -GridToPixel(mLeft + EDITING_OFST_X), -GridToPixel(mTop));
  WriteText(pHdc, GridToPixel(mHeight));
}

} // namespace ldr
