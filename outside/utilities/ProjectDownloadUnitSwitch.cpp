#include "outside/utilities/ProjectDownloadUnitSwitch.h"

#include "outside/utilities/OutsideSettingKeys.h"

namespace ldr {

ProjectDownloadUnitSwitch::ProjectDownloadUnitSwitch(std::shared_ptr<SettingsStore> settings)
    : mSettings(std::move(settings)) {}

bool ProjectDownloadUnitSwitch::IsOn() { return mSettings->ProjectFlag(eOSK_DownloadUnits, false); }

void ProjectDownloadUnitSwitch::SetOn(bool on) { mSettings->SetProjectSettingLong(eOSK_DownloadUnits, on ? -1 : 0); }

} // namespace ldr
