#pragma once
// The headless error reporter: each report becomes the log line
//   error CODE "TITLE" "MESSAGE" CLASS PROCEDURE
// with CODE the number minus 0x80040000.

#include "outside/headless/LogSink.h"
#include "outside/utilities/ErrorReporter.h"

#include <memory>
#include <vector>

namespace ldr {

class LogErrorReporter : public ErrorReporter {
public:
  explicit LogErrorReporter(std::shared_ptr<LogSink> log);

  void Report(const ErrorReport& report) override;
  const std::vector<ErrorReport>& Reports() const { return mReports; }

  static std::string LogLine(const ErrorReport& report);

private:
  std::shared_ptr<LogSink> mLog;
  std::vector<ErrorReport> mReports;
};

} // namespace ldr
