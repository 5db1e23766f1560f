#include "outside/headless/HeadlessHost.h"

#include "outside/headless/clsHeadlessDialogs.h"
#include "outside/headless/clsHeadlessMessageAnswers.h"
#include "outside/headless/clsLogActionSink.h"
#include "outside/headless/clsLogErrorReporter.h"
#include "outside/utilities/clsCommandProvider.h"
#include "outside/utilities/clsConnectionProvider.h"
#include "outside/utilities/clsIdentifierService.h"
#include "outside/utilities/clsLabelNameService.h"
#include "outside/utilities/clsMessageService.h"

#include <stdexcept>

namespace ldr {

tyHeadlessHost MakeHeadlessHost(std::shared_ptr<db::Connection> connection, std::shared_ptr<itfLogSink> log,
                                const std::string& hostSettingsPath) {
  if (!log) throw std::invalid_argument("headless host: no log sink");
  tyHeadlessHost host;
  auto services = std::make_shared<HostServices>();
  host.Answers = std::make_shared<clsHeadlessAnswers>();
  host.Gui = std::make_shared<clsHeadlessGui>(host.Answers, log);
  host.Settings = std::make_shared<clsSettingsStore>(connection, hostSettingsPath);
  host.DownloadUnits = std::make_shared<clsDownloadUnitSwitch>(host.Settings);
  host.Globals = std::make_shared<clsGlobalValues>(host.Settings);

  services->Connections = std::make_shared<clsConnectionProvider>(connection);
  services->Commands = std::make_shared<clsCommandProvider>(services->Connections, host.DownloadUnits);
  services->DownloadUnits = host.DownloadUnits;
  services->Identifiers = std::make_shared<clsIdentifierService>(connection, host.Settings);
  services->Settings = host.Settings;
  services->Messages =
      std::make_shared<clsMessageService>(std::make_shared<clsHeadlessMessageAnswers>(host.Answers, log));
  services->Errors = std::make_shared<clsLogErrorReporter>(log);
  services->Gui = host.Gui;
  services->Actions = std::make_shared<clsLogActionSink>(log);
  services->Dialogs = std::make_shared<clsHeadlessDialogs>(host.Answers);
  services->LabelNames = std::make_shared<clsLabelNameService>(connection, services->Dialogs, services->Messages);
  services->Globals = host.Globals;
  services->Operands = std::make_shared<clsOperandLibrary>(connection, host.Globals);
  host.Services = services;
  return host;
}

} // namespace ldr
