#pragma once
// A scroll bar on the main board ("vscrl", "hscrl"). The value always lies
// between Min and Max. Setting a value that differs from the current one
// raises Change, as a real scroll bar does; setting the current value again
// raises nothing. A range that no longer holds the value moves the value to
// its nearest end (and raises Change).

#include "platform/boards/ScrollBarEvents.h"

#include <string>

namespace ldr {

class BoardScrollBar {
public:
  virtual ~BoardScrollBar() = default;

  virtual const std::string& Name() const = 0;
  virtual int Min() const = 0;
  virtual int Max() const = 0;
  virtual void SetMin(int min) = 0;
  virtual void SetMax(int max) = 0;
  virtual void SetRange(int min, int max) = 0;
  virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;
  virtual int SmallChange() const = 0;
  virtual void SetSmallChange(int step) = 0;
  virtual int LargeChange() const = 0;
  virtual void SetLargeChange(int step) = 0;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool HasFocus() const = 0;
  // Takes the focus; false when the bar cannot take it.
  virtual bool SetFocus() = 0;

  // Moves the bar as a key press on it would: Up/Left one small change,
  // Down/Right one small change on, PageUp/PageDown one large change,
  // Home/End to Min/Max (key codes 38/37, 40/39, 33/34, 36/35). Other keys
  // do nothing.
  virtual void SendKey(int keyCode, int shift) = 0;

  virtual void AddListener(ScrollBarEvents* listener) = 0;
  virtual void RemoveListener(ScrollBarEvents* listener) = 0;
};

} // namespace ldr
