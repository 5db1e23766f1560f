#pragma once
// A complete headless HostServices for a project connection: answers from
// the script's queues, messages, errors, actions and menus written to `log`.

#include "outside/HostServices.h"
#include "outside/headless/clsHeadlessAnswers.h"
#include "outside/headless/clsHeadlessGui.h"
#include "outside/headless/itfLogSink.h"
#include "outside/utilities/clsDownloadUnitSwitch.h"
#include "outside/utilities/clsGlobalValues.h"
#include "outside/utilities/clsSettingsStore.h"

#include <memory>
#include <string>

namespace ldr {

struct tyHeadlessHost {
  std::shared_ptr<HostServices> Services;
  // The concrete services a script runner or a test also drives.
  std::shared_ptr<clsHeadlessAnswers> Answers;
  std::shared_ptr<clsHeadlessGui> Gui;
  std::shared_ptr<clsSettingsStore> Settings;
  std::shared_ptr<clsDownloadUnitSwitch> DownloadUnits;
  std::shared_ptr<clsGlobalValues> Globals;
};

tyHeadlessHost MakeHeadlessHost(std::shared_ptr<db::Connection> connection, std::shared_ptr<itfLogSink> log,
                                const std::string& hostSettingsPath = clsSettingsStore::DefaultHostSettingsPath());

} // namespace ldr
