#include "strips/clsLdrLabel.h"

#include "core/enMouseProcess.h"
#include "elements/ElementDrawing.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/utilities/TextLimits.h"
#include "platform/database/Recordset.h"
#include "platform/drawing/DeviceContext.h"

#include <optional>

namespace ldr {

namespace {

constexpr const char* kClassName = "clsLdrLabel";
constexpr int kRowHeight = PIXEL_PER_GRID;
// The line of text is taller than the row: it stands on the row's bottom
// line, so that underscores and descenders stay inside the box.
constexpr unsigned kTextFormat = gdi::DT_SINGLELINE | gdi::DT_BOTTOM | gdi::DT_NOPREFIX;
// The texts keep a small margin from the lines around them.
constexpr gdi::Rect kNameRect{4, 1, clsLdrLabel::kNameBoxWidth - 2, kRowHeight};
constexpr gdi::Rect kCommentRect{clsLdrLabel::kNameBoxWidth + 6, 1, clsLdrLabel::kTextWidth - 2, kRowHeight};

} // namespace

clsLdrLabel::clsLdrLabel(LdrContext& ctx) : TextStrip(ctx, "txtLblComment", true, kMaxLabelCommentCharacters) {}

// --- stored values ------------------------------------------------------------------

void clsLdrLabel::SetLabelName(const std::string& value) {
  Rows().SetText(mStripID, "LblName", value);
  mLabelName = value;
}

void clsLdrLabel::SetLabelComment(const std::string& value) {
  if (mStripID > 0) Rows().SetText(mStripID, "LblComment", value);
  mLabelComment = value;
}

void clsLdrLabel::UpdateLabelNameFromDB() {
  const std::optional<std::string> name = Rows().ReadText(mStripID, "LblName");
  if (!name) {
    mCtx.Host->Errors->ReportError(232, "Strip ID not exist", "The open query returns null recordset", kClassName,
                                   "prvUpdateLabelNameFromDB");
    return;
  }
  mLabelName = *name;
}

void clsLdrLabel::LoadOwnColumns(db::Recordset& rs) {
  mLabelName = rs.Field("LblName").AsText();
  mLabelComment = rs.Field("LblComment").AsText();
}

void clsLdrLabel::AddOwnColumns(db::FieldList& row) const {
  row.emplace_back("LblName", mLabelName);
  row.emplace_back("LblComment", mLabelComment);
}

PropertyBag clsLdrLabel::GetPropertyBag() {
  PropertyBag bag;
  bag.WriteProperty("StripID", static_cast<long>(mStripID));
  bag.WriteProperty("Left", static_cast<long>(mLeft));
  bag.WriteProperty("LblName", mLabelName);
  bag.WriteProperty("LblComment", mLabelComment);
  bag.WriteProperty("StripNote", mStripNote);
  return bag;
}

void clsLdrLabel::SetPropertyBag(const PropertyBag& propBag) {
  mStripID = propBag.ReadProperty("StripID", 0).AsLong();
  mLeft = propBag.ReadProperty("Left", 0).AsLong();
  mLabelName = propBag.ReadProperty("LblName", "").AsText();
  mLabelComment = propBag.ReadProperty("LblComment", "").AsText();
  mStripNote = propBag.ReadProperty("StripNote", "").AsText();
}

// --- mouse and tools -------------------------------------------------------------------

std::int32_t clsLdrLabel::BodyHit(const HitRecord& hit, std::int32_t x, std::int32_t) {
  if (x == kNameBoxEndColumn) return hit.HorzSide == HitRecord::kLeftOfLine ? eHK_NameBox : eHK_Body;
  return x < kNameBoxEndColumn ? eHK_NameBox : eHK_Body;
}

void clsLdrLabel::QueryProcess(itfProcessControl& processControl) {
  switch (mHitRecord.HitKind) {
  case eHK_NameBox:
    if (!OnLine()) processControl.SetNewProcess(eMP_EditLabelProc);
    break;
  case eHK_Header:
    if (mHitRecord.Button == 2) mCtx.Host->Gui->ShowContextMenu(eGM_Label);
    break;
  case eHK_Body:
    if (!OnLine()) StartEditing();
    break;
  default:
    break;
  }
}

TextBoxPlace clsLdrLabel::EditBoxPlace() {
  return {StripTextEditor::VisibleX(mCtx, EditZoneLeft()) + kNameBoxWidth, GridToPixel(mTop),
          kTextWidth - kNameBoxWidth, kRowHeight};
}

void clsLdrLabel::ToolRequest(const std::string& toolID) {
  if (toolID != "ID_LLblRename" || OnLine()) return;
  // The service asks the user and stores the new name itself.
  if (!mCtx.Host->LabelNames->EditLabelName(mStripID)) return;
  UpdateLabelNameFromDB();
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

// --- drawing -------------------------------------------------------------------------

void clsLdrLabel::Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) {
  // The header keeps its column on the left board whatever Left the scroll
  // gave the label.
  ViewportShift boardShift(boardHDC, GridToPixel(mLeft + EDITING_OFST_X), GridToPixel(mTop));
  ViewportShift leftShift(leftHDC, GridToPixel(EDITING_OFST_X), GridToPixel(mTop));
  DrawBody(boardHDC, gdiResources);
  DrawLeftZone(leftHDC, gdiResources);
}

void clsLdrLabel::DrawBody(gdi::DeviceContext& board, const GdiResources& res) const {
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

void clsLdrLabel::DrawLeftZone(gdi::DeviceContext& left, const GdiResources& res) const {
  DrawLeftGround(left, res, kRowHeight);
  SelectGuard<gdi::Pen> grey(left, res.GreyPen);
  left.MoveTo(-kLeftZoneWidth, kRowHeight);
  left.LineTo(0, kRowHeight);
}

void clsLdrLabel::PrintStrip(gdi::DeviceContext& hdc) {
  WindowShift origin(hdc, -GridToPixel(mLeft + EDITING_OFST_X), -GridToPixel(mTop));
  hdc.MoveTo(0, 0);
  hdc.LineTo(kNameBoxWidth, 0);
  hdc.LineTo(kNameBoxWidth, kRowHeight);
  WriteTexts(hdc);
}

} // namespace ldr
