#pragma once
// An INI-like text file of sections and keys:
//
//   [6000]
//   6006=2
//
// Lines it does not understand (comments, blank lines, anything else) are
// kept as they are when a value is written, so nothing a user put in the file
// is lost. Section and key names compare exactly after trimming blanks.

#include <optional>
#include <string>
#include <vector>

namespace ldr {

class IniFile {
public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return mPath; }
  // Reads the file on first use; a missing file is an empty one.
  std::optional<std::string> Value(const std::string& section, const std::string& key);
  // Sets the value and writes the whole file at once (a temporary file
  // renamed over the old one). Values may not contain line breaks.
  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Forgets what was read, so the next read sees the file as it is now.
  void Reload();

private:
  void EnsureLoaded();
  void Write() const;
  // Index of the section's header line, or -1.
  int FindSection(const std::string& section) const;
  // Index of the key's line inside the section starting at `header`, or -1.
  int FindKey(int header, const std::string& key) const;
  // Index one past the section's last line.
  int SectionEnd(int header) const;

  std::string mPath;
  bool mLoaded = false;
  std::vector<std::string> mLines;
};

} // namespace ldr
