#include "core/StandardParts.h"

#include "editing/srvDrawer.h"

namespace ldr {

// The function view joins here as it is built; until then the main object
// reports the operations that need it as not available.
tyLdrMainParts MakeStandardParts() {
  tyLdrMainParts parts;
  parts.CreateDrawer = [](LdrContext& ctx) -> std::shared_ptr<itfDrawer> { return std::make_shared<srvDrawer>(ctx); };
  return parts;
}

} // namespace ldr
