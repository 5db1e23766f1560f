#include "outside/utilities/IniFile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace ldr {

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// "[name]" → name; anything else → nullopt.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return Trim(trimmed.substr(1, trimmed.size() - 2));
}

bool SplitKeyValue(const std::string& line, std::string& key, std::string& value) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return false;
  const auto equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return !key.empty();
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

} // namespace

IniFile::IniFile(std::string path) : mPath(std::move(path)) {}

void IniFile::Reload() {
  mLoaded = false;
  mLines.clear();
}

void IniFile::EnsureLoaded() {
  if (mLoaded) return;
  mLines.clear();
  std::ifstream in(mPath);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    mLines.push_back(line);
  }
  mLoaded = true;
}

int IniFile::FindSection(const std::string& section) const {
  for (int i = 0; i < static_cast<int>(mLines.size()); ++i) {
    const auto name = SectionName(mLines[i]);
    if (name && *name == section) return i;
  }
  return -1;
}

int IniFile::SectionEnd(int header) const {
  int i = header + 1;
  while (i < static_cast<int>(mLines.size()) && !SectionName(mLines[i])) ++i;
  return i;
}

int IniFile::FindKey(int header, const std::string& key) const {
  const int end = SectionEnd(header);
  std::string lineKey, value;
  for (int i = header + 1; i < end; ++i)
    if (SplitKeyValue(mLines[i], lineKey, value) && lineKey == key) return i;
  return -1;
}

std::optional<std::string> IniFile::Value(const std::string& section, const std::string& key) {
  EnsureLoaded();
  const int header = FindSection(section);
  if (header < 0) return std::nullopt;
  const int line = FindKey(header, key);
  if (line < 0) return std::nullopt;
  std::string lineKey, value;
  SplitKeyValue(mLines[line], lineKey, value);
  return value;
}

void IniFile::SetValue(const std::string& section, const std::string& key, const std::string& value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
    throw std::invalid_argument("settings: a section, key or value may not contain a line break");
  if (key.find('=') != std::string::npos) throw std::invalid_argument("settings: a key may not contain '='");
  EnsureLoaded();
  const std::string entry = key + "=" + value;
  int header = FindSection(section);
  if (header < 0) {
    if (!mLines.empty() && !Trim(mLines.back()).empty()) mLines.push_back("");
    mLines.push_back("[" + section + "]");
    mLines.push_back(entry);
  } else if (const int line = FindKey(header, key); line >= 0) {
    mLines[line] = entry;
  } else {
    // After the section's last non-blank line, so blank separators stay below.
    int at = SectionEnd(header);
    while (at > header + 1 && Trim(mLines[at - 1]).empty()) --at;
    mLines.insert(mLines.begin() + at, entry);
  }
  Write();
}

void IniFile::Write() const {
  namespace fs = std::filesystem;
  const fs::path target(mPath);
  if (target.has_parent_path()) fs::create_directories(target.parent_path());
  const fs::path temporary = target.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& line : mLines) out << line << '\n';
    out.flush();
    if (!out) throw std::runtime_error("settings: cannot write " + temporary.string());
  }
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    throw std::runtime_error("settings: cannot replace " + target.string());
  }
}

} // namespace ldr
