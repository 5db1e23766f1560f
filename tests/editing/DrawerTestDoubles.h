#pragma once
// Strips and elements that draw plain marks, for the drawer's tests: a strip
// paints its rows in its own colour on both boards and remembers how it was
// drawn; a net holds marker elements that paint one grid cell each.

#include "elements/ElementBase.h"
#include "interfaces/itfLdrComment.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/GdiResources.h"
#include "platform/drawing/DeviceContext.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

// One grid cell (14 x 14 pixels) below and right of the element's inlet, in
// the element's colour.
class MarkerElement : public ElementBase {
public:
  MarkerElement(LdrContext& ctx, std::int32_t id, std::int32_t x, std::int32_t y, gdi::COLORREF color)
      : ElementBase(ctx), mColor(color) {
    mObjectID = id;
    mClassType = eET_DirectContact;
    SetXs(x);
    SetYs(y);
  }
  const char* ClassName() const override { return "MarkerElement"; }
  bool InitOperandsData(bool) override { return true; }
  int Draws = 0;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<MarkerElement>(mCtx, 0, 0, 0, mColor); }
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources*) override {
    ++Draws;
    hdc.FillRect({0, 0, 14, 14}, gdi::Brush::Solid(mColor));
  }

private:
  gdi::COLORREF mColor;
};

// A strip that paints its rows: x 28 to 770 on the right board and 0 to 28
// on the left, from its top row line + 1 down to its bottom row line.
class FakeStrip : public itfStrip {
public:
  FakeStrip(std::int32_t id, std::int32_t top, std::int32_t height, gdi::COLORREF color)
      : mID(id), mTop(top), mHeight(height), mColor(color) {}

  int Draws = 0;
  std::vector<std::int32_t> LeftAtDraw;

  PropertyBag GetPropertyBag() override { return {}; }
  void SetPropertyBag(const PropertyBag&) override {}
  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override { return mLeft + 2; }
  std::int32_t Left() override { return mLeft; }
  void SetLeft(std::int32_t value) override { mLeft = value; }
  std::int32_t Height() override { return mHeight; }
  void SetHeight(std::int32_t value) override { mHeight = value; }
  std::int32_t MinHeight() override { return 1; }
  std::int32_t MaxHeight() override { return 40; }
  std::int32_t SeqNum() override { return mID; }
  void SetSeqNum(std::int32_t) override {}
  std::int32_t StripID() override { return mID; }
  bool IsSelected() override { return false; }
  void SetIsSelected(bool) override {}
  std::string StripNote() override { return {}; }
  void SetStripNote(const std::string&) override {}
  void SetWorkMode(std::int32_t) override {}
  void RefreshOperand(std::int32_t, std::int32_t, std::int32_t) override {}
  void Load(db::Recordset&) override {}
  void QueryProcess(itfProcessControl&) override {}
  void RightMouseUp() override {}
  void ToolRequest(const std::string&) override {}
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick(itfProcessControl&) override {}
  void Draw(gdi::DeviceContext& left, gdi::DeviceContext& board, GdiResources&) override {
    ++Draws;
    LeftAtDraw.push_back(mLeft);
    const gdi::Brush brush = gdi::Brush::Solid(mColor);
    board.FillRect({28, 14 * mTop + 1, 770, 14 * (mTop + mHeight) + 1}, brush);
    left.FillRect({0, 14 * mTop + 1, 28, 14 * (mTop + mHeight) + 1}, brush);
  }
  void ClearHitTestResults() override {}
  void HitTestByPoint(HitRecord&) override {}
  HitRecord GetHitParameters() override { return {}; }
  Rect GetBoundingRect() override { return {mLeft, mTop, mLeft + 54, mTop + mHeight}; }
  Rect GetEditBoundingRect() override { return {mLeft + 2, mTop, mLeft + 54, mTop + mHeight}; }
  std::shared_ptr<itfStrip> GetReplica() override { return nullptr; }
  void AddToDB(std::int32_t) override {}
  void DeleteFromDB() override {}
  void PrintStrip(gdi::DeviceContext&) override {}
  bool IsContainNonDeletableElements() override { return false; }

private:
  std::int32_t mID;
  std::int32_t mTop;
  std::int32_t mLeft = 0;
  std::int32_t mHeight;
  gdi::COLORREF mColor;
};

class FakeComment : public FakeStrip, public itfLdrComment {
public:
  using FakeStrip::FakeStrip;
  std::string Comment() override { return {}; }
  void SetComment(const std::string&) override {}
};

class FakeNet : public FakeStrip, public itfLdrNet {
public:
  using FakeStrip::FakeStrip;

  bool Collapsed = false;
  bool ReturnStrip = false;
  void Add(const std::shared_ptr<itfLdrElement>& element) { mElements->Add(element->ObjectID(), element); }

  std::shared_ptr<itfLdrElement> ActiveElement() override { return nullptr; }
  void SetShowNum(std::int32_t) override {}
  bool CompileDirtyBit() override { return false; }
  void SetCompileDirtyBit(bool) override {}
  std::int32_t IsCompilable() override { return -1; }
  void SetIsCompilable(std::int32_t) override {}
  bool IsReturnStrip() override { return ReturnStrip; }
  void SetIsReturnStrip(bool value) override { ReturnStrip = value; }
  std::shared_ptr<ElementCollection> GetAllElements() override { return mElements; }
  std::shared_ptr<ElementCollection> GetSelectedElements() override { return Filtered(true); }
  std::shared_ptr<ElementCollection> GetUnSelectedElements() override { return Filtered(false); }
  void UnSelectAllLadderElements() override {}
  void AppendTestValue(const std::shared_ptr<VirtualController>&) override {}
  void AddLadderElement(const std::shared_ptr<itfLdrElement>&, std::int32_t) override {}
  void AddLadderElements(const ElementCollection&, std::int32_t) override {}
  void DeleteSelectedElements() override {}
  std::shared_ptr<ElementCollection> GetElementsCollectionForCompiler(std::int32_t) override { return nullptr; }
  void ReloadAllElements() override {}
  std::shared_ptr<Operand> HighLightOperand(std::int32_t, std::int32_t, std::int32_t) override { return nullptr; }
  bool ReplaceOperand(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
    return false;
  }
  std::shared_ptr<Operand> GetElementSelectedOperand() override { return nullptr; }
  void MarkElement(std::int32_t) override {}
  void UnSelectAllOperandsInNet() override {}
  void RemoveElementsOnDrag() override {}
  void AddElementsOnDrag(const ElementCollection&) override {}
  void KeyPress(std::int32_t, OperandsKeyHandler&) override {}
  std::shared_ptr<itfLdrElement> GetElementWithSelectedOperand() override { return nullptr; }
  void SyncCompileDirtyBitWithDb() override {}
  void SelectPastedElements() override {}
  void SelectDeletedElements(const std::string&) override {}
  bool IsCollapsed() override { return Collapsed; }
  void SetIsCollapsed(bool value) override { Collapsed = value; }
  std::int32_t OrgHeight() override { return 0; }
  void SetOrgHeight(std::int32_t) override {}

private:
  std::shared_ptr<ElementCollection> Filtered(bool selected) {
    auto result = std::make_shared<ElementCollection>();
    for (const auto& [key, element] : *mElements)
      if (element->IsSelected() == selected) result->Add(key, element);
    return result;
  }
  std::shared_ptr<ElementCollection> mElements = std::make_shared<ElementCollection>();
};

} // namespace ldr::test
