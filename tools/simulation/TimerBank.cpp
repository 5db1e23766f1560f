#include "tools/simulation/TimerBank.h"

#include <algorithm>

namespace ldr::sim {

namespace {

bool HoldsTime(SlotWidth width) { return width == SlotWidth::Timer || width == SlotWidth::Counter; }

} // namespace

TimerBank::TimerBank(SimMemory& memory) : mMemory(memory) { Reset(); }

void TimerBank::Grow() {
  const auto& slots = mMemory.Table().Slots();
  while (mStates.size() < slots.size()) mStates.push_back({slots[mStates.size()].Initial, 0, false});
}

void TimerBank::Reset() {
  mStates.clear();
  Grow();
  const auto& slots = mMemory.Table().Slots();
  for (size_t i = 0; i < slots.size(); ++i)
    if (slots[i].Width == SlotWidth::Counter) UpdateBit({static_cast<int>(i), -1});
}

TimerBank::tyState* TimerBank::StateOf(const OperandRef& ref) {
  if (!ref.Valid() || ref.Bit >= 0) return nullptr;
  Grow();
  if (!HoldsTime(mMemory.Table().Slots()[ref.Slot].Width)) return nullptr;
  return &mStates[ref.Slot];
}

const TimerBank::tyState* TimerBank::StateOf(const OperandRef& ref) const {
  if (!ref.Valid() || ref.Bit >= 0 || ref.Slot >= static_cast<int>(mStates.size())) return nullptr;
  return HoldsTime(mMemory.Table().Slots()[ref.Slot].Width) ? &mStates[ref.Slot] : nullptr;
}

void TimerBank::UpdateBit(const OperandRef& ref) {
  const auto* state = StateOf(ref);
  if (state) mMemory.Write(ref, state->Current >= state->Preset ? 1 : 0);
}

void TimerBank::DriveTimer(const OperandRef& timer, bool power) {
  auto* state = StateOf(timer);
  if (!state) return;
  if (power) {
    state->Running = true;
    UpdateBit(timer);
  } else {
    state->Running = false;
    state->Current = 0;
    mMemory.Write(timer, 0);
  }
}

void TimerBank::CountUp(const OperandRef& counter) {
  auto* state = StateOf(counter);
  if (!state) return;
  ++state->Current;
  UpdateBit(counter);
}

void TimerBank::Clear(const OperandRef& ref) {
  auto* state = StateOf(ref);
  if (!state) return;
  state->Current = 0;
  state->Running = false;
  if (mMemory.Table().Slots()[ref.Slot].Width == SlotWidth::Counter)
    UpdateBit(ref);
  else
    mMemory.Write(ref, 0);
}

std::int64_t TimerBank::Preset(const OperandRef& ref) const {
  const auto* state = StateOf(ref);
  return state ? state->Preset : 0;
}

std::int64_t TimerBank::Current(const OperandRef& ref) const {
  const auto* state = StateOf(ref);
  return state ? state->Current : 0;
}

void TimerBank::SetPreset(const OperandRef& ref, std::int64_t value) {
  auto* state = StateOf(ref);
  if (!state) return;
  state->Preset = std::max<std::int64_t>(0, value);
  if (state->Running || mMemory.Table().Slots()[ref.Slot].Width == SlotWidth::Counter) UpdateBit(ref);
}

void TimerBank::SetCurrent(const OperandRef& ref, std::int64_t value) {
  auto* state = StateOf(ref);
  if (!state) return;
  state->Current = std::max<std::int64_t>(0, value);
  if (state->Running || mMemory.Table().Slots()[ref.Slot].Width == SlotWidth::Counter) UpdateBit(ref);
}

void TimerBank::EndOfScan(std::int64_t elapsedMs) {
  for (size_t i = 0; i < mStates.size(); ++i) {
    auto& state = mStates[i];
    if (!state.Running) continue;
    state.Current = std::min(state.Preset, state.Current + elapsedMs);
    state.Running = false;
    UpdateBit({static_cast<int>(i), -1});
  }
}

} // namespace ldr::sim
