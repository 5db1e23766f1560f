#pragma once
// What the simulator does with each element type: the kind of work the
// element does in a scan and how wide its rung is (where its outlet lies).
// Types outside this table are not simulated: they are reported once and
// stay open. docs/simulation.md describes every kind.

namespace ldr::sim {

enum class SimKind {
  Unknown,
  Line,
  Contact,
  InvertedContact,
  RiseContact,
  FallContact,
  Coil,
  InvertedCoil,
  SetCoil,
  ResetCoil,
  ToggleCoil,
  ResetNumeric,
  Compare,
  InRange,
  Math2,
  MathN,
  Increment,
  Decrement,
  StoreDirect,
  StoreIndirect,
  StoreIndirectEx,
  LoadIndirect,
  StoreTimerPreset,
  LoadTimerPreset,
  StoreTimerCurrent,
  LoadTimerCurrent,
  Clock,
  JumpToLabel,
  Call,
  Return,
  LoadPage,
};

class ElementSemantics {
public:
  static SimKind KindOf(long elementType);
  // Columns from the inlet to the outlet along the first row (lines: 0, their
  // extent gives the outlet), for types whose element class is not built;
  // ElementGeometry asks the classes first.
  static long RungWidth(SimKind kind, long elementType);
};

} // namespace ldr::sim
