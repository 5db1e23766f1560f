#pragma once
// Everything the component reaches of its host: the services of the
// utilities library and the operand library, as the host has made them.
// The main object keeps one HostServices in its context (ctx.Host) and every
// part calls the host through it.

#include "outside/operands/clsOperandLibrary.h"
#include "outside/utilities/itfActionNameSink.h"
#include "outside/utilities/itfCommandProvider.h"
#include "outside/utilities/itfConnectionProvider.h"
#include "outside/utilities/itfDialogService.h"
#include "outside/utilities/itfDownloadUnitSwitch.h"
#include "outside/utilities/itfErrorReporter.h"
#include "outside/utilities/itfGlobalValues.h"
#include "outside/utilities/itfGuiService.h"
#include "outside/utilities/itfIdentifierService.h"
#include "outside/utilities/itfLabelNameService.h"
#include "outside/utilities/itfMessageService.h"
#include "outside/utilities/itfSettingsStore.h"

#include <memory>

namespace ldr {

struct HostServices {
  std::shared_ptr<itfConnectionProvider> Connections;
  std::shared_ptr<itfCommandProvider> Commands;
  std::shared_ptr<itfDownloadUnitSwitch> DownloadUnits;
  std::shared_ptr<itfIdentifierService> Identifiers;
  std::shared_ptr<itfSettingsStore> Settings;
  std::shared_ptr<itfMessageService> Messages;
  std::shared_ptr<itfErrorReporter> Errors;
  std::shared_ptr<itfGuiService> Gui;
  std::shared_ptr<itfActionNameSink> Actions;
  std::shared_ptr<itfLabelNameService> LabelNames;
  std::shared_ptr<itfGlobalValues> Globals;
  std::shared_ptr<itfDialogService> Dialogs;
  std::shared_ptr<clsOperandLibrary> Operands;
};

} // namespace ldr
