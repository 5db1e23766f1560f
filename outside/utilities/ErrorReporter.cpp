#include "outside/utilities/ErrorReporter.h"

namespace ldr {

std::int64_t ErrorReport::Code() const {
  return static_cast<std::int64_t>(Number) - static_cast<std::int64_t>(ErrorReporter::kErrorBase);
}

void ErrorReporter::ReportError(int code, const std::string& title, const std::string& description,
                                const std::string& className, const std::string& procedure) {
  Report({kErrorBase + static_cast<std::uint32_t>(code), title, description, kComponentSource, className, procedure,
          kExclamationStyle});
}

} // namespace ldr
