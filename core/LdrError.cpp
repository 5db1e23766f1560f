#include "core/LdrError.h"

#include "outside/utilities/itfErrorReporter.h"

namespace ldr {

LdrError::LdrError(int code, std::string title, std::string message, std::string className, std::string procedure)
    : std::runtime_error("error " + std::to_string(code) + " in " + className + "." + procedure + ": " + title +
                         (message.empty() ? "" : " - " + message)),
      mCode(code), mTitle(std::move(title)), mMessage(std::move(message)), mClassName(std::move(className)),
      mProcedure(std::move(procedure)) {}

void ReportLdrError(itfErrorReporter& reporter, const LdrError& error) {
  reporter.Report({error.Number(), error.Title(), error.Message(), itfErrorReporter::kComponentSource,
                   error.ClassName(), error.Procedure(), itfErrorReporter::kExclamationStyle});
}

} // namespace ldr
