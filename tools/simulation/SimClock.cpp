#include "tools/simulation/SimClock.h"

#include <cstdio>

namespace ldr::sim {

namespace {

using namespace std::chrono;

// Two decimal digits written as one hex byte (0x17 reads 17).
long HexDecimal(unsigned long value, int shift, int digits) {
  long result = 0;
  for (int i = digits - 1; i >= 0; --i) result = result * 10 + static_cast<long>((value >> (shift + 4 * i)) & 0xF);
  return result;
}

bool FlagSet(long setting, unsigned bit) { return bit < 32 && ((static_cast<unsigned long>(setting) >> bit) & 1U); }

} // namespace

SimClock::SimClock() {
  mStart = sys_days{year{2026} / January / 1};
  mNow = mStart;
}

bool SimClock::SetStart(const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char end = 0;
  const int read = std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &end);
  if (read != 5 && read != 6) return false;
  const year_month_day date{year{y} / month{static_cast<unsigned>(mo)} / day{static_cast<unsigned>(d)}};
  if (!date.ok() || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 || s < 0) return false;
  mStart = sys_days{date} + hours{h} + minutes{mi} + seconds{s};
  mNow = mStart;
  return true;
}

bool SimClock::InRange(long elementType, long setting) const {
  const auto day = floor<days>(mNow);
  const year_month_day date{day};
  const hh_mm_ss time{mNow - day};
  const unsigned long bits = static_cast<std::uint32_t>(setting);
  switch (elementType) {
  case 700: {
    const long now = time.hours().count() * 60 + time.minutes().count();
    const long from = HexDecimal(bits, 24, 2) * 60 + HexDecimal(bits, 16, 2);
    const long to = HexDecimal(bits, 8, 2) * 60 + HexDecimal(bits, 0, 2);
    return from <= to ? (now >= from && now <= to) : (now >= from || now <= to);
  }
  case 701:
    return FlagSet(setting, weekday{day}.c_encoding());
  case 702:
    return FlagSet(setting, static_cast<unsigned>(date.day()) - 1);
  case 703:
    return FlagSet(setting, static_cast<unsigned>(date.month()) - 1);
  case 704: {
    const long now = static_cast<int>(date.year());
    return now >= HexDecimal(bits, 16, 4) && now <= HexDecimal(bits, 0, 4);
  }
  default:
    return false;
  }
}

} // namespace ldr::sim
