#pragma once
// Values of the utilities library that components read: the longest name a
// subroutine may have and whether the extended operand types may be used.

namespace ldr {

class GlobalValues {
public:
  virtual ~GlobalValues() = default;
  virtual long MaxSubroutineNameLength() = 0;
  virtual bool ExtendedOperandsEnabled() = 0;
};

} // namespace ldr
