#pragma once
// What a text box tells its listeners: Change after its text changed,
// Validate before it gives up the focus (a listener may cancel, and the box
// keeps the focus), and the keys pressed while it has the focus.

namespace ldr {

class itfBoardTextBox;

class itfTextBoxEvents {
public:
  virtual ~itfTextBoxEvents() = default;
  virtual void OnChange(itfBoardTextBox& /*box*/) {}
  virtual void OnValidate(itfBoardTextBox& box, bool& cancel) = 0;
  virtual void OnKeyDown(itfBoardTextBox& /*box*/, int /*keyCode*/, int /*shift*/) {}
};

} // namespace ldr
