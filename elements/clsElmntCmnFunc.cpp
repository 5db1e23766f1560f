#include "elements/clsElmntCmnFunc.h"

#include "elements/ElementTitles.h"

namespace ldr {

std::string clsElmntCmnFunc::GetElementTitle(enElementType elementType) const {
  return ldr::GetElementTitle(mConnection.get(), elementType);
}

} // namespace ldr
