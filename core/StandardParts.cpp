#include "core/StandardParts.h"

namespace ldr {

// The function view and the drawer join here as they are built; until then
// the main object reports the operations that need them as not available.
tyLdrMainParts MakeStandardParts() { return {}; }

} // namespace ldr
