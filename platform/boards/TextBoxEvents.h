#pragma once
// What a text box tells its listeners: Change after its text changed,
// Validate before it gives up the focus (a listener may cancel, and the box
// keeps the focus), and the keys pressed while it has the focus.

namespace ldr {

class BoardTextBox;

class TextBoxEvents {
public:
  virtual ~TextBoxEvents() = default;
  virtual void OnChange(BoardTextBox& /*box*/) {}
  virtual void OnValidate(BoardTextBox& box, bool& cancel) = 0;
  virtual void OnKeyDown(BoardTextBox& /*box*/, int /*keyCode*/, int /*shift*/) {}
};

} // namespace ldr
