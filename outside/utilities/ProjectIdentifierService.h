#pragma once
// Identifiers counted up from the project setting eOSK_LastIdentifier (key
// 202), never below the highest identifier the project's blocks already use.
// Released identifiers are not handed out again: a controller may still hold
// a block under the old identifier.

#include "outside/utilities/IdentifierService.h"
#include "outside/utilities/SettingsStore.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class ProjectIdentifierService : public IdentifierService {
public:
  ProjectIdentifierService(std::shared_ptr<db::Connection> project, std::shared_ptr<SettingsStore> settings);

  long NewIdentifier() override;
  void ReleaseIdentifier(long) override {}

private:
  long HighestUsedIdentifier();

  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<SettingsStore> mSettings;
};

} // namespace ldr
