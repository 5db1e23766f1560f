#include "core/LdrContext.h"

#include "core/EditCommit.h"
#include "core/clsLdrState.h"
#include "outside/HostServices.h"
#include "outside/utilities/NullActionNameSink.h"
#include "outside/utilities/NullCommandProvider.h"
#include "outside/utilities/NullConnectionProvider.h"
#include "outside/utilities/NullDialogService.h"
#include "outside/utilities/NullDownloadUnitSwitch.h"
#include "outside/utilities/NullErrorReporter.h"
#include "outside/utilities/NullGlobalValues.h"
#include "outside/utilities/NullGuiService.h"
#include "outside/utilities/NullIdentifierService.h"
#include "outside/utilities/NullLabelNameService.h"
#include "outside/utilities/NullMessageService.h"
#include "outside/utilities/NullSettingsStore.h"

namespace ldr {

namespace {

template <class Null, class Service> void FillIfMissing(std::shared_ptr<Service>& service) {
  if (!service) service = std::make_shared<Null>();
}

// The host's services with a do-nothing one in each gap.
std::unique_ptr<HostServices> CompleteServices(const HostServices& given) {
  auto host = std::make_unique<HostServices>(given);
  FillIfMissing<NullConnectionProvider>(host->Connections);
  FillIfMissing<NullCommandProvider>(host->Commands);
  FillIfMissing<NullDownloadUnitSwitch>(host->DownloadUnits);
  FillIfMissing<NullIdentifierService>(host->Identifiers);
  FillIfMissing<NullSettingsStore>(host->Settings);
  FillIfMissing<NullMessageService>(host->Messages);
  FillIfMissing<NullErrorReporter>(host->Errors);
  FillIfMissing<NullGuiService>(host->Gui);
  FillIfMissing<NullActionNameSink>(host->Actions);
  FillIfMissing<NullLabelNameService>(host->LabelNames);
  FillIfMissing<NullGlobalValues>(host->Globals);
  FillIfMissing<NullDialogService>(host->Dialogs);
  return host;
}

} // namespace

LdrContext::LdrContext() : Host(CompleteServices(HostServices())) {}

LdrContext::~LdrContext() = default;

void LdrContext::SetHost(const std::shared_ptr<HostServices>& host) {
  Host = CompleteServices(host ? *host : HostServices());
}

} // namespace ldr
