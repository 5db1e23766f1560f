#include "tools/simulation/OperandTable.h"

#include "outside/operands/OperandType.h"

namespace ldr::sim {

std::optional<SlotWidth> OperandTable::WidthOf(long type) {
  switch (type) {
  case eOT_MB:
  case eOT_SB:
  case eOT_I:
  case eOT_O:
  case eOT_XB:
    return SlotWidth::Bit;
  case eOT_MI:
  case eOT_SI:
  case eOT_XI:
    return SlotWidth::Int16;
  case eOT_ML:
  case eOT_SL:
  case eOT_XL:
  case eOT_MF:
  case eOT_SF:
    return SlotWidth::Int32;
  case eOT_DW:
  case eOT_SDW:
  case eOT_XDW:
    return SlotWidth::UInt32;
  case eOT_T:
    return SlotWidth::Timer;
  case eOT_C:
    return SlotWidth::Counter;
  case eOT_ConstInt:
  case eOT_ConstLong:
  case eOT_ConstFloat:
  case eOT_NamedConstInt:
  case eOT_NamedConstLong:
    return SlotWidth::Constant;
  default:
    return std::nullopt;
  }
}

std::int64_t OperandTable::Fit(SlotWidth width, std::int64_t value) {
  switch (width) {
  case SlotWidth::Bit:
  case SlotWidth::Timer:
  case SlotWidth::Counter:
    return value != 0 ? 1 : 0;
  case SlotWidth::Int16:
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  case SlotWidth::Int32:
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  case SlotWidth::UInt32:
    return static_cast<std::uint32_t>(value);
  case SlotWidth::Constant:
    return value;
  }
  return value;
}

int OperandTable::SlotOf(const OperandKey& key, SlotWidth width) {
  const auto found = mIndex.find(key);
  if (found != mIndex.end()) return found->second;
  mSlots.push_back({key, width, 0});
  const int slot = static_cast<int>(mSlots.size()) - 1;
  mIndex.emplace(key, slot);
  return slot;
}

OperandRef OperandTable::Add(const OperandKey& key) {
  if (key.Type == eOT_MIB || key.Type == eOT_SIB) {
    const long wordType = key.Type == eOT_MIB ? eOT_MI : eOT_SI;
    const OperandRef ref{SlotOf({wordType, key.Address / 16, key.NetworkID}, SlotWidth::Int16),
                         static_cast<int>(key.Address % 16)};
    bool known = false;
    for (const auto& [bitKey, bitRef] : mBitKeys) known = known || bitKey == key;
    if (!known) mBitKeys.emplace_back(key, ref);
    return ref;
  }
  const auto width = WidthOf(key.Type);
  if (!width) return {};
  return {SlotOf(key, *width), -1};
}

std::optional<OperandRef> OperandTable::Find(const OperandKey& key) const {
  if (key.Type == eOT_MIB || key.Type == eOT_SIB) {
    for (const auto& [bitKey, ref] : mBitKeys)
      if (bitKey == key) return ref;
    return std::nullopt;
  }
  const auto found = mIndex.find(key);
  if (found == mIndex.end()) return std::nullopt;
  return OperandRef{found->second, -1};
}

void OperandTable::SetInitial(const OperandKey& key, std::int64_t value) {
  const auto found = mIndex.find(key);
  if (found == mIndex.end()) return;
  auto& slot = mSlots[found->second];
  const bool holdsPreset = slot.Width == SlotWidth::Timer || slot.Width == SlotWidth::Counter;
  slot.Initial = holdsPreset ? value : Fit(slot.Width, value);
}

} // namespace ldr::sim
