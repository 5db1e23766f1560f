#pragma once
// The identifier service of a host that gave none: no identifier can be
// promised unique, so none is handed out.

#include "outside/utilities/IdentifierService.h"

#include <stdexcept>

namespace ldr {

class NullIdentifierService : public IdentifierService {
public:
  long NewIdentifier() override { throw std::logic_error("no identifier service"); }
  void ReleaseIdentifier(long) override {}
};

} // namespace ldr
