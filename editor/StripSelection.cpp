#include "editor/StripSelection.h"

#include "core/HitKind.h"
#include "core/KeyCodes.h"
#include "core/StripCommands.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/operands/Operand.h"

namespace ldr {

namespace {

std::size_t SelectedCount(itfLdrNet& net) {
  const auto selected = net.GetSelectedElements();
  return selected ? selected->Count() : 0;
}

} // namespace

StripSelection::StripSelection(LdrContext& context, const KeyedCollection<itfStrip>& strips)
    : mContext(context), mStrips(strips) {}

itfLdrNet* StripSelection::AsNet(itfStrip* strip) { return dynamic_cast<itfLdrNet*>(strip); }

std::vector<NetRef> StripSelection::Nets(const KeyedCollection<itfStrip>& strips) {
  std::vector<NetRef> nets;
  for (const auto& [key, strip] : strips)
    if (auto* net = AsNet(strip.get())) nets.push_back({strip, net});
  return nets;
}

void StripSelection::UnselectEverything() {
  UnselectElements();
  UnselectStrips();
}

void StripSelection::UnselectStrips() {
  std::vector<std::shared_ptr<itfStrip>> selected;
  for (const auto& [key, strip] : mStrips)
    if (strip->IsSelected()) selected.push_back(strip);
  for (const auto& strip : selected) strip->SetIsSelected(false);
  StripCommands(mContext.Db()).UnselectAllStrips();
}

void StripSelection::UnselectElements(const itfLdrNet* except) {
  for (const auto& ref : Nets(mStrips)) {
    if (ref.Net == except) continue;
    ref.Net->UnSelectAllLadderElements();
    ref.Net->UnSelectAllOperandsInNet();
  }
}

ClickResult StripSelection::Click(long funcID, itfStrip& strip, int shift, bool rightButton) {
  ClickResult result;
  int area = strip.GetHitParameters().HitKind;
  const bool modifier = (shift & (eKM_Shift | eKM_Ctrl)) != 0;
  // With a modifier or the right button the collapse mark and the resize
  // handle are part of the header.
  if ((area == eHK_Resizer || area == eHK_Collapse) && (modifier || rightButton)) area = eHK_Header;
  switch (area) {
  case eHK_Header:
    ClickStripHeader(funcID, strip, shift);
    break;
  case eHK_Body:
  case eHK_Resizer:
    UnselectEverything();
    break;
  case eHK_Collapse:
    if (!AsNet(&strip)) break;
    StripCommands(mContext.Db()).ToggleCollapse(strip.StripID());
    result.Reload = true;
    break;
  case eHK_Element:
    if (auto* net = AsNet(&strip)) result.ElementsUnselected = ClickElement(*net, shift);
    break;
  default:
    break;
  }
  return result;
}

void StripSelection::ClickStripHeader(long funcID, itfStrip& strip, int shift) {
  if (shift & eKM_Ctrl) {
    UnselectElements();
    strip.SetIsSelected(!strip.IsSelected());
  } else if (shift & eKM_Shift) {
    UnselectElements();
    strip.SetIsSelected(true);
    ExtendTo(funcID, strip);
  } else if (!strip.IsSelected()) {
    // A click on a selected strip keeps the selection, so a drag can move it.
    UnselectEverything();
    strip.SetIsSelected(true);
  }
}

bool StripSelection::ClickElement(itfLdrNet& net, int shift) {
  const std::size_t selectedBefore = SelectedCount(net);
  auto element = net.ActiveElement();
  const int code = element ? element->GetHitParameters().HitKind : 0;
  if (code == eHK_ElementBody) {
    if (shift & eKM_Ctrl) {
      UnselectStrips();
      UnselectElements(&net);
      net.UnSelectAllOperandsInNet();
      element->SetIsSelected(!element->IsSelected());
    } else if (element->IsSelected()) {
      // The net keeps its selection, so a drag moves all of it.
      UnselectStrips();
      UnselectElements(&net);
    } else {
      UnselectEverything();
      element->SetIsSelected(true);
    }
  } else if (code == eHK_ElementOperand) {
    UnselectEverything();
    if ((shift & (eKM_Shift | eKM_Ctrl)) == 0)
      if (auto operand = element->ActiveOperand()) operand->SetSelected(true);
  } else {
    UnselectEverything();
  }
  return SelectedCount(net) < selectedBefore;
}

void StripSelection::ExtendTo(long funcID, itfStrip& strip) {
  const auto range = StripCommands(mContext.Db()).ExtendSelectionTo(funcID, strip.SeqNum());
  if (!range) return;
  for (const auto& [key, shown] : mStrips) {
    const long seqNum = shown->SeqNum();
    if (seqNum >= range->first && seqNum <= range->second && !shown->IsSelected()) shown->SetIsSelected(true);
  }
}

std::vector<std::shared_ptr<itfLdrElement>> StripSelection::SelectedElements() const {
  std::vector<std::shared_ptr<itfLdrElement>> elements;
  for (const auto& ref : Nets(mStrips)) {
    auto selected = ref.Net->GetSelectedElements();
    if (!selected) continue;
    for (const auto& [key, element] : *selected) elements.push_back(element);
  }
  return elements;
}

std::shared_ptr<itfLdrElement> StripSelection::FirstSelectedElement(long& stripTop) const {
  for (const auto& ref : Nets(mStrips)) {
    auto selected = ref.Net->GetSelectedElements();
    if (!selected || selected->Empty()) continue;
    stripTop = ref.Strip->Top();
    return selected->At(0);
  }
  return nullptr;
}

std::shared_ptr<itfLdrElement> StripSelection::ElementWithSelectedOperand(long& stripTop) const {
  for (const auto& ref : Nets(mStrips)) {
    if (auto element = ref.Net->GetElementWithSelectedOperand()) {
      stripTop = ref.Strip->Top();
      return element;
    }
  }
  return nullptr;
}

} // namespace ldr
