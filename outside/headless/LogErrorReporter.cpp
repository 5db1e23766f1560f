#include "outside/headless/LogErrorReporter.h"

#include "outside/headless/LogFormat.h"

namespace ldr {

LogErrorReporter::LogErrorReporter(std::shared_ptr<LogSink> log) : mLog(std::move(log)) {}

std::string LogErrorReporter::LogLine(const ErrorReport& report) {
  return "error " + std::to_string(report.Code()) + " " + LogFormat::Quote(report.Title) + " " +
         LogFormat::Quote(report.Description) + " " + LogFormat::Word(report.ClassName) + " " +
         LogFormat::Word(report.Procedure);
}

void LogErrorReporter::Report(const ErrorReport& report) {
  mReports.push_back(report);
  mLog->WriteLine(LogLine(report));
}

} // namespace ldr
