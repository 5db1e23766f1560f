#pragma once
// The download-unit switch kept as the project setting eOSK_DownloadUnits
// (key 200; non-zero = on, missing = off).

#include "outside/utilities/itfDownloadUnitSwitch.h"
#include "outside/utilities/itfSettingsStore.h"

#include <memory>

namespace ldr {

class clsDownloadUnitSwitch : public itfDownloadUnitSwitch {
public:
  explicit clsDownloadUnitSwitch(std::shared_ptr<itfSettingsStore> settings);

  bool IsOn() override;
  // The host's project option.
  void SetOn(bool on);

private:
  std::shared_ptr<itfSettingsStore> mSettings;
};

} // namespace ldr
