#include "strips/StripFactory.h"

#include "core/enStripType.h"
#include "outside/HostServices.h"
#include "strips/clsLdrComment.h"
#include "strips/clsLdrLabel.h"
#include "strips/clsLdrNet.h"

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
    ctx.Host->Messages->ShowMessageBox("else");
    return nullptr;
  }
}

} // namespace ldr
