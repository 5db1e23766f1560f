#include "support/CommandLine.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

#ifndef LDR_BINARY_DIR
#define LDR_BINARY_DIR "."
#endif

namespace ldr::test {

CommandRun RunLdr(const std::string& args) {
  const std::string command = std::string(LDR_BINARY_DIR) + "/apps/ldr/ldr " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string out;
  std::array<char, 4096> buffer{};
  while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WEXITSTATUS(status), out};
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

} // namespace ldr::test
