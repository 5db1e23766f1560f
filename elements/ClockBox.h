#pragma once
// What the direct and indirect clocks share: the clock box (nine rows high,
// thirteen columns wide, nineteen for the days of the month, no pins), its
// header and title, and the range texts written in it.

#include "elements/BoxElement.h"

namespace ldr {

class ClockBox : public BoxElement {
public:
  using BoxElement::BoxElement;

  // Where a host chooses the twelve-hour display of the hour clocks.
  static constexpr long kSettingsSection = 6000;
  static constexpr long kTwelveHourKey = 6020;

  std::int32_t Height() override { return 9; }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }

  // The clock kind of a type: 0 hour, 1 weekday, 2 day of month, 3 month, 4 year.
  static int KindOf(std::int32_t elementType) { return elementType % 100; }

protected:
  static constexpr int kLabelX = 20;
  static constexpr int kValueX = 110;
  static constexpr int kFromY = 35;
  static constexpr int kToY = 70;

  // The day-of-month boxes are wider: their header and their 31 days need it.
  std::int32_t Width() override { return IsWide() ? 19 : 13; }
  BoxFrame Frame() const override { return {14, IsWide() ? 253 : 141, 105, 0}; }
  bool IsWide() const;
  std::vector<BoxPin> Pins() const override { return {}; }
  std::string Header() override;
  // A selected clock writes its title in white on the band.
  bool WhiteTitle() const override { return mIsSelected; }
  bool TwelveHourDisplay() const;
  // "FROM:" and "TO:" (the year clocks without colons) on the two value rows.
  void DrawRangeLabels(gdi::DeviceContext& hdc);
};

} // namespace ldr
