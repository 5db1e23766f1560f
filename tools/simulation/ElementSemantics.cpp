#include "tools/simulation/ElementSemantics.h"

namespace ldr::sim {

namespace {

SimKind BitElementKind(long type) {
  switch (type) {
  case 200:
  case 208:
    return SimKind::Contact;
  case 201:
  case 209:
    return SimKind::InvertedContact;
  case 202:
  case 210:
    return SimKind::RiseContact;
  case 203:
  case 211:
    return SimKind::FallContact;
  case 204:
    return SimKind::Coil;
  case 205:
    return SimKind::InvertedCoil;
  case 206:
    return SimKind::SetCoil;
  case 207:
    return SimKind::ResetCoil;
  case 212:
    return SimKind::ToggleCoil;
  case 213:
    return SimKind::ResetNumeric;
  default:
    return SimKind::Unknown;
  }
}

bool IsMathN(long type) {
  const long run = type / 10, step = type % 10;
  return run >= 50 && run <= 53 && step >= 1 && step <= 6;
}

SimKind BoxKind(long type) {
  if (type >= 300 && type <= 305) return SimKind::Compare;
  if (type == 1701) return SimKind::InRange;
  if (type >= 400 && type <= 407) return SimKind::Math2;
  if (IsMathN(type)) return SimKind::MathN;
  if (type == 1500) return SimKind::Increment;
  if (type == 1501) return SimKind::Decrement;
  if (type == 900) return SimKind::StoreDirect;
  if (type >= 901 && type <= 906) return SimKind::StoreIndirect;
  if (type >= 1901 && type <= 1906) return SimKind::StoreIndirectEx;
  if (type >= 1000 && type <= 1005) return SimKind::LoadIndirect;
  if (type >= 700 && type <= 704) return SimKind::Clock;
  return SimKind::Unknown;
}

} // namespace

SimKind ElementSemantics::KindOf(long type) {
  if (type >= 100 && type <= 102) return SimKind::Line;
  if (type >= 200 && type <= 213) return BitElementKind(type);
  switch (type) {
  case 600:
    return SimKind::JumpToLabel;
  case 601:
    return SimKind::Call;
  case 602:
    return SimKind::Return;
  case 603:
    return SimKind::LoadPage;
  case 1100:
    return SimKind::StoreTimerPreset;
  case 1101:
    return SimKind::LoadTimerPreset;
  case 1102:
    return SimKind::StoreTimerCurrent;
  case 1103:
    return SimKind::LoadTimerCurrent;
  default:
    return BoxKind(type);
  }
}

long ElementSemantics::RungWidth(SimKind kind, long type) {
  switch (kind) {
  case SimKind::Line:
    return 0;
  case SimKind::Compare:
  case SimKind::InRange:
  case SimKind::Increment:
  case SimKind::Decrement:
  case SimKind::StoreIndirectEx:
  case SimKind::Clock:
    return 13;
  case SimKind::Math2:
  case SimKind::MathN:
  case SimKind::StoreDirect:
  case SimKind::StoreIndirect:
  case SimKind::LoadIndirect:
  case SimKind::StoreTimerPreset:
  case SimKind::LoadTimerPreset:
  case SimKind::StoreTimerCurrent:
  case SimKind::LoadTimerCurrent:
    return 19;
  case SimKind::Unknown:
    return type >= 100000 ? 0 : 6;
  default:
    return 6;
  }
}

} // namespace ldr::sim
