#include "outside/utilities/SettingsStore.h"

#include <cerrno>
#include <cstdlib>

namespace ldr {

bool ParseWholeNumber(const std::string& text, long& value) {
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t') ++begin;
  if (*begin == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(begin, &end, 10);
  if (errno != 0 || end == begin) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  if (parsed < -2147483648LL || parsed > 2147483647LL) return false;
  value = static_cast<long>(parsed);
  return true;
}

long SettingsStore::HostSettingLong(long section, long key, long defaultValue) {
  long value = defaultValue;
  return ParseWholeNumber(HostSetting(section, key, std::to_string(defaultValue)), value) ? value : defaultValue;
}

long SettingsStore::ProjectSettingLong(long key, long defaultValue) {
  long value = defaultValue;
  return ParseWholeNumber(ProjectSetting(key, std::to_string(defaultValue)), value) ? value : defaultValue;
}

bool SettingsStore::ProjectFlag(long key, bool defaultValue) {
  return ProjectSettingLong(key, defaultValue ? -1 : 0) != 0;
}

void SettingsStore::SetProjectSettingLong(long key, long value) { SetProjectSetting(key, std::to_string(value)); }

long SettingsStore::TakeProjectCounter(long key, long firstValue) {
  const long value = ProjectSettingLong(key, firstValue);
  SetProjectSettingLong(key, value + 1);
  return value;
}

} // namespace ldr
