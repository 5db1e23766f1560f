#include "editor/StandardParts.h"

#include "editing/srvDrawer.h"
#include "editor/clsLdrFunction.h"
#include "exchange/clsClipboard.h"
#include "outside/utilities/FileSettingsStore.h"

namespace ldr {

LdrMainParts MakeStandardParts() {
  return MakeStandardParts(clsClipboard::BufferFileBeside(FileSettingsStore::DefaultHostSettingsPath()));
}

LdrMainParts MakeStandardParts(const std::string& clipboardFile) {
  LdrMainParts parts;
  parts.CreateClipboard = [clipboardFile](LdrContext& ctx) -> std::shared_ptr<itfClipboard> {
    return std::make_shared<clsClipboard>(ctx, clipboardFile);
  };
  parts.CreateDrawer = [](LdrContext& ctx) -> std::unique_ptr<itfDrawer> { return std::make_unique<srvDrawer>(ctx); };
  parts.CreateView = [](LdrContext& ctx) -> std::unique_ptr<itfFunction> {
    return std::make_unique<clsLdrFunction>(ctx, MakeStandardFunctionParts());
  };
  return parts;
}

} // namespace ldr
