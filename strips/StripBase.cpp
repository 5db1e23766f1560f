#include "strips/StripBase.h"

#include "core/clsLdrState.h"
#include "interfaces/ElementDefs.h"
#include "outside/HostServices.h"
#include "platform/database/Recordset.h"
#include "strips/StripGeometry.h"

#include <stdexcept>

namespace ldr {

db::Connection& StripBase::Db() {
  if (!mCtx.Connection) mCtx.Connection = mCtx.Host->Connections->Connection();
  if (!mCtx.Connection) throw std::logic_error("strip: no project connection");
  return *mCtx.Connection;
}

bool StripBase::OnLine() const { return mCtx.State && mCtx.State->OnLineActive(); }

std::int32_t StripBase::EditZoneLeft() { return mLeft + EDITING_OFST_X; }

Rect StripBase::GetBoundingRect() { return {mLeft, mTop, mLeft + LDR_STRIP_WIDTH, mTop + Height()}; }

Rect StripBase::GetEditBoundingRect() {
  return {EditZoneLeft(), mTop, EditZoneLeft() + EditZoneWidth(), mTop + Height()};
}

void StripBase::SetIsSelected(bool value) {
  Rows().SetColumn(mStripID, "IsSelected", value);
  mIsSelected = value;
}

void StripBase::DeleteFromDB() { Rows().Delete(mStripID); }

void StripBase::LoadCommonColumns(db::Recordset& rs) {
  if (mCtx.State) mWorkMode = static_cast<std::int32_t>(mCtx.State->WorkMode());
  mIsSelected = rs.Field("IsSelected").AsBool();
  mStripID = rs.Field("StripID").AsLong();
  mSeqNum = rs.Field("SeqNum").AsLong();
  mStripNote = rs.Field("StrpNote").AsText();
}

void StripBase::HitTestByPoint(HitRecord& hitData) {
  const std::int32_t x = hitData.X - mLeft;
  const std::int32_t y = hitData.Y - mTop;
  if (StripGeometry::HitInside(hitData, x, y, Height())) {
    hitData.HitKind = StripGeometry::InLeftZone(hitData, x) ? LeftZoneHit(hitData, y) : BodyHit(hitData, x, y);
  }
  mHitRecord = hitData;
}

std::int32_t StripBase::HeaderOrResizer(const HitRecord& hit, std::int32_t y) {
  const std::int32_t handleTop = Height() - 2;
  if (y == handleTop) return hit.VertSide == HitRecord::kAboveLine ? eHK_Header : eHK_Resizer;
  return y < handleTop ? eHK_Header : eHK_Resizer;
}

void StripBase::TakePlaceOf(const StripBase& original) {
  mTop = original.mTop;
  mLeft = original.mLeft;
  mSeqNum = original.mSeqNum;
  mWorkMode = original.mWorkMode;
}

std::shared_ptr<itfStrip> StripBase::GetReplica() {
  std::shared_ptr<StripBase> replica = NewBlank();
  replica->SetPropertyBag(GetPropertyBag());
  replica->TakePlaceOf(*this);
  return replica;
}

} // namespace ldr
