#pragma once
// The instances of the project's function blocks: a placed configuration
// method makes one (a row of FB_Instance_Details), the other methods of the
// block refer to it by its number (LdrElements.MoreParamsLng). Numbers count
// per father; 32000 marks a method whose instance has no configuration
// element. Instance IDs (what the controller's download knows an instance by)
// run from 1 to 256 over the whole project.

#include "platform/database/Connection.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

struct BlockInstance {
  long Number = 0;
  std::string Description;
};

class FunctionBlockInstances {
public:
  static constexpr long kOrphanedInstance = 32000;
  static constexpr long kMaxInstanceID = 256;
  static constexpr std::size_t kMaxDescriptionCharacters = 50;

  explicit FunctionBlockInstances(db::Connection& db) : mDb(db) {}

  // One more than the highest number the father's elements or instance rows
  // use (orphans aside): a number nothing of the father holds.
  long NextInstanceNumber(long fatherID);
  // The smallest instance ID from 1 that no instance row has; none when all
  // up to kMaxInstanceID are taken.
  std::optional<long> LowestFreeInstanceID();
  // `base` when no instance row holds it (case aside) and `alsoTaken` does
  // not list it, else the first free base(1), base(2) ... (the base cut so
  // that the text stays within kMaxDescriptionCharacters).
  std::string UniqueDescription(const std::string& base, const std::vector<std::string>& alsoTaken = {});
  bool IsDescriptionTaken(const std::string& description);

  // Adds the instance row of a new instance; answers false (and adds
  // nothing) when no instance ID is free.
  bool AddInstance(long fatherID, long number, const std::string& description, const db::Blob& configData);
  // Stores the settings of an instance its configuration method was given again.
  void SetConfigData(long fatherID, long number, const db::Blob& configData);
  // The father's instances, by number.
  std::vector<BlockInstance> InstancesOf(long fatherID);
  std::optional<BlockInstance> Find(long fatherID, long number);

private:
  db::Connection& mDb;
};

} // namespace ldr
