#include "elements/cls2x1Element.h"

namespace ldr {

std::vector<BoxElement::BoxPin> cls2x1Element::Pins() const {
  std::vector<BoxPin> pins;
  const std::int32_t inputs = InputCount();
  for (std::int32_t slot = 1; slot <= inputs; ++slot) pins.push_back({true, slot, InputPinY(slot), Letter(slot)});
  pins.push_back({false, 1, kFirstPinY, Letter(inputs + 1)});
  return pins;
}

} // namespace ldr
