#include "outside/headless/HeadlessHost.h"

#include "outside/headless/HeadlessDialogs.h"
#include "outside/headless/HeadlessMessageAnswers.h"
#include "outside/headless/LogActionSink.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/utilities/OpenFileConnectionProvider.h"
#include "outside/utilities/ProjectCommandProvider.h"
#include "outside/utilities/ProjectIdentifierService.h"
#include "outside/utilities/ProjectLabelNameService.h"
#include "outside/utilities/TableMessageService.h"

#include <stdexcept>

namespace ldr {

HeadlessHost MakeHeadlessHost(std::shared_ptr<db::Connection> connection, std::shared_ptr<LogSink> log,
                              const std::string& hostSettingsPath) {
  if (!log) throw std::invalid_argument("headless host: no log sink");
  HeadlessHost host;
  auto services = std::make_shared<HostServices>();
  host.Answers = std::make_shared<HeadlessAnswers>();
  host.Gui = std::make_shared<HeadlessGui>(host.Answers, log);
  host.Settings = std::make_shared<FileSettingsStore>(connection, hostSettingsPath);
  host.DownloadUnits = std::make_shared<ProjectDownloadUnitSwitch>(host.Settings);
  host.Globals = std::make_shared<ProjectGlobalValues>(host.Settings);

  services->Connections = std::make_shared<OpenFileConnectionProvider>(connection);
  services->Commands = std::make_shared<ProjectCommandProvider>(services->Connections, host.DownloadUnits);
  services->DownloadUnits = host.DownloadUnits;
  services->Identifiers = std::make_shared<ProjectIdentifierService>(connection, host.Settings);
  services->Settings = host.Settings;
  services->Messages =
      std::make_shared<TableMessageService>(std::make_shared<HeadlessMessageAnswers>(host.Answers, log));
  services->Errors = std::make_shared<LogErrorReporter>(log);
  services->Gui = host.Gui;
  services->Actions = std::make_shared<LogActionSink>(log);
  services->Dialogs = std::make_shared<HeadlessDialogs>(host.Answers, log);
  services->LabelNames = std::make_shared<ProjectLabelNameService>(connection, services->Dialogs, services->Messages);
  services->Globals = host.Globals;
  services->Operands = std::make_shared<OperandLibrary>(connection, host.Globals);
  host.Services = services;
  return host;
}

} // namespace ldr
