#pragma once
// Display titles of the element types: a fixed title for the built-in types,
// and for function-block methods "<father title> <method title>" read from the
// project's FB_Fathers and FB_Methods tables.

#include "interfaces/enElementType.h"
#include "platform/database/Connection.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ldr {

// The title exactly as stored in the table (blanks included); empty for types
// without a fixed title.
std::string_view StoredElementTitle(std::int32_t elementType);

bool IsFunctionBlockType(std::int32_t elementType);

// The title shown for a type, without leading or trailing blanks; empty when
// the type has none. Function-block titles need the project connection (none
// given: empty).
std::string GetElementTitle(db::Connection* connection, std::int32_t elementType);

} // namespace ldr
