#include "editor/StandardParts.h"

#include "editing/srvDrawer.h"
#include "editor/clsLdrFunction.h"

namespace ldr {

tyLdrMainParts MakeStandardParts() {
  tyLdrMainParts parts;
  parts.CreateDrawer = [](LdrContext& ctx) -> std::unique_ptr<itfDrawer> { return std::make_unique<srvDrawer>(ctx); };
  parts.CreateView = [](LdrContext& ctx) -> std::unique_ptr<itfFunction> {
    return std::make_unique<clsLdrFunction>(ctx, MakeStandardFunctionParts());
  };
  return parts;
}

} // namespace ldr
