#pragma once
// Runs an `ldr script` text in this process, as the command does.

#include "apps/ldr/script/ScriptRunner.h"

#include <sstream>
#include <string>

namespace ldr::test {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

inline ScriptResult RunScript(const std::string& text) {
  std::ostringstream out, err;
  std::istringstream in(text);
  int status = 0;
  {
    script::ScriptRunner runner(out, err);
    status = runner.Run(in);
  }
  return {status, out.str(), err.str()};
}

} // namespace ldr::test
