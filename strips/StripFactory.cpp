#include "strips/StripFactory.h"

#include "core/enStripType.h"
#include "outside/HostServices.h"
#include "strips/clsLdrComment.h"
#include "strips/clsLdrLabel.h"
#include "strips/clsLdrNet.h"

#include <string>

namespace ldr {

std::shared_ptr<itfStrip> CreateStripByType(LdrContext& ctx, std::int32_t stripType) {
  switch (stripType) {
  case eST_LdrNet:
    return std::make_shared<clsLdrNet>(ctx);
  case eST_LdrComment:
    return std::make_shared<clsLdrComment>(ctx);
  case eST_LdrLabel:
    return std::make_shared<clsLdrLabel>(ctx);
  default:
    // Statement-list strips (4) and unknown types have no class: the row is
    // left as it is and not shown.
    ctx.Host->Errors->ReportError(0, "UnhandledStrip", "Unhandled Strip Type: " + std::to_string(stripType),
                                  "StripFactory", "CreateStripByType");
    return nullptr;
  }
}

} // namespace ldr
