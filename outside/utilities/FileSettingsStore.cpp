#include "outside/utilities/FileSettingsStore.h"

#include <cstdlib>
#include <stdexcept>

namespace ldr {

FileSettingsStore::FileSettingsStore(std::shared_ptr<db::Connection> project, std::string hostSettingsPath)
    : mProject(std::move(project)), mHostFile(std::move(hostSettingsPath)) {
  if (!mProject) throw std::invalid_argument("settings store: no project connection");
}

std::string FileSettingsStore::DefaultHostSettingsPath() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return std::string(config) + "/ldr/settings.ini";
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config/ldr/settings.ini";
  return "settings.ini";
}

std::string FileSettingsStore::HostSetting(long section, long key, const std::string& defaultValue) {
  return mHostFile.Value(std::to_string(section), std::to_string(key)).value_or(defaultValue);
}

void FileSettingsStore::SetHostSetting(long section, long key, const std::string& value) {
  mHostFile.SetValue(std::to_string(section), std::to_string(key), value);
}

std::string FileSettingsStore::ProjectSetting(long key, const std::string& defaultValue) {
  const auto value = mProject->QueryValue("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=?", {key});
  return value.IsNull() ? defaultValue : value.AsText();
}

void FileSettingsStore::SetProjectSetting(long key, const std::string& value) {
  mProject->Execute("INSERT INTO ProjectSettings (SettingKey, SettingValue) VALUES (?, ?) "
                    "ON CONFLICT(SettingKey) DO UPDATE SET SettingValue=excluded.SettingValue",
                    {key, value});
}

} // namespace ldr
