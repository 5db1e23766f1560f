#pragma once
// Joins the elements of a net into wires: points that line pieces connect
// end to end, and an element's inlet or outlet on the same grid point, are
// one wire. Every point in column 0 lies on the left power rail (wire 0).
// Lines connect only at their end points, as in the on-line power-flow view.
// Sorts the elements left to right, top to bottom, and drops the lines.

#include "tools/simulation/SimProgram.h"

namespace ldr::sim {

class NetWiring {
public:
  static void Wire(SimNet& net);
};

} // namespace ldr::sim
