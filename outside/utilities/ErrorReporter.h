#pragma once
// The host's error reporter: receives the common error report of the
// component (number 0x80040000 + code, title, description, source, class,
// procedure and the box style 48, an exclamation box).

#include <cstdint>
#include <string>

namespace ldr {

struct ErrorReport {
  std::uint32_t Number = 0;
  std::string Title;
  std::string Description;
  std::string Source;
  std::string ClassName;
  std::string Procedure;
  int Style = 48;

  // Number minus 0x80040000.
  std::int64_t Code() const;
};

class ErrorReporter {
public:
  static constexpr std::uint32_t kErrorBase = 0x80040000u;
  static constexpr int kExclamationStyle = 48;
  // The component's executable name, the source of its reports.
  static constexpr const char* kComponentSource = "CvLdLdr1";

  virtual ~ErrorReporter() = default;
  virtual void Report(const ErrorReport& report) = 0;
  // False when reports reach nobody: a fault that must not pass unnoticed is
  // then thrown instead.
  virtual bool ShowsErrors() const { return true; }

  // The common error report: number = 0x80040000 + code, style 48.
  void ReportError(int code, const std::string& title, const std::string& description, const std::string& className,
                   const std::string& procedure);
};

} // namespace ldr
