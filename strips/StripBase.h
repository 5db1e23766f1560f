#pragma once
// What nets, comments and labels share: the place on the boards (Left, Top,
// the edit zone two columns in), the sequence number and key, the selection
// and note stored in the strip's LdrStrips row, the work mode, the hit record
// and the frame of the hit test (inside the strip, then left zone or body),
// the columns every row is loaded with and the replica's place. A strip kind
// adds its height rules, the hit kinds of its zones, its look and its own
// columns.

#include "core/HitKind.h"
#include "core/LdrContext.h"
#include "core/StripRows.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/HitRecord.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class StripBase : public itfStrip {
public:
  explicit StripBase(LdrContext& ctx) : mCtx(ctx) {}

  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override;
  std::int32_t Left() override { return mLeft; }
  void SetLeft(std::int32_t value) override { mLeft = value; }
  std::int32_t SeqNum() override { return mSeqNum; }
  void SetSeqNum(std::int32_t value) override { mSeqNum = value; }
  std::int32_t StripID() override { return mStripID; }
  bool IsSelected() override { return mIsSelected; }
  // Stored at once.
  void SetIsSelected(bool value) override;
  std::string StripNote() override { return mStripNote; }
  void SetStripNote(const std::string& value) override { mStripNote = value; }
  void SetWorkMode(std::int32_t value) override { mWorkMode = value; }
  void RefreshOperand(std::int32_t, std::int32_t, std::int32_t) override {}
  void RightMouseUp() override {}
  void ToolRequest(const std::string&) override {}
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick(itfProcessControl&) override {}
  void ClearHitTestResults() override { mHitRecord.HitKind = eHK_Nothing; }
  // Inside the strip (a point on a border belongs to the side its pixel lay
  // on) the hit kind is the left zone's or the body's; elsewhere the record
  // keeps the kind it came with. The strip keeps the record.
  void HitTestByPoint(HitRecord& hitData) override;
  HitRecord GetHitParameters() override { return mHitRecord; }
  Rect GetBoundingRect() override;
  Rect GetEditBoundingRect() override;
  // A detached copy: the property bag, with the place of this strip.
  std::shared_ptr<itfStrip> GetReplica() override;
  void DeleteFromDB() override;
  bool IsContainNonDeletableElements() override { return false; }

  std::int32_t WorkMode() const { return mWorkMode; }

protected:
  // The width of the edit zone in grid columns.
  virtual std::int32_t EditZoneWidth() const = 0;
  // The hit kind of a point in the left zone, `y` rows below the top.
  virtual std::int32_t LeftZoneHit(const HitRecord& hit, std::int32_t y) = 0;
  // The hit kind of a point right of the left zone, (x, y) from the top-left.
  virtual std::int32_t BodyHit(const HitRecord& hit, std::int32_t x, std::int32_t y) = 0;
  // A new strip of the same kind in the same context.
  virtual std::shared_ptr<StripBase> NewBlank() const = 0;
  // Takes the place (not the stored content) of `original`.
  virtual void TakePlaceOf(const StripBase& original);

  db::Connection& Db();
  StripRows Rows() { return StripRows(Db()); }
  bool OnLine() const;
  // The columns every strip is loaded with, and the editor's work mode.
  void LoadCommonColumns(db::Recordset& rs);
  // The resize handle from the row line `Height - 2` down, the header above.
  std::int32_t HeaderOrResizer(const HitRecord& hit, std::int32_t y);

  LdrContext& mCtx;
  std::int32_t mStripID = 0;
  std::int32_t mSeqNum = 0;
  std::int32_t mTop = 0;
  std::int32_t mLeft = 0;
  std::string mStripNote;
  bool mIsSelected = false;
  HitRecord mHitRecord;
  std::int32_t mWorkMode = 0;
};

} // namespace ldr
