#pragma once
// The settings store: host settings by section and numeric key (a user file,
// shared by every project) and project settings by numeric key (stored in the
// project database). Every read names its default, returned when the value is
// missing.

#include <string>

namespace ldr {

class SettingsStore {
public:
  virtual ~SettingsStore() = default;

  virtual std::string HostSetting(long section, long key, const std::string& defaultValue) = 0;
  virtual void SetHostSetting(long section, long key, const std::string& value) = 0;

  virtual std::string ProjectSetting(long key, const std::string& defaultValue) = 0;
  virtual void SetProjectSetting(long key, const std::string& value) = 0;

  // Writes anything still held back. Both stores write at once, so this only
  // matters to hosts that buffer.
  virtual void Save() = 0;

  // Numeric readings: a value that is not a whole number reads as the default.
  long HostSettingLong(long section, long key, long defaultValue);
  long ProjectSettingLong(long key, long defaultValue);
  bool ProjectFlag(long key, bool defaultValue);
  void SetProjectSettingLong(long key, long value);
  // Reads the counter n under `key` (`firstValue` when unset), stores n + 1
  // and returns n.
  long TakeProjectCounter(long key, long firstValue);
};

// Parses a whole decimal number (blanks around it allowed); false otherwise.
bool ParseWholeNumber(const std::string& text, long& value);

} // namespace ldr
