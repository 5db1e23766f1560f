#pragma once
// A comment strip: a free-text block between nets, 3 to 20 rows high. Its
// left zone (header with the comment icon and the resize handle) lies on the
// left board, the text area (53 columns from the edit zone) on the right
// board. The drawer sets Left to the horizontal scroll offset while it draws
// the comment, so the text follows the scroll; the header stays in its column
// beside the ladder, as a net's does.
//
// Hit kinds (field 1 of the comment's hit record):
//   0 nothing   1 left zone (header)   4 the text area   6 left zone, the
//   resize handle (from the row line Height - 2 down)
//
// A press on the text area opens the main board's "txtComment" box over it;
// when the box is validated its text becomes the comment.

#include "core/LdrContext.h"
#include "interfaces/itfLdrComment.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/tyHitRecord.h"
#include "strips/clsStripTextEditor.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class clsLdrComment : public itfStrip, public itfLdrComment {
public:
  enum enCommentHitKind : std::int32_t {
    eCH_Nothing = 0,
    eCH_Header = 1,
    eCH_Text = 4,
    eCH_Resizer = 6,
  };
  static constexpr std::int32_t kMinHeight = 3;
  static constexpr std::int32_t kMaxHeight = 20;
  // The text area: 53 columns from the edit zone.
  static constexpr int kTextWidth = 742;
  static constexpr int kLeftZoneWidth = 28;

  explicit clsLdrComment(LdrContext& ctx);

  // --- itfStrip -------------------------------------------------------------
  clsPropertyBag GetPropertyBag() override;
  void SetPropertyBag(const clsPropertyBag& pPropBag) override;
  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override;
  std::int32_t Left() override { return mLeft; }
  void SetLeft(std::int32_t value) override { mLeft = value; }
  std::int32_t Height() override { return mHeight; }
  // Stored at once; a height outside 3 to 20 rows is refused.
  void SetHeight(std::int32_t value) override;
  std::int32_t MinHeight() override { return kMinHeight; }
  std::int32_t MaxHeight() override { return kMaxHeight; }
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
  void ToolRequest(const std::string&) override {}
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick(itfProcessControl&) override {}
  void Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) override;
  void ClearHitTestResults() override { mHitRecord.HitKind = eCH_Nothing; }
  void HitTestByPoint(tyHitRecord& pHitData) override;
  tyHitRecord GetHitParameters() override { return mHitRecord; }
  tyRect GetBoundingRect() override;
  tyRect GetEditBoundingRect() override;
  std::shared_ptr<itfStrip> GetReplica() override;
  void AddToDB(std::int32_t pFuncID) override;
  void DeleteFromDB() override;
  void PrintStrip(gdi::DeviceContext& pHdc) override;
  bool IsContainNonDeletableElements() override { return false; }

  // --- itfLdrComment --------------------------------------------------------
  std::string Comment() override { return mComment; }
  // Stored at once when the comment has its row, so no text is lost.
  void SetComment(const std::string& value) override;

  std::int32_t WorkMode() const { return mWorkMode; }
  // Opens the edit box over the text area; false without one.
  bool StartEditing();
  bool Editing() const { return mEditor.Editing(); }

private:
  void TakeEditedText(const std::string& text);
  db::Connection& Db();
  bool OnLine() const;
  std::int32_t LeftZoneKind(const tyHitRecord& hit, std::int32_t y) const;
  void DrawLeftZone(gdi::DeviceContext& left, const tyGdiResources& res) const;
  void DrawTextArea(gdi::DeviceContext& board, const tyGdiResources& res) const;
  void WriteText(gdi::DeviceContext& dc, int bottom) const;

  LdrContext& mCtx;
  std::int32_t mStripID = 0;
  std::int32_t mSeqNum = 0;
  std::int32_t mTop = 0;
  std::int32_t mLeft = 0;
  std::int32_t mHeight = kMinHeight;
  std::string mStripNote;
  std::string mComment;
  bool mIsSelected = false;
  tyHitRecord mHitRecord;
  std::int32_t mWorkMode = 0;
  clsStripTextEditor mEditor;
};

} // namespace ldr
