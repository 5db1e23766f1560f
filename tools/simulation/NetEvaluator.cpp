#include "tools/simulation/NetEvaluator.h"

#include "outside/operands/OperandType.h"

namespace ldr::sim {

namespace {

constexpr long kIndirectTypes[] = {eOT_MI, eOT_SI, eOT_ML, eOT_SL, eOT_DW, eOT_SDW};

std::optional<std::int64_t> Apply(int operation, std::int64_t a, std::int64_t b) {
  switch (operation) {
  case 400:
    return a - b;
  case 401:
    if (b == 0) return std::nullopt;
    return a / b;
  case 402:
    return a & b;
  case 403:
    return a | b;
  case 404:
    return a ^ b;
  case 405:
    return a + b;
  case 406:
    return a * b;
  case 407:
    if (b == 0) return std::nullopt;
    return a % b;
  default:
    return std::nullopt;
  }
}

// The two-input operation that an N-input box repeats: ADD, MUL, SUB, DIV.
int RepeatedOperation(long type) {
  static constexpr int operations[] = {405, 406, 400, 401};
  return operations[(type / 10) % 10];
}

} // namespace

NetEvaluator::NetEvaluator(SimMemory& memory, TimerBank& timers, const SimClock& clock, UnknownElementSink unknown)
    : mMemory(memory), mTimers(timers), mClock(clock), mUnknown(std::move(unknown)) {}

NetOutcome NetEvaluator::Run(SimNet& net) {
  NetOutcome outcome;
  mPowered.assign(net.WireCount, 0);
  mPowered[0] = 1;
  mDone.assign(net.Elements.size(), 0);
  bool reachedMore = true;
  while (reachedMore) {
    reachedMore = false;
    for (size_t i = 0; i < net.Elements.size(); ++i) {
      auto& element = net.Elements[i];
      if (mDone[i] || !mPowered[element.InletWire]) continue;
      mDone[i] = 1;
      if (RunElement(element, true, outcome) && !mPowered[element.OutletWire]) {
        mPowered[element.OutletWire] = 1;
        reachedMore = true;
      }
    }
  }
  for (size_t i = 0; i < net.Elements.size(); ++i)
    if (!mDone[i]) RunElement(net.Elements[i], false, outcome);
  return outcome;
}

bool NetEvaluator::RunElement(SimElement& element, bool power, NetOutcome& outcome) {
  switch (element.Kind) {
  case SimKind::Contact:
  case SimKind::InvertedContact:
  case SimKind::RiseContact:
  case SimKind::FallContact:
    return RunContact(element, power);
  case SimKind::Coil:
  case SimKind::InvertedCoil:
  case SimKind::SetCoil:
  case SimKind::ResetCoil:
  case SimKind::ToggleCoil:
  case SimKind::ResetNumeric:
    return RunCoil(element, power);
  case SimKind::Compare:
  case SimKind::InRange:
    return RunCompare(element, power);
  case SimKind::Math2:
  case SimKind::MathN:
  case SimKind::Increment:
  case SimKind::Decrement:
    return RunMath(element, power);
  case SimKind::StoreDirect:
  case SimKind::StoreIndirect:
  case SimKind::StoreIndirectEx:
  case SimKind::LoadIndirect:
    return RunMove(element, power);
  case SimKind::StoreTimerPreset:
  case SimKind::LoadTimerPreset:
  case SimKind::StoreTimerCurrent:
  case SimKind::LoadTimerCurrent:
    return RunTimerBox(element, power);
  case SimKind::Clock:
    return power && mClock.InRange(element.Type, element.Param);
  case SimKind::JumpToLabel:
  case SimKind::Call:
  case SimKind::Return:
  case SimKind::LoadPage:
    return RunFlow(element, power, outcome);
  case SimKind::Line:
    return power;
  case SimKind::Unknown:
    break;
  }
  mUnknown(element);
  return false;
}

bool NetEvaluator::RunContact(SimElement& element, bool power) {
  const bool bit = In(element, 0) != 0;
  const bool last = element.LastBit;
  element.LastBit = bit;
  switch (element.Kind) {
  case SimKind::InvertedContact:
    return power && !bit;
  case SimKind::RiseContact:
    return power && bit && !last;
  case SimKind::FallContact:
    return power && !bit && last;
  default:
    return power && bit;
  }
}

bool NetEvaluator::RunCoil(SimElement& element, bool power) {
  const auto out = OutRef(element, 0);
  const auto width = WidthOf(out);
  const bool risingPower = power && !element.LastPower;
  element.LastPower = power;
  if (width == SlotWidth::Timer || width == SlotWidth::Counter) {
    if (element.Kind == SimKind::ResetCoil) {
      if (power) mTimers.Clear(out);
    } else if (element.Kind == SimKind::Coil) {
      if (width == SlotWidth::Timer) mTimers.DriveTimer(out, power);
      if (width == SlotWidth::Counter && risingPower) mTimers.CountUp(out);
    }
    return power;
  }
  switch (element.Kind) {
  case SimKind::Coil:
    mMemory.Write(out, power);
    break;
  case SimKind::InvertedCoil:
    mMemory.Write(out, !power);
    break;
  case SimKind::SetCoil:
    if (power) mMemory.Write(out, 1);
    break;
  case SimKind::ResetCoil:
  case SimKind::ResetNumeric:
    if (power) mMemory.Write(out, 0);
    break;
  case SimKind::ToggleCoil:
    if (power) mMemory.Write(out, mMemory.ReadBit(out) ? 0 : 1);
    break;
  default:
    break;
  }
  return power;
}

bool NetEvaluator::RunCompare(const SimElement& element, bool power) const {
  if (!power) return false;
  const std::int64_t a = In(element, 0), b = In(element, 1);
  switch (element.Type) {
  case 300:
    return a > b;
  case 301:
    return a >= b;
  case 302:
    return a == b;
  case 303:
    return a != b;
  case 304:
    return a <= b;
  case 305:
    return a < b;
  default: // in range: B <= A <= C
    return b <= a && a <= In(element, 2);
  }
}

bool NetEvaluator::RunMath(SimElement& element, bool power) {
  if (!power) return false;
  const auto out = OutRef(element, 0);
  std::optional<std::int64_t> result;
  if (element.Kind == SimKind::Increment || element.Kind == SimKind::Decrement) {
    result = mMemory.Read(out) + (element.Kind == SimKind::Increment ? 1 : -1);
  } else if (element.Kind == SimKind::Math2) {
    result = Apply(static_cast<int>(element.Type), In(element, 0), In(element, 1));
  } else {
    const size_t inputs = static_cast<size_t>(element.Type % 10) + 2;
    result = In(element, 0);
    for (size_t i = 1; i < inputs && result; ++i)
      result = Apply(RepeatedOperation(element.Type), *result, In(element, i));
  }
  if (!result) return false; // division by zero: output unchanged, no power out
  mMemory.Write(out, *result);
  return true;
}

bool NetEvaluator::RunMove(SimElement& element, bool power) {
  if (!power) return false;
  OperandRef target;
  std::int64_t value = 0;
  const long type = element.Type;
  switch (element.Kind) {
  case SimKind::StoreDirect:
    target = OutRef(element, 0);
    value = In(element, 0);
    break;
  case SimKind::StoreIndirect: // A into the operand whose address B holds
    target = Indirect(kIndirectTypes[type - 901], mMemory.Read(OutRef(element, 0)));
    value = In(element, 0);
    break;
  case SimKind::StoreIndirectEx: // input 1 into the operand whose address input 2 holds
    target = Indirect(kIndirectTypes[type - 1901], In(element, 1));
    value = In(element, 0);
    break;
  default: // load indirect: B takes the operand whose address A holds
    target = OutRef(element, 0);
    const auto source = Indirect(kIndirectTypes[type - 1000], In(element, 0));
    if (!source.Valid()) return false;
    value = mMemory.Read(source);
    break;
  }
  if (!target.Valid()) return false;
  mMemory.Write(target, value);
  return true;
}

bool NetEvaluator::RunTimerBox(SimElement& element, bool power) {
  if (!power) return false;
  switch (element.Kind) {
  case SimKind::StoreTimerPreset:
    mTimers.SetPreset(OutRef(element, 0), In(element, 0));
    break;
  case SimKind::LoadTimerPreset:
    mMemory.Write(OutRef(element, 0), mTimers.Preset(InRef(element, 0)));
    break;
  case SimKind::StoreTimerCurrent:
    mTimers.SetCurrent(OutRef(element, 0), In(element, 0));
    break;
  default:
    mMemory.Write(OutRef(element, 0), mTimers.Current(InRef(element, 0)));
    break;
  }
  return true;
}

bool NetEvaluator::RunFlow(SimElement& element, bool power, NetOutcome& outcome) {
  if (!power) return false;
  if (element.Kind == SimKind::JumpToLabel && !outcome.Jump) outcome.Jump = element.Target;
  if (element.Kind == SimKind::Call) outcome.Calls.push_back(element.Target);
  if (element.Kind == SimKind::Return) outcome.Return = true;
  return true;
}

OperandRef NetEvaluator::InRef(const SimElement& element, size_t slot) const {
  return slot < element.Inputs.size() ? element.Inputs[slot] : OperandRef{};
}

OperandRef NetEvaluator::OutRef(const SimElement& element, size_t slot) const {
  return slot < element.Outputs.size() ? element.Outputs[slot] : OperandRef{};
}

std::int64_t NetEvaluator::In(const SimElement& element, size_t slot) const {
  return mMemory.Read(InRef(element, slot));
}

SlotWidth NetEvaluator::WidthOf(const OperandRef& ref) const {
  if (!ref.Valid() || ref.Bit >= 0) return SlotWidth::Bit;
  return mMemory.Table().Slots()[ref.Slot].Width;
}

OperandRef NetEvaluator::Indirect(long operandType, std::int64_t address) {
  if (address < 0 || address > mTypes.HighestAddress(operandType)) return {};
  return mMemory.Resolve({operandType, static_cast<long>(address), 0});
}

} // namespace ldr::sim
