#pragma once
// A log sink that keeps every line (for `expect` and for tests) and, when
// given a stream, also writes each line to it at once.

#include "outside/headless/LogSink.h"

#include <ostream>
#include <string>
#include <vector>

namespace ldr {

class MemoryLog : public LogSink {
public:
  MemoryLog() = default;
  explicit MemoryLog(std::ostream& echo) : mEcho(&echo) {}

  void WriteLine(const std::string& line) override;

  const std::vector<std::string>& Lines() const { return mLines; }
  // Whether any line so far contains `text`.
  bool Contains(const std::string& text) const;
  void Clear() { mLines.clear(); }

private:
  std::ostream* mEcho = nullptr;
  std::vector<std::string> mLines;
};

} // namespace ldr
