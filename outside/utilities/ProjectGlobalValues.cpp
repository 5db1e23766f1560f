#include "outside/utilities/ProjectGlobalValues.h"

#include "outside/utilities/OutsideSettingKeys.h"

namespace ldr {

ProjectGlobalValues::ProjectGlobalValues(std::shared_ptr<SettingsStore> settings, long maxSubroutineNameLength)
    : mSettings(std::move(settings)), mMaxNameLength(maxSubroutineNameLength) {}

bool ProjectGlobalValues::ExtendedOperandsEnabled() { return mSettings->ProjectFlag(eOSK_ExtendedOperands, false); }

void ProjectGlobalValues::SetExtendedOperandsEnabled(bool enabled) {
  mSettings->SetProjectSettingLong(eOSK_ExtendedOperands, enabled ? -1 : 0);
}

} // namespace ldr
