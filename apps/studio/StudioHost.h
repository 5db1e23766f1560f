#pragma once
// The host services of the desktop host for one open project: the answering
// services are the studio's own (message boxes, dialogs, menus, the main
// window), the others are the real services of the utilities library.

#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtErrorReporter.h"
#include "apps/studio/QtGuiService.h"
#include "apps/studio/QtMainBoard.h"
#include "outside/HostServices.h"
#include "outside/utilities/FileSettingsStore.h"

#include <memory>
#include <string>

class QWidget;

namespace ldr::studio {

struct StudioHostOptions {
  std::string HostSettingsPath = FileSettingsStore::DefaultHostSettingsPath();
  // False: nobody is there to answer; messages take their safe answer,
  // dialogs and menus are cancelled, errors only go to the log.
  bool Interactive = true;
};

struct StudioHost {
  std::shared_ptr<HostServices> Services;
  std::shared_ptr<QtGuiService> Gui;
  std::shared_ptr<QtErrorReporter> Errors;
  std::shared_ptr<FileSettingsStore> Settings;
};

StudioHost MakeStudioHost(std::shared_ptr<db::Connection> connection, QWidget* window,
                          std::shared_ptr<QtMainBoard> board, LogWriter log, const StudioHostOptions& options);

} // namespace ldr::studio
