#include "elements/clsDirectClock.h"

#include "elements/ClockSetting.h"
#include "outside/HostServices.h"
#include "platform/drawing/DeviceContext.h"

#include <algorithm>

namespace ldr {

void clsDirectClock::SetMoreParamsLng(std::int32_t value) {
  const int kind = KindOf(mClassType);
  mSetting = ClockSetting::IsValid(kind, value) ? value : ClockSetting::DefaultValue(kind);
}

db::FieldList clsDirectClock::StoredColumns() {
  auto columns = ElementBase::StoredColumns();
  columns.push_back({"MoreParamsLng", static_cast<long>(mSetting)});
  return columns;
}

void clsDirectClock::ReadFamilyColumns(const FieldReader& field) {
  const db::DbValue stored = field("MoreParamsLng");
  if (stored.IsNull()) {
    mSetting = ClockSetting::DefaultValue(KindOf(mClassType));
  } else {
    SetMoreParamsLng(static_cast<std::int32_t>(stored.AsLong()));
  }
}

void clsDirectClock::WriteFamilyProperties(PropertyBag& bag) {
  bag.WriteProperty("ClockOperand", static_cast<long>(mSetting));
}

void clsDirectClock::ReadFamilyProperties(const PropertyBag& bag) {
  SetMoreParamsLng(static_cast<std::int32_t>(bag.ReadProperty("ClockOperand", 0).AsLong()));
}

bool clsDirectClock::InitOperandsData(bool dummy) {
  mSetting = ClockSetting::DefaultValue(KindOf(mClassType));
  if (dummy) return true;
  if (!AskSetting()) return false;
  if (mObjectID >= 0) UpdateDB();
  return true;
}

bool clsDirectClock::AskSetting() {
  const int kind = KindOf(mClassType);
  std::string current = ClockSetting::EntryText(kind, mSetting);
  for (;;) {
    const auto answer = mCtx.Host->Dialogs->AskConfiguration(mClassType, current);
    if (!answer) return false;
    std::string problem;
    if (const auto value = ClockSetting::ParseEntry(kind, *answer, problem)) {
      mSetting = *value;
      return true;
    }
    mCtx.Host->Messages->ShowMessageBox(problem);
    current = *answer;
  }
}

void clsDirectClock::DrawInside(gdi::DeviceContext& hdc, const GdiResources*) {
  const int kind = KindOf(mClassType);
  if (kind == ClockSetting::kHour || kind == ClockSetting::kYear) {
    DrawRangeLabels(hdc);
    std::string from;
    std::string to;
    if (kind == ClockSetting::kHour) {
      const auto hours = ClockSetting::DecodeHours(mSetting);
      from = ClockSetting::TimeText(hours.FromHour, hours.FromMinute, TwelveHourDisplay());
      to = ClockSetting::TimeText(hours.ToHour, hours.ToMinute, TwelveHourDisplay());
    } else {
      const auto years = ClockSetting::DecodeYears(mSetting);
      from = std::to_string(years[0]);
      to = std::to_string(years[1]);
      from.insert(0, 4 - std::min<std::size_t>(4, from.size()), '0');
      to.insert(0, 4 - std::min<std::size_t>(4, to.size()), '0');
    }
    CentredText(hdc, kValueX, kFromY, from);
    CentredText(hdc, kValueX, kToY, to);
    return;
  }
  gdi::Rect area{Frame().Left + 4, kDividerY + 6, Frame().Right - 4, Frame().Bottom - 2};
  hdc.DrawText(ClockSetting::FlagsText(kind, mSetting), area, gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_NOPREFIX);
}

} // namespace ldr
