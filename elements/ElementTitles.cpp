#include "elements/ElementTitles.h"

#include "core/ProjectData.h"
#include "elements/ElementTypeTable.h"

#include <string>

namespace ldr {
namespace {

std::string TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

} // namespace

std::string_view StoredElementTitle(std::int32_t elementType) {
  const auto* row = ElementTypeTable::Find(elementType);
  return row ? row->Title : std::string_view{};
}

bool IsFunctionBlockType(std::int32_t elementType) { return ElementTypeTable::IsFunctionBlock(elementType); }

std::string GetElementTitle(db::Connection* connection, std::int32_t elementType) {
  if (IsFunctionBlockType(elementType)) {
    return connection ? TrimBlanks(GetFunctionBlockTitle(*connection, static_cast<long>(elementType))) : std::string{};
  }
  return TrimBlanks(StoredElementTitle(elementType));
}

} // namespace ldr
