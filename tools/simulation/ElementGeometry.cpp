#include "tools/simulation/ElementGeometry.h"

#include "core/LdrContext.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"

#include <optional>

namespace ldr::sim {

namespace {

std::optional<long> ProbeWidth(long elementType) {
  if (!IsFamilyBuilt(GetFamilyType(static_cast<std::int32_t>(elementType)))) return std::nullopt;
  LdrContext context;
  context.SetHost(nullptr);
  const auto element = CreateNewElement(context, static_cast<std::int32_t>(elementType));
  if (!element) return std::nullopt;
  element->SetClassType(static_cast<enElementType>(elementType));
  element->SetInlet({0, 0});
  const tyLdrPoint outlet = element->Outlet();
  if (outlet.Y != 0 || outlet.X <= 0) return std::nullopt;
  return outlet.X;
}

} // namespace

long ElementGeometry::RungWidth(long elementType, SimKind kind) {
  if (kind == SimKind::Line) return 0;
  const auto known = mWidths.find(elementType);
  if (known != mWidths.end()) return known->second;
  const long width = ProbeWidth(elementType).value_or(ElementSemantics::RungWidth(kind, elementType));
  mWidths.emplace(elementType, width);
  return width;
}

} // namespace ldr::sim
