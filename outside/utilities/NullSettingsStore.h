#pragma once
// The settings of a host that stores none: every reading is the default and
// every write is dropped.

#include "outside/utilities/SettingsStore.h"

namespace ldr {

class NullSettingsStore : public SettingsStore {
public:
  std::string HostSetting(long, long, const std::string& defaultValue) override { return defaultValue; }
  void SetHostSetting(long, long, const std::string&) override {}
  std::string ProjectSetting(long, const std::string& defaultValue) override { return defaultValue; }
  void SetProjectSetting(long, const std::string&) override {}
  void Save() override {}
};

} // namespace ldr
