#pragma once
// The simulated real-time clock: starts at a set date and time and moves on
// by the scan time after every scan. The direct clock elements compare it
// with their setting (MoreParamsLng):
//   hour range: hex digits hhmmHHMM, on from hh:mm through the minute HH:MM
//     (00:00-23:59 is all day; a range that ends before it starts runs over
//     midnight);
//   year range: hex digits YYYYZZZZ, on for the years YYYY to ZZZZ;
//   weekdays: bit 0 Sunday … bit 6 Saturday; days of the month: bit d-1;
//   months: bit m-1.

#include <chrono>
#include <cstdint>
#include <string>

namespace ldr::sim {

class SimClock {
public:
  using TimePoint = std::chrono::sys_time<std::chrono::milliseconds>;

  SimClock();
  // "YYYY-MM-DDTHH:MM[:SS]"; false when the text is not such a time.
  bool SetStart(const std::string& text);
  void Restart() { mNow = mStart; }
  void Advance(std::int64_t milliseconds) { mNow += std::chrono::milliseconds(milliseconds); }
  TimePoint Now() const { return mNow; }

  // Whether a direct clock element of the type with the setting passes power now.
  bool InRange(long elementType, long setting) const;

private:
  TimePoint mStart;
  TimePoint mNow;
};

} // namespace ldr::sim
