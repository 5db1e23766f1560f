#include "apps/studio/StudioHost.h"

#include "apps/studio/QtDialogService.h"
#include "apps/studio/QtMessageAnswers.h"
#include "outside/utilities/OpenFileConnectionProvider.h"
#include "outside/utilities/ProjectCommandProvider.h"
#include "outside/utilities/ProjectDownloadUnitSwitch.h"
#include "outside/utilities/ProjectGlobalValues.h"
#include "outside/utilities/ProjectIdentifierService.h"
#include "outside/utilities/ProjectLabelNameService.h"
#include "outside/utilities/TableMessageService.h"

#include <stdexcept>

namespace ldr::studio {

StudioHost MakeStudioHost(std::shared_ptr<db::Connection> connection, QWidget* window,
                          std::shared_ptr<QtMainBoard> board, LogWriter log, const StudioHostOptions& options) {
  if (!connection) throw std::invalid_argument("studio host: no project connection");
  if (!board) throw std::invalid_argument("studio host: no main board");
  StudioHost host;
  auto services = std::make_shared<HostServices>();
  host.Settings = std::make_shared<FileSettingsStore>(connection, options.HostSettingsPath);
  auto downloadUnits = std::make_shared<ProjectDownloadUnitSwitch>(host.Settings);
  auto globals = std::make_shared<ProjectGlobalValues>(host.Settings);
  host.Gui = std::make_shared<QtGuiService>(window, board, log, options.Interactive);
  host.Errors = std::make_shared<QtErrorReporter>(window, log, options.Interactive);

  services->Connections = std::make_shared<OpenFileConnectionProvider>(connection);
  services->Commands = std::make_shared<ProjectCommandProvider>(services->Connections, downloadUnits);
  services->DownloadUnits = downloadUnits;
  services->Identifiers = std::make_shared<ProjectIdentifierService>(connection, host.Settings);
  services->Settings = host.Settings;
  services->Messages =
      std::make_shared<TableMessageService>(std::make_shared<QtMessageAnswers>(window, log, options.Interactive));
  services->Errors = host.Errors;
  services->Gui = host.Gui;
  services->Actions = host.Gui;
  services->Globals = globals;
  services->Operands = std::make_shared<OperandLibrary>(connection, globals);
  services->Dialogs = std::make_shared<QtDialogService>(window, services->Operands, log, options.Interactive);
  services->LabelNames = std::make_shared<ProjectLabelNameService>(connection, services->Dialogs, services->Messages);
  host.Services = services;
  return host;
}

} // namespace ldr::studio
