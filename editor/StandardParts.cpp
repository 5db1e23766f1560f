#include "editor/StandardParts.h"

#include "editing/srvDrawer.h"
#include "editor/clsLdrFunction.h"

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
