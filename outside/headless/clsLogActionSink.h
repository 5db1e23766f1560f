#pragma once
// The headless action-name sink: each name becomes the log line
//   action "NAME"

#include "outside/headless/itfLogSink.h"
#include "outside/utilities/itfActionNameSink.h"

#include <memory>
#include <string>

namespace ldr {

class clsLogActionSink : public itfActionNameSink {
public:
  explicit clsLogActionSink(std::shared_ptr<itfLogSink> log);

  void ReportAction(const std::string& name) override;
  const std::string& LastAction() const { return mLast; }

private:
  std::shared_ptr<itfLogSink> mLog;
  std::string mLast;
};

} // namespace ldr
