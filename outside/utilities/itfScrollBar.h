#pragma once
// One of the host's scroll bars. Setting a value that differs from the
// current one raises the bar's change, as a user's move would.

namespace ldr {

class itfScrollBar {
public:
  virtual ~itfScrollBar() = default;
  virtual int Min() const = 0;
  virtual int Max() const = 0;
  virtual int Value() const = 0;
  // The value is kept inside the new range.
  virtual void SetRange(int min, int max) = 0;
  // Values outside the range are brought to its nearest end.
  virtual void SetValue(int value) = 0;
};

} // namespace ldr
