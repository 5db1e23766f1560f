#pragma once
// Runs the real `ldr` binary of the build as a user would, with standard
// error folded into the output.

#include <string>

namespace ldr::test {

struct CommandRun {
  int status;
  std::string out;
};

CommandRun RunLdr(const std::string& args);
// A path quoted for the shell.
std::string Quoted(const std::string& path);

} // namespace ldr::test
