#pragma once
// The utility boxes of clsUtilElement (types 1200 to 1269), one row per type.

#include "elements/UtilityBoxLook.h"

namespace ldr {

class UtilElementTable {
public:
  // The row of a type; nothing for types the table does not list (1266,
  // 1268 and numbers no type has).
  static const UtilityBoxLook* Find(std::int32_t elementType);
};

} // namespace ldr
