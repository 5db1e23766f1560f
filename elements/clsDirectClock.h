#pragma once
// Direct clocks (types 700 to 704): power passes while the controller's
// clock lies in the range the element holds itself (MoreParamsLng, see
// ClockSetting). No operands; the range is asked of the user when the clock
// is placed.

#include "elements/ClockBox.h"

namespace ldr {

class clsDirectClock : public ClockBox {
public:
  using ClockBox::ClockBox;
  const char* ClassName() const override { return "clsDirectClock"; }

  std::int32_t MoreParamsLng() override { return mSetting; }
  // A value that is no range of the clock's kind leaves the kind's default.
  void SetMoreParamsLng(std::int32_t value) override;
  bool InitOperandsData(bool dummy) override;

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsDirectClock>(mCtx); }
  bool HasOperands() const override { return false; }
  db::FieldList StoredColumns() override;
  void ReadFamilyColumns(const FieldReader& field) override;
  void WriteFamilyProperties(PropertyBag& bag) override;
  void ReadFamilyProperties(const PropertyBag& bag) override;
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;

private:
  // Asks for the range until the entry is valid; false when cancelled.
  bool AskSetting();

  std::int32_t mSetting = 0;
};

} // namespace ldr
