#pragma once
// The headless action-name sink: each name becomes the log line
//   action "NAME"

#include "outside/headless/LogSink.h"
#include "outside/utilities/ActionNameSink.h"

#include <memory>
#include <string>

namespace ldr {

class LogActionSink : public ActionNameSink {
public:
  explicit LogActionSink(std::shared_ptr<LogSink> log);

  void ReportAction(const std::string& name) override;
  const std::string& LastAction() const { return mLast; }

private:
  std::shared_ptr<LogSink> mLog;
  std::string mLast;
};

} // namespace ldr
