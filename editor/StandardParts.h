#pragma once
// The parts a real host gives the main object: the function view and the
// drawer of this build.

#include "editor/clsLdrMain.h"

#include <string>

namespace ldr {

// The clipboard shares its copies through the buffer file beside the
// user's default host settings.
LdrMainParts MakeStandardParts();
// The same with the clipboard's buffer file given (empty: not shared).
LdrMainParts MakeStandardParts(const std::string& clipboardFile);

} // namespace ldr
