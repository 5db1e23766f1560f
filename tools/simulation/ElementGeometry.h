#pragma once
// Where an element's outlet lies, taken from the element classes themselves
// (the same geometry the editor and the on-line power-flow view use), one
// probe element per type; types whose family is not built fall back to the
// simulator's own table (ElementSemantics::RungWidth).

#include "tools/simulation/ElementSemantics.h"

#include <map>

namespace ldr::sim {

class ElementGeometry {
public:
  // Columns from the inlet to the outlet along the first row.
  long RungWidth(long elementType, SimKind kind);

private:
  std::map<long, long> mWidths;
};

} // namespace ldr::sim
