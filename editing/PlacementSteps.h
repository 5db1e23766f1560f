#pragma once
// What the function view does right after a new element was dropped into a
// net: it snaps the element onto a nearby element's outlet (by feeding the
// view arrow keys, so the net moves it as the keyboard would), and, when the
// host asks for it, opens free rows below the net's elements.

#include "core/KeyedCollection.h"
#include "core/LdrContext.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ldr {

class itfLdrNet;
class itfProcessControl;
class itfStrip;

class PlacementSteps {
public:
  // Host setting section 6000, key 6003: "1" opens space after a placement.
  static constexpr long kSettingsSection = 6000;
  static constexpr long kOpenSpaceKey = 6003;

  using KeyPress = std::function<void(int keyCode)>;

  // The arrow keys that bring the net's one selected element E onto the
  // nearest outlet of another element O: with dx = E's inlet X - O's outlet
  // X and dy likewise, the O with the smallest |dx| + |dy| among those with
  // dx >= 0, |dx| <= limitX and |dy| <= limitY (the first one on a tie).
  // Empty when there is no such O or not exactly one element is selected.
  static std::vector<int> SnapKeys(itfLdrNet& net, long limitX, long limitY);
  // Feeds the snap keys of the active strip, when it is a net.
  static void Snap(LdrContext& ctx, itfStrip* activeStrip, const KeyPress& keyPress);
  // When the host setting asks for it and the active strip is a net: gives
  // the net free rows below its elements, reloads the view, marks the new
  // element again in the nets of `strips` and draws everything. Returns
  // whether it did.
  static bool OpenSpace(LdrContext& ctx, std::int32_t funcID, itfStrip* activeStrip, std::int32_t elementID,
                        itfProcessControl& control, KeyedCollection<itfStrip>& strips);
};

} // namespace ldr
