#pragma once
// The kind of mouse process that is running; 1 means none (the next
// mouse-down asks the strip under the pointer which process to start).

namespace ldr {

enum enMouseProcess : long {
  eMP_NoProcessToKill = 0,
  eMP_QueryForProcess = 1,
  eMP_ElmntCreateProc = 2,
  eMP_StripCreateProc = 3,
  eMP_LineCreateProc = 4,
  eMP_StripResizeProc = 5,
  eMP_ElementMoveProc = 6,
  eMP_RectSelectProc = 7,
  eMP_EditLabelProc = 8,
  eMP_EditPasteProc = 9,
};

} // namespace ldr
