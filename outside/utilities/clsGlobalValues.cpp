#include "outside/utilities/clsGlobalValues.h"

#include "outside/utilities/OutsideSettingKeys.h"

namespace ldr {

clsGlobalValues::clsGlobalValues(std::shared_ptr<itfSettingsStore> settings, long maxSubroutineNameLength)
    : mSettings(std::move(settings)), mMaxNameLength(maxSubroutineNameLength) {}

bool clsGlobalValues::ExtendedOperandsEnabled() { return mSettings->ProjectFlag(eOSK_ExtendedOperands, false); }

void clsGlobalValues::SetExtendedOperandsEnabled(bool enabled) {
  mSettings->SetProjectSettingLong(eOSK_ExtendedOperands, enabled ? -1 : 0);
}

} // namespace ldr
