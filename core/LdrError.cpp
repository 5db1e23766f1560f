#include "core/LdrError.h"

#include "outside/utilities/ErrorReporter.h"

namespace ldr {

LdrError::LdrError(int code, std::string title, std::string message, std::string className, std::string procedure)
    : std::runtime_error("error " + std::to_string(code) + " in " + className + "." + procedure + ": " + title +
                         (message.empty() ? "" : " - " + message)),
      mCode(code), mTitle(std::move(title)), mMessage(std::move(message)), mClassName(std::move(className)),
      mProcedure(std::move(procedure)) {}

void ReportLdrError(ErrorReporter& reporter, const LdrError& error) {
  reporter.Report({error.Number(), error.Title(), error.Message(), ErrorReporter::kComponentSource, error.ClassName(),
                   error.Procedure(), ErrorReporter::kExclamationStyle});
}

} // namespace ldr
