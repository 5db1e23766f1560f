#pragma once
// A ladder net: one rung of a subroutine with its number, its left zone
// (number, compile mark, collapse button, resize handle, left power rail) and
// its edit zone of elements on the grid. It loads its elements, draws itself,
// classifies mouse hits, chooses the editing process for a press, keeps its
// LdrStrips row up to date and owns its elements' collection.
//
// Hit kinds (field 1 of the net's hit record):
//   0 nothing (outside, or the return strip)   1 left zone, the header rows
//   3 an element (select work mode)            4 the edit zone otherwise
//   6 left zone, the resize handle (bottom two rows)
//   7 left zone, the collapse button (top two rows)

#include "core/LdrContext.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/tyHitRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

class clsNetStore;

class clsLdrNet : public itfStrip, public itfLdrNet {
public:
  enum enNetHitKind : std::int32_t {
    eNH_Nothing = 0,
    eNH_Header = 1,
    eNH_Element = 3,
    eNH_EditZone = 4,
    eNH_Resizer = 6,
    eNH_Collapse = 7,
  };
  static constexpr std::int32_t kMaxHeight = 40;
  static constexpr std::int32_t kMinHeight = 5;

  explicit clsLdrNet(LdrContext& ctx);
  ~clsLdrNet() override;

  // --- itfStrip -------------------------------------------------------------
  clsPropertyBag GetPropertyBag() override;
  void SetPropertyBag(const clsPropertyBag& pPropBag) override;
  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override;
  std::int32_t Left() override { return mLeft; }
  void SetLeft(std::int32_t value) override { mLeft = value; }
  std::int32_t Height() override { return mHeight; }
  void SetHeight(std::int32_t value) override;
  std::int32_t MinHeight() override;
  std::int32_t MaxHeight() override { return kMaxHeight; }
  std::int32_t SeqNum() override { return mSeqNum; }
  void SetSeqNum(std::int32_t value) override { mSeqNum = value; }
  std::int32_t StripID() override { return mStripID; }
  bool IsSelected() override { return mIsSelected; }
  void SetIsSelected(bool value) override;
  std::string StripNote() override { return mStripNote; }
  void SetStripNote(const std::string& value) override { mStripNote = value; }
  void SetWorkMode(std::int32_t value) override { mWorkMode = value; }
  void RefreshOperand(std::int32_t pOpType, std::int32_t pOpAddress, std::int32_t pNetworkID) override;
  void Load(db::Recordset& pRsStrips) override;
  void QueryProcess(itfProcessControl& pProcessControl) override;
  void RightMouseUp() override;
  void ToolRequest(const std::string& pToolID) override;
  void SpecialToolRequest(const std::string& pToolID) override;
  void DoubleClick(itfProcessControl& pProcessControl) override;
  void Draw(gdi::DeviceContext& pLeftHDC, gdi::DeviceContext& pBoardHDC, tyGdiResources& pGdiResources) override;
  void ClearHitTestResults() override { mHitRecord.HitKind = eNH_Nothing; }
  void HitTestByPoint(tyHitRecord& pHitData) override;
  tyHitRecord GetHitParameters() override { return mHitRecord; }
  tyRect GetBoundingRect() override;
  tyRect GetEditBoundingRect() override;
  std::shared_ptr<itfStrip> GetReplica() override;
  void AddToDB(std::int32_t pFuncID) override;
  void DeleteFromDB() override;
  void PrintStrip(gdi::DeviceContext& pHdc) override;
  bool IsContainNonDeletableElements() override;

  // --- itfLdrNet ------------------------------------------------------------
  std::shared_ptr<itfLdrElement> ActiveElement() override { return mActiveElement; }
  void SetShowNum(std::int32_t value) override { mShowNum = value; }
  bool CompileDirtyBit() override;
  void SetCompileDirtyBit(bool value) override;
  std::int32_t IsCompilable() override { return mIsCompilable; }
  void SetIsCompilable(std::int32_t value) override;
  bool IsReturnStrip() override { return mIsReturnStrip; }
  void SetIsReturnStrip(bool value) override;
  std::shared_ptr<ElementCollection> GetAllElements() override { return mElements; }
  std::shared_ptr<ElementCollection> GetSelectedElements() override;
  std::shared_ptr<ElementCollection> GetUnSelectedElements() override;
  void UnSelectAllLadderElements() override;
  void AppendTestValue(const std::shared_ptr<clsVirtualController>& pVirtualController) override;
  void AddLadderElement(const std::shared_ptr<itfLdrElement>& pLadderElement, std::int32_t pExtendHeight) override;
  void AddLadderElements(const ElementCollection& pElements, std::int32_t pRequestHeight) override;
  void DeleteSelectedElements() override;
  std::shared_ptr<ElementCollection> GetElementsCollectionForCompiler(std::int32_t pLdrNetID) override;
  void ReloadAllElements() override;
  std::shared_ptr<clsOperand> HighLightOperand(std::int32_t pElementID, std::int32_t pInIdx,
                                               std::int32_t pOutIdx) override;
  bool ReplaceOperand(std::int32_t pElementID, std::int32_t pInIdx, std::int32_t pOutIdx, std::int32_t pOpNetworkID,
                      std::int32_t pOpType, std::int32_t pOpAddr) override;
  std::shared_ptr<clsOperand> GetElementSelectedOperand() override;
  void MarkElement(std::int32_t ElementID) override;
  void UnSelectAllOperandsInNet() override;
  void RemoveElementsOnDrag() override;
  void AddElementsOnDrag(const ElementCollection& Elements) override;
  void KeyPress(std::int32_t KeyCode, itfOperandsKeyHandler& oOpHandler) override;
  std::shared_ptr<itfLdrElement> GetElementWithSelectedOperand() override;
  void SyncCompileDirtyBitWithDb() override;
  void SelectPastedElements() override;
  void SelectDeletedElements(const std::string& IDs) override;
  bool IsCollapsed() override { return mIsCollapsed; }
  void SetIsCollapsed(bool value) override;
  std::int32_t OrgHeight() override { return mOrgHeight; }
  void SetOrgHeight(std::int32_t value) override;

  // --- beyond the contracts -------------------------------------------------
  std::int32_t ShowNum() const { return mShowNum; }
  std::int32_t WorkMode() const { return mWorkMode; }
  bool ShowPowerFlow() const { return mShowPowerFlow; }
  bool PowerRail() const { return mPowerRail; }
  const std::vector<std::uint8_t>& JunctionsInfo() const { return mJunctionsInfo; }
  void SetJunctionsInfo(std::vector<std::uint8_t> value) { mJunctionsInfo = std::move(value); }

private:
  db::Connection& Db();
  clsNetStore Store();
  bool OnLine() const;
  void ReportError(int code, const std::string& title, const std::string& message, const std::string& procedure);
  void ShowMessageBox(const std::string& text);

  void ReadRow(db::Recordset& rs);
  void CreateMissingReturnElement();
  void LoadElements();
  std::int32_t LowestElementBottom();
  void MoveAllElements(std::int32_t dy);
  // Moves the elements up to the first row, shrinks the net to the rows they
  // use (in the database) and has the subroutine loaded again.
  void FitHeightToElements();
  static void CommitMove(itfLdrElement& element, std::int32_t dx, std::int32_t dy);
  void SetPowerFlowDisplay(bool value);
  void MarkNetDirtyFromElements();
  void DrawJunctions(gdi::DeviceContext& board, tyGdiResources& resources);
  bool HitInside(const tyHitRecord& hit, std::int32_t x, std::int32_t y) const;
  std::int32_t LeftZoneKind(const tyHitRecord& hit, std::int32_t y) const;
  std::int32_t EditZoneKind(tyHitRecord& hit);
  std::shared_ptr<itfLdrElement> FindElement(std::int32_t elementID) const;
  std::shared_ptr<ElementCollection> ElementsWhere(bool selected) const;
  bool MoveSelectedByKey(std::int32_t KeyCode);
  std::string NewElementKey(itfLdrElement& element) const;

  LdrContext& mCtx;
  std::int32_t mStripID = 0;
  std::int32_t mSeqNum = 0;
  std::int32_t mShowNum = 0;
  std::int32_t mTop = 0;
  std::int32_t mLeft = 0;
  std::int32_t mHeight = 14;
  std::string mStripNote;
  tyHitRecord mHitRecord;
  std::int32_t mWorkMode = 0;
  bool mIsSelected = false;
  bool mPowerRail = false;
  std::int32_t mIsCompilable = -1;
  bool mCompileDirtyBit = false;
  bool mIsReturnStrip = false;
  bool mShowPowerFlow = false;
  bool mIsCollapsed = false;
  std::int32_t mOrgHeight = 0;
  std::vector<std::uint8_t> mJunctionsInfo;
  std::shared_ptr<ElementCollection> mElements;
  std::shared_ptr<itfLdrElement> mActiveElement;
};

} // namespace ldr
