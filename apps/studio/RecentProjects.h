#pragma once
// The projects opened last, newest first, kept in the user settings file
// (section "RecentProjects", keys 1 … kMaxEntries).

#include "outside/utilities/IniFile.h"

#include <string>
#include <vector>

namespace ldr::studio {

class RecentProjects {
public:
  static constexpr int kMaxEntries = 8;
  static constexpr const char* kSection = "RecentProjects";

  explicit RecentProjects(std::string settingsPath);

  std::vector<std::string> List();
  // Puts the path first; an entry already there moves up, the oldest falls
  // off the end.
  void Add(const std::string& path);
  void Remove(const std::string& path);

private:
  void Store(const std::vector<std::string>& paths);

  IniFile mFile;
};

} // namespace ldr::studio
