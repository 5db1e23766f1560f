#pragma once
// The download-unit switch of a host without download units: always off.

#include "outside/utilities/itfDownloadUnitSwitch.h"

namespace ldr {

class NullDownloadUnitSwitch : public itfDownloadUnitSwitch {
public:
  bool IsOn() override { return false; }
};

} // namespace ldr
