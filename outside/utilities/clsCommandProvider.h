#pragma once
// The command provider over the host's project connection.

#include "outside/utilities/itfCommandProvider.h"
#include "outside/utilities/itfConnectionProvider.h"
#include "outside/utilities/itfDownloadUnitSwitch.h"

#include <memory>
#include <string>

namespace ldr {

class clsCommandProvider : public itfCommandProvider {
public:
  static const std::string kElementsSql;
  static const std::string kOperandsSql;

  clsCommandProvider(std::shared_ptr<itfConnectionProvider> connections,
                     std::shared_ptr<itfDownloadUnitSwitch> downloadUnits);

  db::Statement ElementsCommand() override;
  db::Statement OperandsCommand() override;
  db::Statement StripUpdateCommand() override;
  bool StripUpdateHasRiseFallElementInfo() override { return mDownloadUnits->IsOn(); }

  static std::string StripUpdateSql(bool withRiseFallElementInfo);

private:
  std::shared_ptr<itfConnectionProvider> mConnections;
  std::shared_ptr<itfDownloadUnitSwitch> mDownloadUnits;
};

} // namespace ldr
