#pragma once
// A label strip: one row that marks a jump destination. Its edit zone holds
// the name box (the first 15 columns, 210 pixels) with the label's name, and
// after it the label's comment.
//
// Hit kinds (field 1 of the label's hit record):
//   0 nothing   1 the left zone   5 the name box   4 the comment area
// The name box ends on the grid line 17 columns from the strip's Left; a
// point on that line belongs to the name box when its pixel lay left of it.
//
// A press on the comment area opens the main board's "txtLblComment" box
// over it; Enter or leaving the box makes its text the label's comment.

#include "core/LdrContext.h"
#include "interfaces/itfLdrLabel.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/tyHitRecord.h"
#include "strips/clsStripTextEditor.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class clsLdrLabel : public itfStrip, public itfLdrLabel {
public:
  enum enLabelHitKind : std::int32_t {
    eLH_Nothing = 0,
    eLH_Header = 1,
    eLH_Comment = 4,
    eLH_NameBox = 5,
  };
  // The grid line (from the strip's Left) where the name box ends.
  static constexpr std::int32_t kNameBoxEndColumn = 17;
  static constexpr int kNameBoxWidth = 210;
  static constexpr int kTextWidth = 742;
  static constexpr int kLeftZoneWidth = 28;

  explicit clsLdrLabel(LdrContext& ctx);

  // --- itfStrip -------------------------------------------------------------
  clsPropertyBag GetPropertyBag() override;
  void SetPropertyBag(const clsPropertyBag& pPropBag) override;
  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override;
  std::int32_t Left() override { return mLeft; }
  void SetLeft(std::int32_t value) override { mLeft = value; }
  // A label is always one row high; setting another height changes nothing.
  std::int32_t Height() override { return 1; }
  void SetHeight(std::int32_t) override {}
  std::int32_t MinHeight() override { return 1; }
  std::int32_t MaxHeight() override { return 1; }
  std::int32_t SeqNum() override { return mSeqNum; }
  void SetSeqNum(std::int32_t value) override { mSeqNum = value; }
  std::int32_t StripID() override { return mStripID; }
  bool IsSelected() override { return mIsSelected; }
  void SetIsSelected(bool value) override;
  std::string StripNote() override { return mStripNote; }
  void SetStripNote(const std::string& value) override { mStripNote = value; }
  void SetWorkMode(std::int32_t value) override { mWorkMode = value; }
  void RefreshOperand(std::int32_t, std::int32_t, std::int32_t) override {}
  void Load(db::Recordset& pRsStrips) override;
  void QueryProcess(itfProcessControl& pProcessControl) override;
  void RightMouseUp() override {}
  // "ID_LLblRename" lets the user rename the label; other tools are ignored.
  void ToolRequest(const std::string& pToolID) override;
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick(itfProcessControl&) override {}
  void Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) override;
  void ClearHitTestResults() override { mHitRecord.HitKind = eLH_Nothing; }
  void HitTestByPoint(tyHitRecord& pHitData) override;
  tyHitRecord GetHitParameters() override { return mHitRecord; }
  tyRect GetBoundingRect() override;
  tyRect GetEditBoundingRect() override;
  std::shared_ptr<itfStrip> GetReplica() override;
  void AddToDB(std::int32_t pFuncID) override;
  void DeleteFromDB() override;
  void PrintStrip(gdi::DeviceContext& pHdc) override;
  bool IsContainNonDeletableElements() override { return false; }

  // --- itfLdrLabel ----------------------------------------------------------
  std::string LabelName() override { return mLabelName; }
  // Stored at once in LblName.
  void SetLabelName(const std::string& value) override;
  std::string LabelComment() override { return mLabelComment; }
  // Stored at once in LblComment when the label has its row.
  void SetLabelComment(const std::string& value) override;

  // Takes the name from the label's row again (after the label-name service
  // renamed it). A row that is gone is reported as error 232 and the name
  // stays as it was.
  void UpdateLabelNameFromDB();
  std::int32_t WorkMode() const { return mWorkMode; }
  // Opens the edit box over the comment area; false without one.
  bool StartEditing();
  bool Editing() const { return mEditor.Editing(); }

private:
  void TakeEditedComment(const std::string& text);
  db::Connection& Db();
  bool OnLine() const;
  void DrawLeftZone(gdi::DeviceContext& left, const tyGdiResources& res) const;
  void DrawBody(gdi::DeviceContext& board, const tyGdiResources& res) const;
  void WriteTexts(gdi::DeviceContext& dc) const;

  LdrContext& mCtx;
  std::int32_t mStripID = 0;
  std::int32_t mSeqNum = 0;
  std::int32_t mTop = 0;
  std::int32_t mLeft = 0;
  std::string mStripNote;
  std::string mLabelName;
  std::string mLabelComment;
  bool mIsSelected = false;
  tyHitRecord mHitRecord;
  std::int32_t mWorkMode = 0;
  clsStripTextEditor mEditor;
};

} // namespace ldr
