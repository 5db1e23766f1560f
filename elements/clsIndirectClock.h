#pragma once
// Indirect clocks (types 800 to 804): the clock box whose range comes from
// two input operands, the from-value (A) and the to-value (B), written in
// the box. The number of inputs is stored with the element.

#include "elements/ClockBox.h"

namespace ldr {

class clsIndirectClock : public ClockBox {
public:
  using ClockBox::ClockBox;
  const char* ClassName() const override { return "clsIndirectClock"; }

  static constexpr std::int32_t kInputs = 2;

  std::int32_t NumberOfInputs() override { return mNumberOfInputs; }
  void SetNumberOfInputs(std::int32_t value) override { mNumberOfInputs = value; }
  bool InitOperandsData(bool dummy) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsIndirectClock>(mCtx); }
  OperandDisplay SlotDisplay(bool isInput, std::int32_t slot) const override;
  db::FieldList StoredColumns() override;
  void ReadFamilyColumns(const FieldReader& field) override;
  void ReadFamilyProperties(const PropertyBag& bag) override;
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources*) override { DrawRangeLabels(hdc); }

private:
  std::int32_t mNumberOfInputs = 0;
};

} // namespace ldr
