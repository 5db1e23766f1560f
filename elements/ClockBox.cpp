#include "elements/ClockBox.h"

#include "outside/HostServices.h"
#include "platform/drawing/DeviceContext.h"

namespace ldr {
namespace {

constexpr int kDayOfMonth = 2;
constexpr int kYear = 4;

} // namespace

bool ClockBox::IsWide() const { return KindOf(mClassType) == kDayOfMonth; }

std::string ClockBox::Header() { return IsWide() ? "EN                 ENO" : "EN       ENO"; }

bool ClockBox::TwelveHourDisplay() const {
  return mCtx.Host->Settings && mCtx.Host->Settings->HostSetting(kSettingsSection, kTwelveHourKey, "0") == "1";
}

void ClockBox::DrawRangeLabels(gdi::DeviceContext& hdc) {
  const bool year = KindOf(mClassType) == kYear;
  hdc.TextOut(kLabelX, kFromY, year ? "FROM" : "FROM:");
  hdc.TextOut(kLabelX, kToY, year ? "TO  " : "TO:  ");
}

} // namespace ldr
