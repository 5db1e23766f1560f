#pragma once
// A text box on the main board ("txtComment", "txtLblComment"), laid over
// the right board while a comment or a label comment is typed. Position and
// size are pixels of the right board. Tag is free text for the box's user.

#include "platform/boards/TextBoxEvents.h"

#include <string>

namespace ldr {

class BoardTextBox {
public:
  virtual ~BoardTextBox() = default;

  virtual const std::string& Name() const = 0;
  virtual const std::string& Text() const = 0;
  // Raises Change when the text differs from the current one.
  virtual void SetText(const std::string& text) = 0;
  virtual const std::string& Tag() const = 0;
  virtual void SetTag(const std::string& tag) = 0;

  virtual bool Visible() const = 0;
  // Hiding a box that has the focus hands the focus back to the main board
  // without validating.
  virtual void SetVisible(bool visible) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Move(int left, int top, int width, int height) = 0;

  virtual bool HasFocus() const = 0;
  // Takes the focus (the control that had it is validated first); false
  // when the box is hidden or disabled or the other control kept the focus.
  virtual bool SetFocus() = 0;
  // Raises Validate; true when no listener cancelled.
  virtual bool Validate() = 0;

  virtual void AddListener(TextBoxEvents* listener) = 0;
  virtual void RemoveListener(TextBoxEvents* listener) = 0;
};

} // namespace ldr
