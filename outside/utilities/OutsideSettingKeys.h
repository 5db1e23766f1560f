#pragma once
// Keys of the project settings that the host services keep for themselves
// (the component's own keys are in core/ProjectData.h).

namespace ldr {

enum OutsideSettingKey : long {
  // Non-zero: the project works with download units (block identities).
  eOSK_DownloadUnits = 200,
  // Non-zero: the extended operand types 64 to 67 may be used.
  eOSK_ExtendedOperands = 201,
  // The last identifier handed out by the identifier service.
  eOSK_LastIdentifier = 202,
};

// Host setting sections and keys the component reads.
enum HostSettingSection : long { eHSS_Editor = 6000, eHSS_FunctionKeys = 7000 };

} // namespace ldr
