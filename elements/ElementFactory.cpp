#include "elements/ElementFactory.h"

#include "elements/ElementFamilies.h"
#include "elements/clsJumpElement.h"
#include "elements/clsLineElement.h"
#include "elements/clsSimpleElement.h"
#include "outside/HostServices.h"

namespace ldr {
namespace {

constexpr enElementFamilyType kAllFamilies[] = {
    eEFT_LineElements,
    eEFT_SimpleElements,
    eEFT_CompareElements,
    eEFT_2x1Elements,
    eEFT_Nx1Elements,
    eEFT_JumpElements,
    eEFT_DirectClocks,
    eEFT_InDirectClocks,
    eEFT_StoreElements,
    eEFT_LoadElements,
    eEFT_StoreLoadTimerElements,
    eEFT_UtilElements,
    eEFT_UtilExElements,
    eEFT_UtilEx1Elements,
    eEFT_0x1Elements,
    eEFT_UtilEx2Elements,
    eEFT_InRangeElements,
    eEFT_StoreElementsEx,
    eEFT_FunctionBlockElements,
};

std::shared_ptr<itfLdrElement> NewElementOfFamily(LdrContext& ctx, enElementFamilyType family) {
  switch (family) {
  case eEFT_LineElements:
    return std::make_shared<clsLineElement>(ctx);
  case eEFT_SimpleElements:
    return std::make_shared<clsSimpleElement>(ctx);
  case eEFT_JumpElements:
    return std::make_shared<clsJumpElement>(ctx);
  default:
    return nullptr;
  }
}

} // namespace

std::shared_ptr<itfLdrElement> CreateNewElement(LdrContext& ctx, std::int32_t elementType) {
  auto element = NewElementOfFamily(ctx, GetFamilyType(elementType));
  if (!element) {
    ctx.Host->Errors->ReportError(0, "UnhandledElement", "Unhandled Element Type: " + std::to_string(elementType),
                                  "mdlLadderUtils", "CreateNewElement");
  }
  return element;
}

bool IsFamilyBuilt(enElementFamilyType family) {
  // Building an object is cheap and has no side effects without a type.
  LdrContext probe;
  return NewElementOfFamily(probe, family) != nullptr;
}

std::vector<enElementFamilyType> FamiliesNotBuilt() {
  std::vector<enElementFamilyType> missing;
  for (const auto family : kAllFamilies) {
    if (!IsFamilyBuilt(family)) missing.push_back(family);
  }
  return missing;
}

} // namespace ldr
