#include "strips/NetPowerFlow.h"

#include "interfaces/itfLdrElement.h"

namespace ldr {

int NetPowerFlow::Propagate(const ElementCollection& elements) {
  SeedFromRail(elements);
  int passes = 0;
  bool changed = true;
  while (changed) {
    changed = PropagateOnce(elements);
    ++passes;
  }
  return passes;
}

void NetPowerFlow::SeedFromRail(const ElementCollection& elements) {
  for (const auto& [key, element] : elements) {
    if (element->IsEnableInEnableOut() && element->Inlet().X == 0) element->SetIsConducting(true);
  }
}

bool NetPowerFlow::PropagateOnce(const ElementCollection& elements) {
  bool changed = false;
  for (const auto& [key, element] : elements) {
    if (!element->IsEnableInEnableOut() || element->IsConducting()) continue;
    for (const auto& [otherKey, other] : elements) {
      if (other == element || !other->IsConducting()) continue;
      if (FedBy(*element, *other)) {
        element->SetIsConducting(true);
        changed = true;
      }
    }
  }
  return changed;
}

bool NetPowerFlow::FedBy(itfLdrElement& element, itfLdrElement& conducting) {
  return conducting.Outlet() == element.Inlet() || element.Outlet() == conducting.Outlet() ||
         element.Inlet() == conducting.Inlet();
}

} // namespace ldr
