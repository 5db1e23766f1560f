#pragma once
// The groups inside which one element may be exchanged for another kind.

#include <cstdint>

namespace ldr {

enum enReplaceFamilyType : std::int32_t {
  eRFT_Undefined = 0,
  eRFT_DisableReplace = 100,
  eRFT_ContactsElements = 200,
  eRFT_CoilsElements = 210,
  eRFT_CompareElements = 300,
  eRFT_MathElements = 400,
  eRFT_LogicElements = 410,
  eRFT_StoreElements = 900,
  eRFT_LoadElements = 1000,
  eRFT_UtBitManipulationElements = 1200,
  eRFT_UtGetMinMaxElements = 1210,
  eRFT_UtSetResetBit = 1220,
  eRFT_FlipFlop = 1230,
  eRFT_StrManipulation = 1260,
  eRFT_IncrmntDecrmntElements = 1500,
};

} // namespace ldr
