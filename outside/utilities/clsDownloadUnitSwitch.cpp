#include "outside/utilities/clsDownloadUnitSwitch.h"

#include "outside/utilities/OutsideSettingKeys.h"

namespace ldr {

clsDownloadUnitSwitch::clsDownloadUnitSwitch(std::shared_ptr<itfSettingsStore> settings)
    : mSettings(std::move(settings)) {}

bool clsDownloadUnitSwitch::IsOn() { return mSettings->ProjectFlag(eOSK_DownloadUnits, false); }

void clsDownloadUnitSwitch::SetOn(bool on) { mSettings->SetProjectSettingLong(eOSK_DownloadUnits, on ? -1 : 0); }

} // namespace ldr
