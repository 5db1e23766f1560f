#include "elements/ClockSetting.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace ldr {
namespace {

constexpr std::int32_t kAllDay = 0x00002359;
constexpr std::int32_t kCentury = 0x20002099;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kNoon = 12;
constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

bool ValidHours(const ClockSetting::ClockHours& h) {
  return h.FromHour >= 0 && h.FromHour < kHoursPerDay && h.ToHour >= 0 && h.ToHour < kHoursPerDay &&
         h.FromMinute >= 0 && h.FromMinute < kMinutesPerHour && h.ToMinute >= 0 && h.ToMinute < kMinutesPerHour;
}

// Whole numbers separated by `separator`; nothing when another character is there.
std::optional<std::vector<int>> Numbers(const std::string& text, char separator) {
  std::vector<int> numbers;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) {
    const auto first = part.find_first_not_of(' ');
    const auto last = part.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    part = part.substr(first, last - first + 1);
    if (part.size() > 4 || part.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    numbers.push_back(std::stoi(part));
  }
  return numbers;
}

} // namespace

std::optional<std::int64_t> ClockSetting::DecimalOfHexDigits(std::int32_t value) {
  std::int64_t decimal = 0;
  for (int shift = 28; shift >= 0; shift -= 4) {
    const int digit = static_cast<int>((static_cast<std::uint32_t>(value) >> shift) & 0xF);
    if (digit > 9) return std::nullopt;
    decimal = decimal * 10 + digit;
  }
  return decimal;
}

std::int32_t ClockSetting::HexDigitsOfDecimal(std::int64_t decimal) {
  std::uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 4) {
    value |= static_cast<std::uint32_t>(decimal % 10) << shift;
    decimal /= 10;
  }
  return static_cast<std::int32_t>(value);
}

int ClockSetting::FlagCount(int kind) {
  switch (kind) {
  case kWeekday:
    return static_cast<int>(kWeekdays.size());
  case kDayOfMonth:
    return 31;
  case kMonth:
    return static_cast<int>(kMonths.size());
  default:
    return 0;
  }
}

std::int32_t ClockSetting::DefaultValue(int kind) {
  if (kind == kHour) return kAllDay;
  if (kind == kYear) return kCentury;
  return 0;
}

bool ClockSetting::IsValid(int kind, std::int32_t value) {
  if (kind == kHour || kind == kYear) {
    if (!DecimalOfHexDigits(value)) return false;
    return kind == kYear || ValidHours(DecodeHours(value));
  }
  const int count = FlagCount(kind);
  if (count == 0) return false;
  return count >= 32 || (static_cast<std::uint32_t>(value) >> count) == 0;
}

std::int32_t ClockSetting::EncodeHours(const ClockHours& h) {
  return HexDigitsOfDecimal(((h.FromHour * 100LL + h.FromMinute) * 100 + h.ToHour) * 100 + h.ToMinute);
}

ClockSetting::ClockHours ClockSetting::DecodeHours(std::int32_t value) {
  const std::int64_t d = DecimalOfHexDigits(value).value_or(0);
  return {static_cast<int>(d / 1000000), static_cast<int>(d / 10000 % 100), static_cast<int>(d / 100 % 100),
          static_cast<int>(d % 100)};
}

std::int32_t ClockSetting::EncodeYears(int from, int to) { return HexDigitsOfDecimal(from * 10000LL + to); }

std::array<int, 2> ClockSetting::DecodeYears(std::int32_t value) {
  const std::int64_t d = DecimalOfHexDigits(value).value_or(0);
  return {static_cast<int>(d / 10000), static_cast<int>(d % 10000)};
}

std::string ClockSetting::TimeText(int hour, int minute, bool twelveHour) {
  if (!twelveHour) return TwoDigits(hour) + ":" + TwoDigits(minute);
  const int shown = hour % kNoon == 0 ? kNoon : hour % kNoon;
  return TwoDigits(shown) + ":" + TwoDigits(minute) + (hour < kNoon ? "am" : "pm");
}

std::string ClockSetting::EntryText(int kind, std::int32_t value) {
  if (kind == kHour) {
    const ClockHours h = DecodeHours(value);
    return TimeText(h.FromHour, h.FromMinute, false) + "-" + TimeText(h.ToHour, h.ToMinute, false);
  }
  if (kind == kYear) {
    const auto years = DecodeYears(value);
    return std::to_string(years[0]) + "-" + std::to_string(years[1]);
  }
  std::string text;
  for (int number = 1; number <= FlagCount(kind); ++number)
    if (HasFlag(value, number)) text += (text.empty() ? "" : ",") + std::to_string(number);
  return text;
}

std::optional<std::int32_t> ClockSetting::ParseEntry(int kind, const std::string& text, std::string& problem) {
  if (kind == kHour) {
    int fromH = 0, fromM = 0, toH = 0, toM = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d:%d-%d:%d%c", &fromH, &fromM, &toH, &toM, &tail) != 4) {
      problem = "Enter the hours as hh:mm-hh:mm";
      return std::nullopt;
    }
    const ClockHours entered{fromH, fromM, toH, toM};
    if (!ValidHours(entered)) {
      problem = "Hours run from 00:00 to 23:59";
      return std::nullopt;
    }
    return EncodeHours(entered);
  }
  if (kind == kYear) {
    const auto years = Numbers(text, '-');
    if (!years || years->size() != 2) {
      problem = "Enter the years as yyyy-yyyy";
      return std::nullopt;
    }
    return EncodeYears((*years)[0], (*years)[1]);
  }
  const int count = FlagCount(kind);
  std::uint32_t flags = 0;
  if (!text.empty()) {
    const auto numbers = Numbers(text, ',');
    if (!numbers) {
      problem = "Enter the numbers separated by commas";
      return std::nullopt;
    }
    for (const int number : *numbers) {
      if (number < 1 || number > count) {
        problem = "Numbers run from 1 to " + std::to_string(count);
        return std::nullopt;
      }
      flags |= 1U << (number - 1);
    }
  }
  return static_cast<std::int32_t>(flags);
}

std::string ClockSetting::FlagsText(int kind, std::int32_t value) {
  std::string text;
  for (int number = 1; number <= FlagCount(kind); ++number) {
    if (!HasFlag(value, number)) continue;
    std::string name = std::to_string(number);
    if (kind == kWeekday) name = kWeekdays[static_cast<std::size_t>(number - 1)];
    if (kind == kMonth) name = kMonths[static_cast<std::size_t>(number - 1)];
    text += (text.empty() ? "" : " ") + name;
  }
  return text;
}

} // namespace ldr
