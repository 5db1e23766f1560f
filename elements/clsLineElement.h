#pragma once
// The horizontal and vertical wire pieces of a net (types 100, 101 and 102,
// the type a line is created under). A line has a start point and an extent
// (Dx, Dy), one of them 0; its type follows from the extent. It has no
// operands and connects to other elements only by geometry.

#include "elements/ElementBase.h"

namespace ldr {

class clsLineElement : public ElementBase {
public:
  using ElementBase::ElementBase;
  const char* ClassName() const override { return "clsLineElement"; }

  // The type a line of extent `delta` has: 100 mostly horizontal, 101
  // vertical, 0 without extent.
  static enElementType TypeOfExtent(const tyLdrPoint& delta);

  void SetShowPowerFlow(bool value) override { mShowPowerFlow = value; }
  bool ShowPowerFlow() const { return mShowPowerFlow; }
  std::shared_ptr<Operand> ActiveOperand() override { return nullptr; }
  enElementType ClassType() override;
  void SetClassType(enElementType) override { NotSupported("ClassType"); }
  bool IsLineElement() override { return true; }
  void SetXe(std::int32_t value) override;
  void SetYe(std::int32_t value) override;
  tyLdrPoint Outlet() override { return mPosition[kStored] + mExtent[kStored]; }
  tyLdrPoint Delta() override { return mExtent[kStored]; }
  void SetOutlet(const tyLdrPoint& value) override;
  enFLOW_DIRECTION FlowDirection() override { return mLineFlowDirection; }
  void SetFlowDirection(enFLOW_DIRECTION value) override { mLineFlowDirection = value; }
  std::int32_t Height() override;
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  std::shared_ptr<OperandSlots> InputOperands() override { return nullptr; }
  std::shared_ptr<OperandSlots> OutputOperands() override { return nullptr; }
  std::int32_t NumberOfInputs() override { NotSupported("NumberOfInputs"); }
  void SetNumberOfInputs(std::int32_t) override { NotSupported("NumberOfInputs"); }
  std::int32_t NumberOfOutputs() override { NotSupported("NumberOfOutputs"); }
  void SetNumberOfOutputs(std::int32_t) override { NotSupported("NumberOfOutputs"); }
  std::shared_ptr<Operand> HighLightOperand(std::int32_t, std::int32_t) override { return nullptr; }
  bool ReplaceOperand(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override { return false; }
  void RefreshOperand(std::int32_t, std::int32_t, std::int32_t) override {}
  Rect GetBoundingRect() override;
  void Stretch(std::int32_t Dx, std::int32_t Dy) override;
  void HitTestByPoint(HitRecord& hitData) override;
  bool InitOperandsData(bool) override { NotSupported("InitOperandsData"); }
  void AppendTestValue(const std::shared_ptr<VirtualController>&) override {}
  void RightMouseUp() override;
  void QueryForUpdateOfOperandData() override { NotSupported("QueryForUpdateOfOperandData"); }
  bool IsEnableInEnableOut() override { return true; }

  // Extent descriptor `index` (1 to 4).
  const tyLdrPoint& ExtentDescriptor(int index) const { return mExtent.at(static_cast<std::size_t>(index)); }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsLineElement>(mCtx); }
  bool HasOperands() const override { return false; }
  db::FieldList StoredColumns() override;
  void ReadFamilyColumns(const FieldReader& field) override;
  void WriteFamilyProperties(PropertyBag& bag) override;
  void ReadFamilyProperties(const PropertyBag& bag) override;
  void CopyDescriptor(int from, int to) override;
  void NormaliseStoredDescriptor() override;
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) override;

private:
  void DrawFlowArrow(gdi::DeviceContext& hdc);

  std::array<tyLdrPoint, 5> mExtent{};
  enFLOW_DIRECTION mLineFlowDirection = eFD_None;
  bool mShowPowerFlow = false;
};

} // namespace ldr
