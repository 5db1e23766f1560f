#pragma once
// The element types of the ladder, generated from the type list. A type's
// hundreds block names its family (enElementFamilyType) unless the list says
// otherwise; the last two digits number the member inside it.
// Function-block methods use the numbers eET_FunctionBlockFirst to
// eET_FunctionBlockLast: the type rounded down to its hundreds is the father
// (FB_Fathers.FatherID) and the type itself the method (FB_Methods.MethodID).
// Such numbers are not members but are valid values of the enumeration (it is
// 32-bit).

#include "interfaces/ElementTypeList.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ldr {

enum enElementType : std::int32_t {
#define LDR_ELEMENT_TYPE_MEMBER(name, value, ...) name = value,
  LDR_ELEMENT_TYPES(LDR_ELEMENT_TYPE_MEMBER)
#undef LDR_ELEMENT_TYPE_MEMBER
};

struct ElementTypeMember {
  enElementType Value;
  std::string_view Name;
};

inline constexpr std::array kElementTypeMembers = {
#define LDR_ELEMENT_TYPE_ENTRY(name, value, ...) ElementTypeMember{name, #name},
    LDR_ELEMENT_TYPES(LDR_ELEMENT_TYPE_ENTRY)
#undef LDR_ELEMENT_TYPE_ENTRY
};

} // namespace ldr
