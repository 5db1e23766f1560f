#pragma once
// The download-unit switch kept as the project setting eOSK_DownloadUnits
// (key 200; non-zero = on, missing = off).

#include "outside/utilities/DownloadUnitSwitch.h"
#include "outside/utilities/SettingsStore.h"

#include <memory>

namespace ldr {

class ProjectDownloadUnitSwitch : public DownloadUnitSwitch {
public:
  explicit ProjectDownloadUnitSwitch(std::shared_ptr<SettingsStore> settings);

  bool IsOn() override;
  // The host's project option.
  void SetOn(bool on);

private:
  std::shared_ptr<SettingsStore> mSettings;
};

} // namespace ldr
