#pragma once
// The project option for block identities: when on, the project works with
// download units. Read at each use, never cached by the caller.

namespace ldr {

class DownloadUnitSwitch {
public:
  virtual ~DownloadUnitSwitch() = default;
  virtual bool IsOn() = 0;
};

} // namespace ldr
