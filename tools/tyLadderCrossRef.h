#pragma once
// One place the cross reference found: where it is, and texts to show it.

#include <array>
#include <string>

namespace ldr {

struct tyLadderCrossRef {
  long ModuleID = 0;
  long FunctionID = 0;
  long StripID = 0;
  long ElementID = 0; // 0 where the place is a net
  long OprInIndex = 0;
  long OprOutIndex = 0;
  // 0 module name, 1 subroutine name, 2 "Net: " and the net number,
  // 3 "Element: " and the element title (element searches), 4 empty.
  std::array<std::string, 5> Descriptions;
  // Not a published field: the element type of the place (0 for a net), so
  // a host can tell reading from writing without another query.
  long ElementType = 0;
};

} // namespace ldr
