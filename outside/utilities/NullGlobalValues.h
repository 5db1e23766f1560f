#pragma once
// The global values of a host that keeps none: the defaults.

#include "outside/utilities/clsGlobalValues.h"
#include "outside/utilities/itfGlobalValues.h"

namespace ldr {

class NullGlobalValues : public itfGlobalValues {
public:
  long MaxSubroutineNameLength() override { return clsGlobalValues::kDefaultMaxSubroutineNameLength; }
  bool ExtendedOperandsEnabled() override { return false; }
};

} // namespace ldr
