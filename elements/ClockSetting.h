#pragma once
// The range of a direct clock as kept in one 32-bit value (MoreParamsLng):
//   hour   the eight hexadecimal digits read as four two-digit decimals:
//          from-hour, from-minute, to-hour, to-minute (08:30 to 17:45 is
//          0x08301745)
//   year   the same with two four-digit decimals (2010 to 2020 is 0x20102020)
//   weekday, day of month, month
//          one bit per day or month: bit 0 is Sunday, the 1st or January
// and the text a user enters for it ("08:30-17:45", "2010-2020", "1,3,5").

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ldr {

class ClockSetting {
public:
  enum Kind : int { kHour = 0, kWeekday = 1, kDayOfMonth = 2, kMonth = 3, kYear = 4 };

  struct ClockHours {
    int FromHour, FromMinute, ToHour, ToMinute;
  };

  // All day, every year of the century, no day or month chosen.
  static std::int32_t DefaultValue(int kind);
  // Whether a stored value is a range of the kind (digits, hours, minutes
  // and flags in range).
  static bool IsValid(int kind, std::int32_t value);
  // How many days or months a flag kind counts (7, 31, 12); 0 otherwise.
  static int FlagCount(int kind);

  static std::int32_t EncodeHours(const ClockHours& hours);
  static ClockHours DecodeHours(std::int32_t value);
  static std::int32_t EncodeYears(int from, int to);
  static std::array<int, 2> DecodeYears(std::int32_t value);
  static bool HasFlag(std::int32_t value, int number) {
    return (static_cast<std::uint32_t>(value) >> (number - 1)) & 1U;
  }

  // "hh:mm", or in the twelve-hour display "hh:mm" with "am" or "pm".
  static std::string TimeText(int hour, int minute, bool twelveHour);
  // The text a user would enter for the value.
  static std::string EntryText(int kind, std::int32_t value);
  // The value of an entered text; nothing (and why in `problem`) when the
  // text names no valid range.
  static std::optional<std::int32_t> ParseEntry(int kind, const std::string& text, std::string& problem);
  // The chosen days or months as short names ("Sun Tue", "1 15", "Jan Mar").
  static std::string FlagsText(int kind, std::int32_t value);

private:
  // Reads the hexadecimal digits of `value` as decimal digits; nothing when
  // one is above 9.
  static std::optional<std::int64_t> DecimalOfHexDigits(std::int32_t value);
  static std::int32_t HexDigitsOfDecimal(std::int64_t decimal);
};

} // namespace ldr
