#pragma once
// A scroll bar held in memory. A change of its value calls the change
// handler, as a host raises the bar's change event.

#include "outside/utilities/itfScrollBar.h"

#include <functional>

namespace ldr {

class clsMemoryScrollBar : public itfScrollBar {
public:
  int Min() const override { return mMin; }
  int Max() const override { return mMax; }
  int Value() const override { return mValue; }
  void SetRange(int min, int max) override;
  void SetValue(int value) override;

  void SetChangeHandler(std::function<void(int)> handler) { mOnChange = std::move(handler); }

private:
  int mMin = 0;
  int mMax = 0;
  int mValue = 0;
  std::function<void(int)> mOnChange;
};

} // namespace ldr
