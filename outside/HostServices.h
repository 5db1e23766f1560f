#pragma once
// Everything the component reaches of its host: the services of the
// utilities library and the operand library, as the host has made them.
// The main object keeps one HostServices in its context (ctx.Host) and every
// part calls the host through it.

#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/ActionNameSink.h"
#include "outside/utilities/CommandProvider.h"
#include "outside/utilities/ConnectionProvider.h"
#include "outside/utilities/DialogService.h"
#include "outside/utilities/DownloadUnitSwitch.h"
#include "outside/utilities/ErrorReporter.h"
#include "outside/utilities/GlobalValues.h"
#include "outside/utilities/GuiService.h"
#include "outside/utilities/IdentifierService.h"
#include "outside/utilities/LabelNameService.h"
#include "outside/utilities/MessageService.h"
#include "outside/utilities/SettingsStore.h"

#include <memory>

namespace ldr {

struct HostServices {
  std::shared_ptr<ConnectionProvider> Connections;
  std::shared_ptr<CommandProvider> Commands;
  std::shared_ptr<DownloadUnitSwitch> DownloadUnits;
  std::shared_ptr<IdentifierService> Identifiers;
  std::shared_ptr<SettingsStore> Settings;
  std::shared_ptr<MessageService> Messages;
  std::shared_ptr<ErrorReporter> Errors;
  std::shared_ptr<GuiService> Gui;
  std::shared_ptr<ActionNameSink> Actions;
  std::shared_ptr<LabelNameService> LabelNames;
  std::shared_ptr<GlobalValues> Globals;
  std::shared_ptr<DialogService> Dialogs;
  std::shared_ptr<OperandLibrary> Operands;
};

} // namespace ldr
