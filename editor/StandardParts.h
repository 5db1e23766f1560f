#pragma once
// The parts a real host gives the main object: the function view and the
// drawer of this build.

#include "editor/clsLdrMain.h"

namespace ldr {

tyLdrMainParts MakeStandardParts();

} // namespace ldr
