#pragma once
// The edit commands the host sends (EditCommand).

namespace ldr {

enum enEditCommand : long {
  eEC_Cut = 1,
  eEC_Copy = 2,
  eEC_Paste = 3,
  eEC_Delete = 4,
  eEC_DeleteFunction = 5,
};

} // namespace ldr
