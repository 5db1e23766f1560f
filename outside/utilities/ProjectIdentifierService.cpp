#include "outside/utilities/ProjectIdentifierService.h"

#include "outside/utilities/OutsideSettingKeys.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace ldr {

namespace {

bool TableExists(db::Connection& db, const char* name) {
  return db.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {name}).AsLong() > 0;
}

} // namespace

ProjectIdentifierService::ProjectIdentifierService(std::shared_ptr<db::Connection> project,
                                                   std::shared_ptr<SettingsStore> settings)
    : mProject(std::move(project)), mSettings(std::move(settings)) {}

long ProjectIdentifierService::HighestUsedIdentifier() {
  std::int64_t highest = 0;
  if (TableExists(*mProject, "LdrFunctions")) {
    highest = std::max(highest, mProject->QueryValue("SELECT MAX(Guid) FROM LdrFunctions").AsInt64(0));
    highest = std::max(highest, mProject->QueryValue("SELECT MAX(DataGuid) FROM LdrFunctions").AsInt64(0));
  }
  if (TableExists(*mProject, "DownloadDLUs"))
    highest = std::max(highest, mProject->QueryValue("SELECT MAX(Guid) FROM DownloadDLUs").AsInt64(0));
  return static_cast<long>(std::min<std::int64_t>(highest, std::numeric_limits<std::int32_t>::max()));
}

long ProjectIdentifierService::NewIdentifier() {
  const long last = std::max(mSettings->ProjectSettingLong(eOSK_LastIdentifier, 0), HighestUsedIdentifier());
  if (last >= std::numeric_limits<std::int32_t>::max())
    throw std::overflow_error("identifier service: every 32-bit identifier has been handed out");
  const long next = std::max(last, 0L) + 1;
  mSettings->SetProjectSettingLong(eOSK_LastIdentifier, next);
  return next;
}

} // namespace ldr
