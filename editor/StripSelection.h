#pragma once
// Selection among the strips the function view holds: strips are selected in
// LdrStrips.IsSelected and in each strip object, elements and operands in the
// element objects. The click-selection step turns a press on a strip into a
// selection change; the queries answer what is selected.

#include "core/KeyedCollection.h"
#include "core/LdrContext.h"

#include <memory>
#include <vector>

namespace ldr {

class itfStrip;
class itfLdrNet;
class itfLdrElement;

// An instantiated net: the strip and its net side.
struct NetRef {
  std::shared_ptr<itfStrip> Strip;
  itfLdrNet* Net = nullptr;
};

// What a click-selection step did.
struct ClickResult {
  // The subroutine must be loaded again (a net was collapsed or expanded).
  bool Reload = false;
  // The clicked net holds fewer selected elements than before: such a click
  // selects, it does not start a move.
  bool ElementsUnselected = false;
};

class StripSelection {
public:
  StripSelection(LdrContext& context, const KeyedCollection<itfStrip>& strips);

  // The nets among `strips`, in collection order (a snapshot: callers may
  // change the collection while they walk it).
  static std::vector<NetRef> Nets(const KeyedCollection<itfStrip>& strips);
  static itfLdrNet* AsNet(itfStrip* strip);

  // Every net unselects its elements and operands; no strip of any
  // subroutine stays selected.
  void UnselectEverything();
  void UnselectStrips();
  // Elements and operands of every net but `except`.
  void UnselectElements(const itfLdrNet* except = nullptr);

  // The click-selection step for a press on `strip` (its hit data tells
  // where) with the modifier bits `shift`.
  ClickResult Click(long funcID, itfStrip& strip, int shift, bool rightButton);
  // Selects the strips between the existing selection and `strip`.
  void ExtendTo(long funcID, itfStrip& strip);

  // The selected elements of every net, net by net.
  std::vector<std::shared_ptr<itfLdrElement>> SelectedElements() const;
  // The first selected element and the top of its net, or nothing.
  std::shared_ptr<itfLdrElement> FirstSelectedElement(long& stripTop) const;
  // The first element holding a selected operand and the top of its net.
  std::shared_ptr<itfLdrElement> ElementWithSelectedOperand(long& stripTop) const;

private:
  void ClickStripHeader(long funcID, itfStrip& strip, int shift);
  // True when the net holds fewer selected elements afterwards.
  bool ClickElement(itfLdrNet& net, int shift);

  LdrContext& mContext;
  const KeyedCollection<itfStrip>& mStrips;
};

} // namespace ldr
