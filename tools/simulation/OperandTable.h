#pragma once
// Every operand a simulated program uses, each with a slot number for fast
// access during a scan. A bit of an integer (MIB, SIB) is a bit of its
// integer's slot, so writing either is seen by both.

#include "outside/utilities/OperandValues.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace ldr::sim {

struct OperandRef {
  int Slot = -1;
  int Bit = -1; // 0 … 15: one bit of the slot's integer
  bool Valid() const { return Slot >= 0; }
};

// How a slot holds its value.
enum class SlotWidth { Bit, Int16, Int32, UInt32, Timer, Counter, Constant };

struct tyOperandSlot {
  OperandKey Key;
  SlotWidth Width = SlotWidth::Int32;
  std::int64_t Initial = 0; // power-up value; constants: their value; timers and counters: the preset
};

class OperandTable {
public:
  // The slot of the operand, added on first use. References (labels,
  // subroutines, pages) and unknown types give an invalid reference.
  OperandRef Add(const OperandKey& key);
  std::optional<OperandRef> Find(const OperandKey& key) const;
  void SetInitial(const OperandKey& key, std::int64_t value);

  const std::vector<tyOperandSlot>& Slots() const { return mSlots; }
  // The bit-of-integer operands in use, with the bit they stand for.
  const std::vector<std::pair<OperandKey, OperandRef>>& BitKeys() const { return mBitKeys; }

  static std::optional<SlotWidth> WidthOf(long type);
  // The value as a slot of that width holds it (wrapped to its bits).
  static std::int64_t Fit(SlotWidth width, std::int64_t value);

private:
  int SlotOf(const OperandKey& key, SlotWidth width);

  std::vector<tyOperandSlot> mSlots;
  std::map<OperandKey, int> mIndex;
  std::vector<std::pair<OperandKey, OperandRef>> mBitKeys;
};

} // namespace ldr::sim
