#pragma once
// The element factory: a new, empty element object for an element type.

#include "core/LdrContext.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfLdrElement.h"

#include <memory>
#include <vector>

namespace ldr {

// A new element of the class implementing the type's family: ObjectID -1, no
// operands, no position, no type (the caller sets ClassType and the position,
// then calls InitOperandsData or Load). A type without a class is reported as
// error 0 ("UnhandledElement") through the host's error reporter, and the
// answer is nothing.
std::shared_ptr<itfLdrElement> CreateNewElement(LdrContext& ctx, std::int32_t elementType);

// Whether the factory builds elements of the family.
bool IsFamilyBuilt(enElementFamilyType family);
// The families the catalogue names whose classes are not built yet.
std::vector<enElementFamilyType> FamiliesNotBuilt();

} // namespace ldr
