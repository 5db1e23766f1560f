#pragma once
// Receives the name of each edit, for the host's status line and undo list.

#include <string>

namespace ldr {

class itfActionNameSink {
public:
  virtual ~itfActionNameSink() = default;
  virtual void ReportAction(const std::string& name) = 0;
};

} // namespace ldr
