#pragma once
// A ladder net: one rung of a subroutine with its number, its left zone
// (number, compile mark, collapse button, resize handle, left power rail) and
// its edit zone of elements on the grid. It loads its elements, draws itself,
// classifies mouse hits, chooses the editing process for a press, keeps its
// LdrStrips row up to date and owns its elements' collection.
//
// Hit kinds: nothing (outside, or the return strip); in the left zone the
// collapse button (top two rows), the resize handle (bottom two rows) or the
// header; in the edit zone an element (select work mode) or the body.

#include "core/NetHeightLimits.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfLdrNet.h"
#include "strips/StripBase.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

class NetStore;

class clsLdrNet : public StripBase, public itfLdrNet {
public:
  static constexpr std::int32_t kMaxHeight = kNetMaxRows;
  static constexpr std::int32_t kMinHeight = kNetMinRows;

  explicit clsLdrNet(LdrContext& ctx);
  ~clsLdrNet() override;

  // --- itfStrip -------------------------------------------------------------
  PropertyBag GetPropertyBag() override;
  void SetPropertyBag(const PropertyBag& propBag) override;
  std::int32_t Height() override { return mHeight; }
  void SetHeight(std::int32_t value) override;
  std::int32_t MinHeight() override;
  std::int32_t MaxHeight() override { return kMaxHeight; }
  void RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) override;
  void Load(db::Recordset& rsStrips) override;
  void QueryProcess(itfProcessControl& processControl) override;
  void RightMouseUp() override;
  void ToolRequest(const std::string& toolID) override;
  void SpecialToolRequest(const std::string& toolID) override;
  void DoubleClick(itfProcessControl& processControl) override;
  void Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) override;
  void HitTestByPoint(HitRecord& hitData) override;
  void AddToDB(std::int32_t funcID) override;
  void DeleteFromDB() override;
  void PrintStrip(gdi::DeviceContext& hdc) override;
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
  void AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) override;
  void AddLadderElement(const std::shared_ptr<itfLdrElement>& ladderElement, std::int32_t extendHeight) override;
  void AddLadderElements(const ElementCollection& elements, std::int32_t requestHeight) override;
  void DeleteSelectedElements() override;
  std::shared_ptr<ElementCollection> GetElementsCollectionForCompiler(std::int32_t ldrNetID) override;
  void ReloadAllElements() override;
  std::shared_ptr<Operand> HighLightOperand(std::int32_t elementID, std::int32_t inIdx, std::int32_t outIdx) override;
  bool ReplaceOperand(std::int32_t elementID, std::int32_t inIdx, std::int32_t outIdx, std::int32_t opNetworkID,
                      std::int32_t opType, std::int32_t opAddr) override;
  std::shared_ptr<Operand> GetElementSelectedOperand() override;
  void MarkElement(std::int32_t ElementID) override;
  void UnSelectAllOperandsInNet() override;
  void RemoveElementsOnDrag() override;
  void AddElementsOnDrag(const ElementCollection& Elements) override;
  void KeyPress(std::int32_t KeyCode, OperandsKeyHandler& opHandler) override;
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
  bool ShowPowerFlow() const { return mShowPowerFlow; }
  bool PowerRail() const { return mPowerRail; }
  const std::vector<std::uint8_t>& JunctionsInfo() const { return mJunctionsInfo; }
  void SetJunctionsInfo(std::vector<std::uint8_t> value) { mJunctionsInfo = std::move(value); }

private:
  std::int32_t EditZoneWidth() const override { return LDR_EDIT_WIDTH; }
  std::int32_t LeftZoneHit(const HitRecord& hit, std::int32_t y) override;
  std::int32_t BodyHit(const HitRecord& hit, std::int32_t x, std::int32_t y) override;
  std::shared_ptr<StripBase> NewBlank() const override { return std::make_shared<clsLdrNet>(mCtx); }
  void TakePlaceOf(const StripBase& original) override;

  NetStore Store();
  void ReportError(int code, const std::string& title, const std::string& message, const std::string& procedure);
  void ShowMessageBox(const std::string& text);

  void ReadRow(db::Recordset& rs);
  void KeepHeightsInLimits();
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
  void DrawJunctions(gdi::DeviceContext& board, GdiResources& resources);
  std::shared_ptr<itfLdrElement> FindElement(std::int32_t elementID) const;
  std::shared_ptr<ElementCollection> ElementsWhere(bool selected) const;
  bool MoveSelectedByKey(std::int32_t KeyCode);
  std::string NewElementKey(itfLdrElement& element) const;

  std::int32_t mShowNum = 0;
  std::int32_t mHeight = 14;
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
