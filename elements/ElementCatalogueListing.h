#pragma once
// The element catalogue as text: one line "type|family|title" per element
// type, and, for a project, one per function-block method it holds.

#include "platform/database/Connection.h"

#include <ostream>

namespace ldr {

// Every enElementType member in catalogue order; then, when `project` is
// given, the project's function-block methods (FB_Methods) by MethodID.
void WriteElementCatalogue(std::ostream& out, db::Connection* project);

} // namespace ldr
