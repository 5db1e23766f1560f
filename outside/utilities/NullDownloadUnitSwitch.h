#pragma once
// The download-unit switch of a host without download units: always off.

#include "outside/utilities/DownloadUnitSwitch.h"

namespace ldr {

class NullDownloadUnitSwitch : public DownloadUnitSwitch {
public:
  bool IsOn() override { return false; }
};

} // namespace ldr
