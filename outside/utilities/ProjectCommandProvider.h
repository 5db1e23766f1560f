#pragma once
// The command provider over the host's project connection.

#include "outside/utilities/CommandProvider.h"
#include "outside/utilities/ConnectionProvider.h"
#include "outside/utilities/DownloadUnitSwitch.h"

#include <memory>
#include <string>

namespace ldr {

class ProjectCommandProvider : public CommandProvider {
public:
  static const std::string kElementsSql;
  static const std::string kOperandsSql;

  ProjectCommandProvider(std::shared_ptr<ConnectionProvider> connections,
                         std::shared_ptr<DownloadUnitSwitch> downloadUnits);

  db::Statement ElementsCommand() override;
  db::Statement OperandsCommand() override;
  db::Statement StripUpdateCommand() override;
  bool StripUpdateHasRiseFallElementInfo() override { return mDownloadUnits->IsOn(); }

  static std::string StripUpdateSql(bool withRiseFallElementInfo);

private:
  std::shared_ptr<ConnectionProvider> mConnections;
  std::shared_ptr<DownloadUnitSwitch> mDownloadUnits;
};

} // namespace ldr
