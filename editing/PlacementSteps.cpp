#include "editing/PlacementSteps.h"

#include "core/KeyCodes.h"
#include "editing/ProcessBase.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "strips/srvStripResizerEx.h"

#include <cstdlib>

namespace ldr {
namespace {

constexpr long kNoSnap = 1000;

} // namespace

std::vector<int> PlacementSteps::SnapKeys(itfLdrNet& net, long limitX, long limitY) {
  auto selected = net.GetSelectedElements();
  if (selected->Count() != 1) return {};
  const auto& placed = selected->At(0);
  const tyLdrPoint inlet = placed->Inlet();
  long best = kNoSnap;
  long dxBest = 0;
  long dyBest = 0;
  const auto all = net.GetAllElements();
  for (const auto& [key, other] : *all) {
    if (other == placed) continue;
    const tyLdrPoint outlet = other->Outlet();
    const long dx = inlet.X - outlet.X;
    const long dy = inlet.Y - outlet.Y;
    if (dx < 0 || std::labs(dx) > limitX || std::labs(dy) > limitY) continue;
    const long distance = std::labs(dx) + std::labs(dy);
    if (distance < best) {
      best = distance;
      dxBest = dx;
      dyBest = dy;
    }
  }
  std::vector<int> keys;
  if (best == kNoSnap) return keys;
  keys.insert(keys.end(), static_cast<std::size_t>(std::labs(dyBest)), dyBest >= 1 ? eKey_Up : eKey_Down);
  keys.insert(keys.end(), static_cast<std::size_t>(std::labs(dxBest)), dxBest >= 1 ? eKey_Left : eKey_Right);
  return keys;
}

void PlacementSteps::Snap(LdrContext& ctx, itfStrip* activeStrip, const KeyPress& keyPress) {
  itfLdrNet* net = AsNet(activeStrip);
  if (!net || !keyPress) return;
  for (int key : SnapKeys(*net, ctx.SnapLimitX, ctx.SnapLimitY)) keyPress(key);
}

bool PlacementSteps::OpenSpace(LdrContext& ctx, std::int32_t funcID, itfStrip* activeStrip, std::int32_t elementID,
                               itfProcessControl& control, KeyedCollection<itfStrip>& strips) {
  if (ctx.Host->Settings->HostSetting(kSettingsSection, kOpenSpaceKey, "0") != "1") return false;
  if (!AsNet(activeStrip)) return false;
  srvStripResizerEx resizer(ctx.Connection);
  resizer.SetFuncID(funcID);
  resizer.SetNetID(activeStrip->StripID());
  resizer.SetFlags(false, false, true);
  resizer.ResizeNets();
  control.ReLoad();
  for (const auto& [key, strip] : strips) {
    if (itfLdrNet* net = AsNet(strip)) net->MarkElement(elementID);
  }
  if (ctx.Drawer) ctx.Drawer->DrawAll();
  return true;
}

} // namespace ldr
