#include "strips/clsLdrComment.h"

#include "core/enMouseProcess.h"
#include "elements/ElementDrawing.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/utilities/TextLimits.h"
#include "platform/database/Recordset.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

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

clsLdrComment::clsLdrComment(LdrContext& ctx) : TextStrip(ctx, "txtComment", false, kMaxCommentCharacters) {}

// --- stored values ------------------------------------------------------------------

void clsLdrComment::SetHeight(std::int32_t value) {
  if (value < kMinHeight || value > kMaxHeight) {
    throw std::invalid_argument("a comment is " + std::to_string(kMinHeight) + " to " + std::to_string(kMaxHeight) +
                                " rows high, not " + std::to_string(value));
  }
  Rows().SetColumn(mStripID, "Height", static_cast<std::int64_t>(value));
  mHeight = value;
}

void clsLdrComment::SetComment(const std::string& value) {
  if (mStripID > 0) Rows().SetText(mStripID, "Comment", value);
  mComment = value;
}

void clsLdrComment::LoadOwnColumns(db::Recordset& rs) {
  mHeight = rs.Field("Height").AsLong(kMinHeight);
  mComment = rs.Field("Comment").AsText();
}

void clsLdrComment::AddOwnColumns(db::FieldList& row) const { row.emplace_back("Comment", mComment); }

PropertyBag clsLdrComment::GetPropertyBag() {
  PropertyBag bag;
  bag.WriteProperty("Left", static_cast<long>(mLeft));
  bag.WriteProperty("Height", static_cast<long>(mHeight));
  bag.WriteProperty("Comment", mComment);
  bag.WriteProperty("StripNote", mStripNote);
  return bag;
}

void clsLdrComment::SetPropertyBag(const PropertyBag& propBag) {
  mLeft = propBag.ReadProperty("Left", 0).AsLong();
  mHeight = propBag.ReadProperty("Height", kMinHeight).AsLong(kMinHeight);
  mComment = propBag.ReadProperty("Comment", "").AsText();
  mStripNote = propBag.ReadProperty("StripNote", "").AsText();
}

// --- mouse ----------------------------------------------------------------------------

void clsLdrComment::QueryProcess(itfProcessControl& processControl) {
  switch (mHitRecord.HitKind) {
  case eHK_Resizer:
    if (mHitRecord.Button == 1 && !OnLine()) processControl.SetNewProcess(eMP_StripResizeProc);
    break;
  case eHK_Header:
    if (mHitRecord.Button == 2) mCtx.Host->Gui->ShowContextMenu(eGM_Comment);
    break;
  case eHK_Body:
    if (!OnLine()) StartEditing();
    break;
  default:
    break;
  }
}

TextBoxPlace clsLdrComment::EditBoxPlace() {
  return {StripTextEditor::VisibleX(mCtx, EditZoneLeft()), GridToPixel(mTop), kTextWidth, GridToPixel(mHeight)};
}

// --- drawing -------------------------------------------------------------------------

void clsLdrComment::Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) {
  // x = 0 is the start of the text area on both boards. The header keeps
  // its column on the left board whatever Left the scroll gave the comment.
  ViewportShift boardShift(boardHDC, GridToPixel(mLeft + EDITING_OFST_X), GridToPixel(mTop));
  ViewportShift leftShift(leftHDC, GridToPixel(EDITING_OFST_X), GridToPixel(mTop));
  DrawTextArea(boardHDC, gdiResources);
  DrawLeftZone(leftHDC, gdiResources);
}

void clsLdrComment::DrawTextArea(gdi::DeviceContext& board, const GdiResources& res) const {
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
  gdi::Rect needed{0, 2, kTextWidth, bottom};
  dc.DrawText(mComment, needed, kTextFormat | gdi::DT_CALCRECT);
  if (needed.Bottom > bottom) DrawMoreTextSign(dc, bottom);
}

// A small triangle pointing down in the bottom right corner: the text goes
// on below the strip (the edit box shows all of it).
void clsLdrComment::DrawMoreTextSign(gdi::DeviceContext& dc, int bottom) {
  constexpr int kSize = 8;
  const int right = kTextWidth - 4;
  const int top = bottom - kSize;
  SelectGuard<gdi::Brush> black(dc, gdi::Brush::Solid(gdi::RGB(0, 0, 0)));
  dc.Polygon({{right - kSize, top}, {right, top}, {right - kSize / 2, bottom - 2}});
}

void clsLdrComment::DrawLeftZone(gdi::DeviceContext& left, const GdiResources& res) const {
  const int h = GridToPixel(mHeight);
  {
    SelectGuard<gdi::Pen> grey(left, res.GreyPen);
    left.MoveTo(0, h);
    left.LineTo(-kLeftZoneWidth, h);
  }
  DrawLeftGround(left, res, h);
  DrawBitmap(left, mIsSelected ? "COMMENT_SELECTED" : "COMMENT_NORMAL", kIconX, 1);
  DrawBitmap(left, mIsSelected ? "STRIP_RESIZER_SELECTED" : "STRIP_RESIZER_NORMAL", kIconX, h - kIconSize);
}

void clsLdrComment::PrintStrip(gdi::DeviceContext& hdc) {
  // The text where the strip stands, without header and background.
  WindowShift origin(hdc, -GridToPixel(mLeft + EDITING_OFST_X), -GridToPixel(mTop));
  WriteText(hdc, GridToPixel(mHeight));
}

} // namespace ldr
