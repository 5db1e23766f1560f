#include "outside/headless/LogActionSink.h"

#include "outside/headless/LogFormat.h"

namespace ldr {

LogActionSink::LogActionSink(std::shared_ptr<LogSink> log) : mLog(std::move(log)) {}

void LogActionSink::ReportAction(const std::string& name) {
  mLast = name;
  mLog->WriteLine("action " + LogFormat::Quote(name));
}

} // namespace ldr
