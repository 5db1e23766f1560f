#pragma once
// Power flow through the line pieces of a net once its contacts, coils and
// boxes know whether they conduct: a line piece starting on the left power
// rail conducts, and a line piece conducts when it meets a conducting
// element end to end (its inlet on the other's outlet) or shares an end with
// it (inlet on inlet, outlet on outlet). Passes repeat until nothing changes,
// so the order of the elements in the net does not matter.

#include "interfaces/itfLdrNet.h"

namespace ldr {

class NetPowerFlow {
public:
  // Marks the conducting pass-through elements; answers how many passes of
  // propagation ran.
  static int Propagate(const ElementCollection& elements);

private:
  static void SeedFromRail(const ElementCollection& elements);
  static bool PropagateOnce(const ElementCollection& elements);
  static bool FedBy(itfLdrElement& element, itfLdrElement& conducting);
};

} // namespace ldr
