#pragma once
// The element families: which family a type belongs to, the class that
// implements it, its palette group and the operand rows of its members.

#include "interfaces/ElementDefs.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ldr {

struct ElementFamilyRow {
  enElementFamilyType Family;
  std::string_view ClassName;
  // A second hundreds block whose types the family takes over; 0: none.
  std::int32_t OtherBlock;
  // The group of the studio's palette; empty: the "Other" group.
  std::string_view PaletteGroup;
  // The operand rows of a type of the family that the type list does not name.
  std::int32_t OperandRows;
};

// Every family in enumeration order, eEFT_Undefined excluded.
std::span<const ElementFamilyRow> ElementFamilies();
// The row of a family; nothing for eEFT_Undefined and values that are no family.
const ElementFamilyRow* FindFamily(enElementFamilyType family);

// The family the type list names for a type; for any other number the family
// of its hundreds block (function-block methods: eEFT_FunctionBlockElements).
enElementFamilyType GetFamilyType(std::int32_t elementType);

// The name of the class implementing a family ("clsSimpleElement"); empty for
// eEFT_Undefined and values that are no family.
std::string_view FamilyClassName(enElementFamilyType family);

} // namespace ldr
