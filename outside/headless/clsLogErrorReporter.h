#pragma once
// The headless error reporter: each report becomes the log line
//   error CODE "TITLE" "MESSAGE" CLASS PROCEDURE
// with CODE the number minus 0x80040000.

#include "outside/headless/itfLogSink.h"
#include "outside/utilities/itfErrorReporter.h"

#include <memory>
#include <vector>

namespace ldr {

class clsLogErrorReporter : public itfErrorReporter {
public:
  explicit clsLogErrorReporter(std::shared_ptr<itfLogSink> log);

  void Report(const tyErrorReport& report) override;
  const std::vector<tyErrorReport>& Reports() const { return mReports; }

  static std::string LogLine(const tyErrorReport& report);

private:
  std::shared_ptr<itfLogSink> mLog;
  std::vector<tyErrorReport> mReports;
};

} // namespace ldr
