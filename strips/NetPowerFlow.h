#pragma once
// Power flow from the left rail once the contacts, coils and boxes of a net
// know whether their own condition lets power through: a line piece starting
// on the rail conducts, and a line piece conducts when it meets a conducting
// element end to end (its inlet on the other's outlet) or shares an end with
// it (inlet on inlet, outlet on outlet). A contact or coil conducts only when
// its condition holds and power reaches its inlet (on the rail, or on the
// outlet or inlet of a conducting element). The result is the same whatever the
// order of the elements in the net: power spreads from every conducting
// element to the pieces it meets until none is left to reach, each element
// looked at once through an index of the pieces' ends.

#include "interfaces/itfLdrNet.h"

namespace ldr {

class NetPowerFlow {
public:
  // Marks the elements power reaches and passes through, and clears the
  // rest; answers how many conduct in the end.
  static int Propagate(const ElementCollection& elements);
};

} // namespace ldr
