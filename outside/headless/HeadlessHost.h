#pragma once
// A complete headless HostServices for a project connection: answers from
// the script's queues, messages, errors, actions and menus written to `log`.

#include "outside/HostServices.h"
#include "outside/headless/HeadlessAnswers.h"
#include "outside/headless/HeadlessGui.h"
#include "outside/headless/LogSink.h"
#include "outside/utilities/FileSettingsStore.h"
#include "outside/utilities/ProjectDownloadUnitSwitch.h"
#include "outside/utilities/ProjectGlobalValues.h"

#include <memory>
#include <string>

namespace ldr {

struct HeadlessHost {
  std::shared_ptr<HostServices> Services;
  // The concrete services a script runner or a test also drives.
  std::shared_ptr<HeadlessAnswers> Answers;
  std::shared_ptr<HeadlessGui> Gui;
  std::shared_ptr<FileSettingsStore> Settings;
  std::shared_ptr<ProjectDownloadUnitSwitch> DownloadUnits;
  std::shared_ptr<ProjectGlobalValues> Globals;
};

HeadlessHost MakeHeadlessHost(std::shared_ptr<db::Connection> connection, std::shared_ptr<LogSink> log,
                              const std::string& hostSettingsPath = FileSettingsStore::DefaultHostSettingsPath());

} // namespace ldr
