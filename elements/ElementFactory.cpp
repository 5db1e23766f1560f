#include "elements/ElementFactory.h"

#include "elements/ElementFamilies.h"
#include "elements/cls0x1Element.h"
#include "elements/cls2x1Element.h"
#include "elements/clsCompareElement.h"
#include "elements/clsDirectClock.h"
#include "elements/clsFBElement.h"
#include "elements/clsInRangeElement.h"
#include "elements/clsIndirectClock.h"
#include "elements/clsJumpElement.h"
#include "elements/clsLineElement.h"
#include "elements/clsLoadElement.h"
#include "elements/clsNx1Element.h"
#include "elements/clsSimpleElement.h"
#include "elements/clsStoreElement.h"
#include "elements/clsStoreElementEx.h"
#include "elements/clsStoreLoadTimerElement.h"
#include "elements/clsUtilElement.h"
#include "elements/clsUtilElementEx.h"
#include "elements/clsUtilElementEx1.h"
#include "elements/clsUtilElementEx2.h"
#include "outside/HostServices.h"

#include <algorithm>
#include <iterator>

namespace ldr {
namespace {

using ElementMaker = std::shared_ptr<itfLdrElement> (*)(LdrContext&);

template <class Element> std::shared_ptr<itfLdrElement> Make(LdrContext& ctx) { return std::make_shared<Element>(ctx); }

struct FamilyMaker {
  enElementFamilyType Family;
  ElementMaker Maker;
};

// One line per family whose class is built.
constexpr FamilyMaker kMakers[] = {
    {eEFT_LineElements, &Make<clsLineElement>},        {eEFT_SimpleElements, &Make<clsSimpleElement>},
    {eEFT_JumpElements, &Make<clsJumpElement>},        {eEFT_CompareElements, &Make<clsCompareElement>},
    {eEFT_InRangeElements, &Make<clsInRangeElement>},  {eEFT_2x1Elements, &Make<cls2x1Element>},
    {eEFT_Nx1Elements, &Make<clsNx1Element>},          {eEFT_0x1Elements, &Make<cls0x1Element>},
    {eEFT_DirectClocks, &Make<clsDirectClock>},        {eEFT_InDirectClocks, &Make<clsIndirectClock>},
    {eEFT_StoreElements, &Make<clsStoreElement>},      {eEFT_StoreElementsEx, &Make<clsStoreElementEx>},
    {eEFT_LoadElements, &Make<clsLoadElement>},        {eEFT_StoreLoadTimerElements, &Make<clsStoreLoadTimerElement>},
    {eEFT_UtilElements, &Make<clsUtilElement>},        {eEFT_UtilExElements, &Make<clsUtilElementEx>},
    {eEFT_UtilEx1Elements, &Make<clsUtilElementEx1>},  {eEFT_UtilEx2Elements, &Make<clsUtilElementEx2>},
    {eEFT_FunctionBlockElements, &Make<clsFBElement>},
};

ElementMaker MakerOf(enElementFamilyType family) {
  const auto* found =
      std::find_if(std::begin(kMakers), std::end(kMakers), [&](const auto& entry) { return entry.Family == family; });
  return found == std::end(kMakers) ? nullptr : found->Maker;
}

} // namespace

std::shared_ptr<itfLdrElement> CreateNewElement(LdrContext& ctx, std::int32_t elementType) {
  const ElementMaker maker = MakerOf(GetFamilyType(elementType));
  if (maker) return maker(ctx);
  ctx.Host->Errors->ReportError(0, "UnhandledElement", "Unhandled Element Type: " + std::to_string(elementType),
                                "mdlLadderUtils", "CreateNewElement");
  return nullptr;
}

bool IsFamilyBuilt(enElementFamilyType family) { return MakerOf(family) != nullptr; }

std::vector<enElementFamilyType> FamiliesNotBuilt() {
  std::vector<enElementFamilyType> missing;
  for (const auto& row : ElementFamilies()) {
    if (!IsFamilyBuilt(row.Family)) missing.push_back(row.Family);
  }
  return missing;
}

} // namespace ldr
