#include "elements/ElementFamilies.h"

#include "interfaces/enElementType.h"

namespace ldr {

enElementFamilyType GetFamilyType(std::int32_t elementType) {
  // Start saving a trend belongs with the SD-card utilities of the second set.
  if (elementType == eET_UtStartTrendToSD) return eEFT_UtilEx2Elements;
  const std::int32_t hundreds = elementType / 100;
  if (hundreds >= 1 && hundreds <= 19) {
    // 1801 to 1830 continue the second utility set.
    if (hundreds == 18) return eEFT_UtilEx2Elements;
    return static_cast<enElementFamilyType>(hundreds * 100);
  }
  if (hundreds >= 1000 && hundreds <= 9999) return eEFT_FunctionBlockElements;
  return eEFT_Undefined;
}

std::string_view FamilyClassName(enElementFamilyType family) {
  switch (family) {
  case eEFT_LineElements:
    return "clsLineElement";
  case eEFT_SimpleElements:
    return "clsSimpleElement";
  case eEFT_CompareElements:
    return "clsCompareElement";
  case eEFT_2x1Elements:
    return "cls2x1Element";
  case eEFT_Nx1Elements:
    return "clsNx1Element";
  case eEFT_JumpElements:
    return "clsJumpElement";
  case eEFT_DirectClocks:
    return "clsDirectClock";
  case eEFT_InDirectClocks:
    return "clsIndirectClock";
  case eEFT_StoreElements:
    return "clsStoreElement";
  case eEFT_LoadElements:
    return "clsLoadElement";
  case eEFT_StoreLoadTimerElements:
    return "clsStoreLoadTimerElement";
  case eEFT_UtilElements:
    return "clsUtilElement";
  case eEFT_UtilExElements:
    return "clsUtilElementEx";
  case eEFT_UtilEx1Elements:
    return "clsUtilElementEx1";
  case eEFT_0x1Elements:
    return "cls0x1Element";
  case eEFT_UtilEx2Elements:
    return "clsUtilElementEx2";
  case eEFT_InRangeElements:
    return "clsInRangeElement";
  case eEFT_StoreElementsEx:
    return "clsStoreElementEx";
  case eEFT_FunctionBlockElements:
    return "clsFBElement";
  case eEFT_Undefined:
    break;
  }
  return {};
}

} // namespace ldr
