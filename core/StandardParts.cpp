#include "core/StandardParts.h"

#include "core/clsLdrFunction.h"
#include "editing/srvDrawer.h"

namespace ldr {

tyLdrMainParts MakeStandardParts() {
  tyLdrMainParts parts;
  parts.CreateDrawer = [](LdrContext& ctx) -> std::shared_ptr<itfDrawer> { return std::make_shared<srvDrawer>(ctx); };
  parts.CreateView = [](LdrContext& ctx) -> std::shared_ptr<itfFunction> {
    return std::make_shared<clsLdrFunction>(ctx, MakeStandardFunctionParts());
  };
  return parts;
}

} // namespace ldr
