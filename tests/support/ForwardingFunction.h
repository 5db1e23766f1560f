#pragma once
// A function view the main object may own and end, which passes every call
// on to a view the test keeps (a mock, most often): the test sets its
// expectations once, however many views the main object makes.

#include "editor/itfFunction.h"

#include <memory>

namespace ldr::test {

class ForwardingFunction : public itfFunction {
public:
  explicit ForwardingFunction(std::shared_ptr<itfFunction> target) : mTarget(std::move(target)) {}

  void SetFunctionID(long funcID) override { mTarget->SetFunctionID(funcID); }
  long FunctionType() override { return mTarget->FunctionType(); }
  void SetFunctionType(long functionType) override { mTarget->SetFunctionType(functionType); }
  void SetWorkMode(long workMode) override { mTarget->SetWorkMode(workMode); }
  long VerticalScrollLocation() override { return mTarget->VerticalScrollLocation(); }
  void SetVerticalScrollLocation(long rows) override { mTarget->SetVerticalScrollLocation(rows); }
  long HorizontalScrollLocation() override { return mTarget->HorizontalScrollLocation(); }
  void SetHorizontalScrollLocation(long columns) override { mTarget->SetHorizontalScrollLocation(columns); }
  void Init() override { mTarget->Init(); }
  long RoundScrollPosition(long scrollValue) override { return mTarget->RoundScrollPosition(scrollValue); }
  void ShowScrollToolTip(long scrollValue) override { mTarget->ShowScrollToolTip(scrollValue); }
  void MouseDown(int button, int shift, long x, long y) override { mTarget->MouseDown(button, shift, x, y); }
  void MouseMove(int button, int shift, long x, long y) override { mTarget->MouseMove(button, shift, x, y); }
  void MouseUp(int button, int shift, long x, long y) override { mTarget->MouseUp(button, shift, x, y); }
  void ToolRequest(const std::string& toolID) override { mTarget->ToolRequest(toolID); }
  void SpecialToolRequest(const std::string& toolID) override { mTarget->SpecialToolRequest(toolID); }
  void DoubleClick() override { mTarget->DoubleClick(); }
  void CancelProcess() override { mTarget->CancelProcess(); }
  void EditCommand(long editCommand) override { mTarget->EditCommand(editCommand); }
  void RefreshOperand(long opType, long opAddress, long networkID) override {
    mTarget->RefreshOperand(opType, opAddress, networkID);
  }
  void Load(long funcID) override { mTarget->Load(funcID); }
  void ReLoad() override { mTarget->ReLoad(); }
  void UnSelectAll() override { mTarget->UnSelectAll(); }
  void CreateNewStrip(long stripType) override { mTarget->CreateNewStrip(stripType); }
  void AppendNewStrip(long stripType, long amount) override { mTarget->AppendNewStrip(stripType, amount); }
  void AppendTestValue(VirtualController& controller) override { mTarget->AppendTestValue(controller); }
  void CreateNewElement(long elementType) override { mTarget->CreateNewElement(elementType); }
  void ToggleWorkMode() override { mTarget->ToggleWorkMode(); }
  std::shared_ptr<Operand> HighLightOperand(long stripID, long elementID, long inIdx, long outIdx) override {
    return mTarget->HighLightOperand(stripID, elementID, inIdx, outIdx);
  }
  bool ReplaceOperand(long stripID, long elementID, long inIdx, long outIdx, long opNetworkID, long opType,
                      long opAddr) override {
    return mTarget->ReplaceOperand(stripID, elementID, inIdx, outIdx, opNetworkID, opType, opAddr);
  }
  void GetSingleSelectedElement(long& elementType, std::string& elementName) override {
    mTarget->GetSingleSelectedElement(elementType, elementName);
  }
  std::shared_ptr<Operand> GetElementSelectedOperand() override { return mTarget->GetElementSelectedOperand(); }
  void GetElementWithSelectedOperandPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) override {
    mTarget->GetElementWithSelectedOperandPos(elementPos, stripTop, foundSelection);
  }
  void GetSelectedElementPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) override {
    mTarget->GetSelectedElementPos(elementPos, stripTop, foundSelection);
  }
  std::string GetSelectedElementName() override { return mTarget->GetSelectedElementName(); }
  void KeyPress(int keyCode, int shift) override { mTarget->KeyPress(keyCode, shift); }
  long CurrentStripID() override { return mTarget->CurrentStripID(); }
  void JumpToStrip(long stripID) override { mTarget->JumpToStrip(stripID); }
  void SyncLoadedStripsWithCompileDirtyBitFromDB() override { mTarget->SyncLoadedStripsWithCompileDirtyBitFromDB(); }

private:
  std::shared_ptr<itfFunction> mTarget;
};

} // namespace ldr::test
