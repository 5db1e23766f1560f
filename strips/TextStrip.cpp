#include "strips/TextStrip.h"

#include "core/clsLdrState.h"
#include "interfaces/itfDrawer.h"
#include "outside/operands/GdiResources.h"
#include "platform/database/Recordset.h"
#include "platform/drawing/DeviceContext.h"

namespace ldr {

TextStrip::TextStrip(LdrContext& ctx, std::string boxName, bool validateOnEnter, std::size_t maxCharacters)
    : StripBase(ctx), mEditor(ctx, std::move(boxName), validateOnEnter, maxCharacters,
                              [this](const std::string& text) { TakeEditedText(text); }) {}

void TextStrip::Load(db::Recordset& rsStrips) {
  LoadCommonColumns(rsStrips);
  LoadOwnColumns(rsStrips);
  mEditor.Resume(mStripID);
}

void TextStrip::AddToDB(std::int32_t funcID) {
  db::FieldList row = StripRows::NewRow(funcID, mSeqNum, StripType());
  StripRows::SetField(row, "Height", static_cast<long>(Height()));
  row.emplace_back("IsReturnStrip", 0L);
  row.emplace_back("CompileDirtyBit", 0L);
  row.emplace_back("StrpNote", mStripNote);
  AddOwnColumns(row);
  mStripID = static_cast<std::int32_t>(Rows().Add(row));
  mIsSelected = false;
}

bool TextStrip::StartEditing() { return mEditor.Start(mStripID, EditBoxPlace(), EditedText()); }

void TextStrip::TakeEditedText(const std::string& text) {
  const bool changed = text != EditedText();
  StoreEditedText(text);
  if (changed && mCtx.State) mCtx.State->SetNeedToSave(true);
  if (mCtx.Drawer) mCtx.Drawer->RedrawAll();
}

void TextStrip::DrawLeftGround(gdi::DeviceContext& left, const GdiResources& res, int height) const {
  left.FillRect({-kLeftZoneWidth, 1, -1, height}, mIsSelected ? res.GreyBrush : res.WhiteBrush);
  // The left power rail runs on through the strip.
  left.MoveTo(-1, 0);
  left.LineTo(-1, height);
}

} // namespace ldr
