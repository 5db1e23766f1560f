#pragma once
// A fresh directory for one test's files, removed with everything in it.

#include <filesystem>
#include <string>

namespace ldr::test {

class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return mPath; }
  std::string File(const std::string& name) const { return (mPath / name).string(); }

private:
  std::filesystem::path mPath;
};

// The whole content of a file ("" when it cannot be read).
std::string ReadFileBytes(const std::string& path);

} // namespace ldr::test
