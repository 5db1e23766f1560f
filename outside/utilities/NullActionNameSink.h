#pragma once
// The action-name sink of a host that shows no action names.

#include "outside/utilities/itfActionNameSink.h"

namespace ldr {

class NullActionNameSink : public itfActionNameSink {
public:
  void ReportAction(const std::string&) override {}
};

} // namespace ldr
