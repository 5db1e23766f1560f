#include "elements/clsStoreElement.h"

#include "elements/ElementTypeTable.h"

namespace ldr {

std::string clsStoreElement::IndirectSuffix(std::int32_t elementType) {
  // The titles read "STI [MI]" and "LDI [MI]": the suffix follows the blank.
  const auto* row = ElementTypeTable::Find(elementType);
  if (!row) return {};
  const auto blank = row->Title.find(' ');
  return blank == std::string_view::npos ? std::string{} : std::string(row->Title.substr(blank + 1));
}

std::string clsStoreElement::ToolTipText() {
  if (mClassType == eET_StoreDirect) return " Store Direct ";
  return "Store Indirect " + IndirectSuffix(mClassType);
}

} // namespace ldr
