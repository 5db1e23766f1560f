#include "tools/simulation/SimMemory.h"

#include "outside/operands/VirtualController.h"

namespace ldr::sim {

SimMemory::SimMemory(OperandTable& table) : mTable(table) { Reset(); }

void SimMemory::Grow() {
  const auto& slots = mTable.Slots();
  while (mValues.size() < slots.size()) {
    const auto& slot = slots[mValues.size()];
    const bool holdsPreset = slot.Width == SlotWidth::Timer || slot.Width == SlotWidth::Counter;
    mValues.push_back(holdsPreset ? 0 : slot.Initial);
  }
}

void SimMemory::Reset() {
  mValues.clear();
  mPushedTo = nullptr;
  Grow();
  for (const auto& [at, value] : mForces) Store({at.first, at.second}, value);
}

std::int64_t SimMemory::Read(const OperandRef& ref) const {
  if (!ref.Valid() || ref.Slot >= static_cast<int>(mValues.size())) return 0;
  const std::int64_t value = mValues[ref.Slot];
  return ref.Bit >= 0 ? (value >> ref.Bit) & 1 : value;
}

void SimMemory::Store(const OperandRef& ref, std::int64_t value) {
  if (!ref.Valid() || ref.Slot >= static_cast<int>(mValues.size())) return;
  const auto width = mTable.Slots()[ref.Slot].Width;
  auto& stored = mValues[ref.Slot];
  if (ref.Bit >= 0) {
    const std::int64_t mask = std::int64_t{1} << ref.Bit;
    value = value != 0 ? (stored | mask) : (stored & ~mask);
  }
  stored = OperandTable::Fit(width, value);
}

void SimMemory::Write(const OperandRef& ref, std::int64_t value) {
  if (!ref.Valid() || IsForced(ref)) return;
  if (mTable.Slots()[ref.Slot].Width == SlotWidth::Constant) return;
  Store(ref, value);
}

void SimMemory::Force(const OperandRef& ref, std::int64_t value) {
  if (!ref.Valid()) return;
  mForces[{ref.Slot, ref.Bit}] = value;
  Store(ref, value);
}

void SimMemory::Unforce(const OperandRef& ref) { mForces.erase({ref.Slot, ref.Bit}); }

bool SimMemory::IsForced(const OperandRef& ref) const {
  return mForces.count({ref.Slot, ref.Bit}) > 0 || (ref.Bit >= 0 && mForces.count({ref.Slot, -1}) > 0);
}

OperandRef SimMemory::Resolve(const OperandKey& key) {
  const auto ref = mTable.Add(key);
  Grow();
  return ref;
}

void SimMemory::PullFrom(const VirtualController& controller) {
  if (mPushedTo == &controller && controller.Revision() == mPushedRevision) return;
  const auto& slots = mTable.Slots();
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].Width == SlotWidth::Constant || !controller.HasValue(slots[i].Key)) continue;
    const OperandRef ref{static_cast<int>(i), -1};
    if (!IsForced(ref)) Store(ref, controller.Value(slots[i].Key));
  }
}

void SimMemory::PushTo(VirtualController& controller) {
  const bool changesOnly = mPushedTo == &controller && controller.Revision() == mPushedRevision;
  const auto& slots = mTable.Slots();
  mPushed.resize(slots.size(), 0);
  for (size_t i = 0; i < slots.size(); ++i) {
    if (changesOnly && i < mPushedCount && mPushed[i] == mValues[i]) continue;
    controller.SetValue(slots[i].Key, mValues[i]);
    mPushed[i] = mValues[i];
  }
  for (const auto& [key, ref] : mTable.BitKeys()) controller.SetValue(key, Read(ref));
  mPushedCount = slots.size();
  mPushedTo = &controller;
  mPushedRevision = controller.Revision();
}

} // namespace ldr::sim
