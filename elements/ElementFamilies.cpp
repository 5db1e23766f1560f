#include "elements/ElementFamilies.h"

#include "elements/ElementTypeTable.h"

#include <algorithm>
#include <iterator>

namespace ldr {
namespace {

constexpr std::string_view kMath = "Math";
constexpr std::string_view kCompare = "Compare";
constexpr std::string_view kClocks = "Clocks";
constexpr std::string_view kStoreLoad = "Store and load";

constexpr ElementFamilyRow kFamilies[] = {
    {eEFT_LineElements, "clsLineElement", 0, "", 2},
    {eEFT_SimpleElements, "clsSimpleElement", 0, "Contacts and coils", 1},
    {eEFT_CompareElements, "clsCompareElement", 0, kCompare, 2},
    {eEFT_2x1Elements, "cls2x1Element", 0, kMath, 2},
    {eEFT_Nx1Elements, "clsNx1Element", 0, kMath, 2},
    {eEFT_JumpElements, "clsJumpElement", 0, "Jumps and calls", 1},
    {eEFT_DirectClocks, "clsDirectClock", 0, kClocks, 2},
    {eEFT_InDirectClocks, "clsIndirectClock", 0, kClocks, 2},
    {eEFT_StoreElements, "clsStoreElement", 0, kStoreLoad, 1},
    {eEFT_LoadElements, "clsLoadElement", 0, kStoreLoad, 1},
    {eEFT_StoreLoadTimerElements, "clsStoreLoadTimerElement", 0, kStoreLoad, 1},
    {eEFT_UtilElements, "clsUtilElement", 0, "Utilities", 2},
    {eEFT_UtilExElements, "clsUtilElementEx", 0, "Control", 2},
    {eEFT_UtilEx1Elements, "clsUtilElementEx1", 0, "Communication and data tables", 2},
    {eEFT_0x1Elements, "cls0x1Element", 0, kMath, 1},
    {eEFT_UtilEx2Elements, "clsUtilElementEx2", 1800, "Floating point, CAN and SD card", 2},
    {eEFT_InRangeElements, "clsInRangeElement", 0, kCompare, 3},
    {eEFT_StoreElementsEx, "clsStoreElementEx", 0, kStoreLoad, 2},
    {eEFT_FunctionBlockElements, "clsFBElement", 0, "", 2},
};

constexpr std::int32_t kBlockSize = 100;
constexpr std::int32_t kLastFamilyBlock = 19;

// The family of a number the type list does not name, by its hundreds block.
enElementFamilyType FamilyOfBlock(std::int32_t elementType) {
  if (ElementTypeTable::IsFunctionBlock(elementType)) return eEFT_FunctionBlockElements;
  const std::int32_t hundreds = elementType / kBlockSize;
  if (hundreds < 1 || hundreds > kLastFamilyBlock) return eEFT_Undefined;
  for (const auto& row : kFamilies) {
    if (row.Family / kBlockSize == hundreds || row.OtherBlock / kBlockSize == hundreds) return row.Family;
  }
  return eEFT_Undefined;
}

} // namespace

std::span<const ElementFamilyRow> ElementFamilies() { return kFamilies; }

const ElementFamilyRow* FindFamily(enElementFamilyType family) {
  const auto* found =
      std::find_if(std::begin(kFamilies), std::end(kFamilies), [&](const auto& row) { return row.Family == family; });
  return found == std::end(kFamilies) ? nullptr : found;
}

enElementFamilyType GetFamilyType(std::int32_t elementType) {
  if (const auto* row = ElementTypeTable::Find(elementType)) return row->Family;
  return FamilyOfBlock(elementType);
}

std::string_view FamilyClassName(enElementFamilyType family) {
  const auto* row = FindFamily(family);
  return row ? row->ClassName : std::string_view{};
}

} // namespace ldr
