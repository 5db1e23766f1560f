#pragma once
// The codes the component expects of keyboard and mouse input: virtual-key
// codes (38 Up, 40 Down, 46 Delete, 112 F1 …), the Shift bit set (1 Shift,
// 2 Ctrl, 4 Alt) and mouse buttons (1 left, 2 right, 4 middle), made from
// Qt's keys, modifiers and buttons.

#include <Qt>

namespace ldr::studio {

class QtInputCodes {
public:
  // The virtual-key code of a Qt key; 0 when it has none.
  static int VirtualKey(int qtKey);
  static int ShiftBits(Qt::KeyboardModifiers modifiers);
  // One button: 1, 2 or 4; 0 for the others.
  static int Button(Qt::MouseButton button);
  // The buttons held, as a bit set of the same values.
  static int Buttons(Qt::MouseButtons buttons);
};

} // namespace ldr::studio
