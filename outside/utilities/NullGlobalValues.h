#pragma once
// The global values of a host that keeps none: the defaults.

#include "outside/utilities/GlobalValues.h"
#include "outside/utilities/ProjectGlobalValues.h"

namespace ldr {

class NullGlobalValues : public GlobalValues {
public:
  long MaxSubroutineNameLength() override { return ProjectGlobalValues::kDefaultMaxSubroutineNameLength; }
  bool ExtendedOperandsEnabled() override { return false; }
};

} // namespace ldr
