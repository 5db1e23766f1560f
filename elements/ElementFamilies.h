#pragma once
// Which family an element type belongs to, and which class implements it.

#include "interfaces/ElementDefs.h"

#include <cstdint>
#include <string_view>

namespace ldr {

enElementFamilyType GetFamilyType(std::int32_t elementType);

// The name of the class implementing a family ("clsSimpleElement"); empty for
// eEFT_Undefined and values that are no family.
std::string_view FamilyClassName(enElementFamilyType family);

} // namespace ldr
