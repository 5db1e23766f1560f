#include "outside/headless/clsLogActionSink.h"

#include "outside/headless/clsLogFormat.h"

namespace ldr {

clsLogActionSink::clsLogActionSink(std::shared_ptr<itfLogSink> log) : mLog(std::move(log)) {}

void clsLogActionSink::ReportAction(const std::string& name) {
  mLast = name;
  mLog->WriteLine("action " + clsLogFormat::Quote(name));
}

} // namespace ldr
