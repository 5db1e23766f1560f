#pragma once
// The error reporter of a host that shows no errors. Reports go nowhere, and
// ShowsErrors tells the faults that must not pass unnoticed to be thrown.

#include "outside/utilities/ErrorReporter.h"

namespace ldr {

class NullErrorReporter : public ErrorReporter {
public:
  void Report(const ErrorReport&) override {}
  bool ShowsErrors() const override { return false; }
};

} // namespace ldr
