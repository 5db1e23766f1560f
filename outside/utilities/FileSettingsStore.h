#pragma once
// The settings store of a host: host settings in a user settings file
// (IniFile, section and key written as decimal numbers), project settings in
// the project table ProjectSettings(SettingKey INTEGER PRIMARY KEY,
// SettingValue TEXT).

#include "outside/utilities/IniFile.h"
#include "outside/utilities/SettingsStore.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class FileSettingsStore : public SettingsStore {
public:
  FileSettingsStore(std::shared_ptr<db::Connection> project, std::string hostSettingsPath);

  // $XDG_CONFIG_HOME/ldr/settings.ini, else $HOME/.config/ldr/settings.ini,
  // else settings.ini in the working directory.
  static std::string DefaultHostSettingsPath();

  std::string HostSetting(long section, long key, const std::string& defaultValue) override;
  void SetHostSetting(long section, long key, const std::string& value) override;
  std::string ProjectSetting(long key, const std::string& defaultValue) override;
  void SetProjectSetting(long key, const std::string& value) override;
  void Save() override {}

  const std::string& HostSettingsPath() const { return mHostFile.Path(); }

private:
  std::shared_ptr<db::Connection> mProject;
  IniFile mHostFile;
};

} // namespace ldr
