#pragma once
// A numbered error of the component: the code (reported to hosts as
// 0x80040000 + code), a title, a message and the class and procedure that
// raised it. Thrown where the component "raises"; the common error report
// (ErrorReport) hands the same fields to the host's error reporter.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ldr {

class LdrError : public std::runtime_error {
public:
  static constexpr std::uint32_t kErrorBase = 0x80040000u;

  LdrError(int code, std::string title, std::string message, std::string className, std::string procedure);

  int Code() const { return mCode; }
  std::uint32_t Number() const { return kErrorBase + static_cast<std::uint32_t>(mCode); }
  const std::string& Title() const { return mTitle; }
  const std::string& Message() const { return mMessage; }
  const std::string& ClassName() const { return mClassName; }
  const std::string& Procedure() const { return mProcedure; }

private:
  int mCode;
  std::string mTitle;
  std::string mMessage;
  std::string mClassName;
  std::string mProcedure;
};

class ErrorReporter;

// Hands a caught component error to the host's error reporter.
void ReportLdrError(ErrorReporter& reporter, const LdrError& error);

} // namespace ldr
