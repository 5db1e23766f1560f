#pragma once
// Store and load of timer and counter presets and current values (types
// 1100 to 1103): the store box whose title names what the timer operand is.

#include "elements/clsStoreElement.h"

namespace ldr {

class clsStoreLoadTimerElement : public clsStoreElement {
public:
  using clsStoreElement::clsStoreElement;
  const char* ClassName() const override { return "clsStoreLoadTimerElement"; }

  // The store tools would make this box a store box of another class with a
  // timer in a slot that takes no timer: they are not taken here.
  void SpecialToolRequest(const std::string&) override {}
  std::string ToolTipText() override { return "A " + Title() + " B"; }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsStoreLoadTimerElement>(mCtx); }
  std::string Title() override;
  std::string PrintTitle() override { return Title(); }

private:
  // The operand type of the timer or counter slot (B for stores, A for
  // loads); 0 while the slot is empty.
  long TimerOperandType() const;
};

} // namespace ldr
