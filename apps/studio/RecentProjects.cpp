#include "apps/studio/RecentProjects.h"

#include <algorithm>

namespace ldr::studio {

RecentProjects::RecentProjects(std::string settingsPath) : mFile(std::move(settingsPath)) {}

std::vector<std::string> RecentProjects::List() {
  mFile.Reload(); // another studio may have changed the list meanwhile
  std::vector<std::string> paths;
  for (int index = 1; index <= kMaxEntries; ++index) {
    const auto value = mFile.Value(kSection, std::to_string(index));
    if (value && !value->empty() && std::find(paths.begin(), paths.end(), *value) == paths.end())
      paths.push_back(*value);
  }
  return paths;
}

void RecentProjects::Store(const std::vector<std::string>& paths) {
  for (int index = 1; index <= kMaxEntries; ++index) {
    const size_t at = static_cast<size_t>(index - 1);
    const std::string value = at < paths.size() ? paths[at] : std::string();
    const auto stored = mFile.Value(kSection, std::to_string(index));
    if (stored.value_or(std::string()) != value) mFile.SetValue(kSection, std::to_string(index), value);
  }
}

void RecentProjects::Add(const std::string& path) {
  if (path.empty() || path.find_first_of("\r\n") != std::string::npos) return;
  auto paths = List();
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  paths.insert(paths.begin(), path);
  if (paths.size() > static_cast<size_t>(kMaxEntries)) paths.resize(kMaxEntries);
  Store(paths);
}

void RecentProjects::Remove(const std::string& path) {
  auto paths = List();
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  Store(paths);
}

} // namespace ldr::studio
