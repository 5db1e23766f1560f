#pragma once
// The edge between Qt's event loop and the component: every user action that
// calls into the component runs through Run, which catches whatever the call
// throws and hands it to the reporter, so that a failing edit becomes a
// message and never takes the studio down.

#include <functional>
#include <string>

namespace ldr {

class LdrError;

namespace studio {

// Where the studio writes what happened (the log panel).
using LogWriter = std::function<void(const std::string& line)>;

class EventBoundary {
public:
  // A component error (numbered) or any other failure (error is nullptr),
  // with the action that failed.
  using Reporter = std::function<void(const std::string& action, const LdrError* error, const std::string& text)>;

  void SetReporter(Reporter reporter) { mReporter = std::move(reporter); }

  // Runs `call`; true when it returned normally.
  bool Run(const std::string& action, const std::function<void()>& call) const;

  // How many failures were caught so far.
  int Failures() const { return mFailures; }

private:
  void Report(const std::string& action, const LdrError* error, const std::string& text) const;

  Reporter mReporter;
  mutable int mFailures = 0;
};

} // namespace studio
} // namespace ldr
