#pragma once
// Global values: the name length limit is fixed per build, the extended
// operands flag is the project setting eOSK_ExtendedOperands (key 201).

#include "outside/utilities/GlobalValues.h"
#include "outside/utilities/SettingsStore.h"

#include <memory>

namespace ldr {

class ProjectGlobalValues : public GlobalValues {
public:
  static constexpr long kDefaultMaxSubroutineNameLength = 64;

  explicit ProjectGlobalValues(std::shared_ptr<SettingsStore> settings,
                               long maxSubroutineNameLength = kDefaultMaxSubroutineNameLength);

  long MaxSubroutineNameLength() override { return mMaxNameLength; }
  bool ExtendedOperandsEnabled() override;
  void SetExtendedOperandsEnabled(bool enabled);

private:
  std::shared_ptr<SettingsStore> mSettings;
  long mMaxNameLength;
};

} // namespace ldr
