#pragma once
// Passes each action name on to the host's sink and remembers the last one,
// so that an undo step can carry the name of the edit it records.

#include "outside/utilities/ActionNameSink.h"

#include <memory>
#include <string>

namespace ldr {

class ActionNameTap : public ActionNameSink {
public:
  explicit ActionNameTap(std::shared_ptr<ActionNameSink> host) : mHost(std::move(host)) {}

  void ReportAction(const std::string& name) override {
    mLast = name;
    if (mHost) mHost->ReportAction(name);
  }
  const std::string& Last() const { return mLast; }
  void Forget() { mLast.clear(); }

  // The tap in `sink`, put there first when it is not yet.
  static ActionNameTap& In(std::shared_ptr<ActionNameSink>& sink);

private:
  std::shared_ptr<ActionNameSink> mHost;
  std::string mLast;
};

} // namespace ldr
