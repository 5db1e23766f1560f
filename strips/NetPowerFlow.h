#pragma once
// Power flow through the line pieces of a net once its contacts, coils and
// boxes know whether they conduct: a line piece starting on the left power
// rail conducts, and a line piece conducts when it meets a conducting
// element end to end (its inlet on the other's outlet) or shares an end with
// it (inlet on inlet, outlet on outlet). The result is the same whatever the
// order of the elements in the net: power spreads from every conducting
// element to the pieces it meets until none is left to reach, each element
// looked at once through an index of the pieces' ends.

#include "interfaces/itfLdrNet.h"

namespace ldr {

class NetPowerFlow {
public:
  // Marks the conducting pass-through elements; answers how many elements
  // conduct in the end.
  static int Propagate(const ElementCollection& elements);
};

} // namespace ldr
