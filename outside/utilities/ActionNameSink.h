#pragma once
// Receives the name of each edit, for the host's status line and undo list.

#include <string>

namespace ldr {

class ActionNameSink {
public:
  virtual ~ActionNameSink() = default;
  virtual void ReportAction(const std::string& name) = 0;
};

} // namespace ldr
