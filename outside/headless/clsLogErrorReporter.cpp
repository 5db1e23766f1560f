#include "outside/headless/clsLogErrorReporter.h"

#include "outside/headless/clsLogFormat.h"

namespace ldr {

clsLogErrorReporter::clsLogErrorReporter(std::shared_ptr<itfLogSink> log) : mLog(std::move(log)) {}

std::string clsLogErrorReporter::LogLine(const tyErrorReport& report) {
  return "error " + std::to_string(report.Code()) + " " + clsLogFormat::Quote(report.Title) + " " +
         clsLogFormat::Quote(report.Description) + " " + clsLogFormat::Word(report.ClassName) + " " +
         clsLogFormat::Word(report.Procedure);
}

void clsLogErrorReporter::Report(const tyErrorReport& report) {
  mReports.push_back(report);
  mLog->WriteLine(LogLine(report));
}

} // namespace ldr
