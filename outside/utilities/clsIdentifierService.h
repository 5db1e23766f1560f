#pragma once
// Identifiers counted up from the project setting eOSK_LastIdentifier (key
// 202), never below the highest identifier the project's blocks already use.
// Released identifiers are not handed out again: a controller may still hold
// a block under the old identifier.

#include "outside/utilities/itfIdentifierService.h"
#include "outside/utilities/itfSettingsStore.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class clsIdentifierService : public itfIdentifierService {
public:
  clsIdentifierService(std::shared_ptr<db::Connection> project, std::shared_ptr<itfSettingsStore> settings);

  long NewIdentifier() override;
  void ReleaseIdentifier(long) override {}

private:
  long HighestUsedIdentifier();

  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<itfSettingsStore> mSettings;
};

} // namespace ldr
