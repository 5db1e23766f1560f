#pragma once
// Timers and counters of a simulated program, by operand slot. Their bit
// (what a contact on T or C reads) is kept in the memory; preset and current
// value are kept here. Times are milliseconds of the simulated clock.
//   On-delay timer: a scan in which its coil has power adds the scan time at
//   the scan's end, up to the preset; its bit is on once current >= preset.
//   A scan in which its coil has no power clears it.
//   Counter: counts up on each rising edge of its coil's power; its bit is on
//   while current >= preset. A reset coil clears timers and counters.

#include "tools/simulation/SimMemory.h"

#include <cstdint>
#include <vector>

namespace ldr::sim {

class TimerBank {
public:
  explicit TimerBank(SimMemory& memory);

  void Reset();
  void DriveTimer(const OperandRef& timer, bool power);
  void CountUp(const OperandRef& counter);
  void Clear(const OperandRef& timerOrCounter);

  std::int64_t Preset(const OperandRef& ref) const;
  std::int64_t Current(const OperandRef& ref) const;
  void SetPreset(const OperandRef& ref, std::int64_t value);
  void SetCurrent(const OperandRef& ref, std::int64_t value);

  // Adds the scan time to every timer whose coil had power in this scan.
  void EndOfScan(std::int64_t elapsedMs);

private:
  struct tyState {
    std::int64_t Preset = 0;
    std::int64_t Current = 0;
    bool Running = false;
  };
  tyState* StateOf(const OperandRef& ref);
  const tyState* StateOf(const OperandRef& ref) const;
  void UpdateBit(const OperandRef& ref);
  void Grow();

  SimMemory& mMemory;
  std::vector<tyState> mStates; // by slot
};

} // namespace ldr::sim
