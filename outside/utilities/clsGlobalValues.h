#pragma once
// Global values: the name length limit is fixed per build, the extended
// operands flag is the project setting eOSK_ExtendedOperands (key 201).

#include "outside/utilities/itfGlobalValues.h"
#include "outside/utilities/itfSettingsStore.h"

#include <memory>

namespace ldr {

class clsGlobalValues : public itfGlobalValues {
public:
  static constexpr long kDefaultMaxSubroutineNameLength = 64;

  explicit clsGlobalValues(std::shared_ptr<itfSettingsStore> settings,
                           long maxSubroutineNameLength = kDefaultMaxSubroutineNameLength);

  long MaxSubroutineNameLength() override { return mMaxNameLength; }
  bool ExtendedOperandsEnabled() override;
  void SetExtendedOperandsEnabled(bool enabled);

private:
  std::shared_ptr<itfSettingsStore> mSettings;
  long mMaxNameLength;
};

} // namespace ldr
