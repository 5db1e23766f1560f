#include "elements/clsCompareElement.h"

namespace ldr {

BoxElement::BoxFrame clsCompareElement::Frame() const { return {98, 169, 106, 159}; }

std::vector<BoxElement::BoxPin> clsCompareElement::Pins() const {
  std::vector<BoxPin> pins;
  for (std::int32_t slot = 1; slot <= InputCount(); ++slot)
    pins.push_back({true, slot, InputPinY(slot), std::string(1, static_cast<char>('A' + slot - 1))});
  return pins;
}

} // namespace ldr
