#include "outside/headless/MemoryLog.h"

#include <algorithm>

namespace ldr {

void MemoryLog::WriteLine(const std::string& line) {
  mLines.push_back(line);
  if (mEcho) *mEcho << line << '\n' << std::flush;
}

bool MemoryLog::Contains(const std::string& text) const {
  return std::any_of(mLines.begin(), mLines.end(),
                     [&text](const std::string& line) { return line.find(text) != std::string::npos; });
}

} // namespace ldr
