#pragma once
// The action-name sink of a host that shows no action names.

#include "outside/utilities/ActionNameSink.h"

namespace ldr {

class NullActionNameSink : public ActionNameSink {
public:
  void ReportAction(const std::string&) override {}
};

} // namespace ldr
