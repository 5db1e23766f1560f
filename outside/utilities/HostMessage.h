#pragma once
// The numbered host messages the component shows. The numbers are fixed; the
// texts are this host's (MessageTable).

namespace ldr {

enum HostMessage : int {
  eHM_ModuleNameUsed = 18,            // %1 module's current name
  eHM_ClearSubroutine = 78,           // %1 subroutine name; Yes/No
  eHM_DeleteSubroutine = 79,          // %1 subroutine name; Yes/No
  eHM_SubroutineIsCalled = 80,        // %1 subroutine name
  eHM_ModuleHasCalledSubroutine = 81, // %1 module name
  eHM_OperandPlaceGone = 82,          // no parameters
  eHM_SubroutineNameUsed = 83,        // %1 subroutine's current name
  eHM_ExportNamedConstants = 86,
  eHM_ExportMissingReference = 87,
  eHM_ExportMissingBlock = 88,
  eHM_ImportVersion = 89,
  eHM_ImportBlockVersion = 90,
  eHM_ImportBlockMissing = 91,
  eHM_DeleteStrips = 92, // Yes/No
  eHM_DeleteStrip = 93,  // Yes/No
  eHM_CopyNamedConstants = 94,
  eHM_CopyMissingReference = 95,
  eHM_CopyMissingBlock = 96,
  eHM_PasteBlockVersion = 97,
  eHM_PasteNoRoom = 98,
  eHM_ComPortNotSet = 99,
  eHM_ComInitMissing = 100,
  eHM_WrongPassword = 290,
  eHM_PasswordsDiffer = 291,
  eHM_PasswordRule = 292,
  eHM_UnsetPassword = 293, // OK/Cancel
  eHM_ExportProtected = 305,
  eHM_CopyOverlaps = 322,
  eHM_ExportFileName = 329,
  eHM_ImportExtendedOperands = 412,
  eHM_PasteExtendedOperands = 413,
  eHM_PasteOutOfRange = 421,
  eHM_ImportOutOfRange = 422,
  eHM_ExportLeftOut = 452, // %1 the names, one line each
  eHM_StripNotCopyable = 453,
};

// The answers of a message: the button the user pressed.
enum MsgAnswer : int { eMA_OK = 1, eMA_Cancel = 2, eMA_Yes = 6, eMA_No = 7 };

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };

} // namespace ldr
