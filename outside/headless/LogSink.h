#pragma once
// Where the headless host writes its output lines (messages, message boxes,
// errors, actions), one complete line per call, without the line break.

#include <string>

namespace ldr {

class LogSink {
public:
  virtual ~LogSink() = default;
  virtual void WriteLine(const std::string& line) = 0;
};

} // namespace ldr
