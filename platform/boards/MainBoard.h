#pragma once
// The main board: the host's editor window. It takes the keyboard and holds
// the named controls: the scroll bars "vscrl" and "hscrl" and the text boxes
// "txtComment" and "txtLblComment". Asking for a control it does not hold is
// an error (std::out_of_range naming the control).

#include "platform/boards/BoardScrollBar.h"
#include "platform/boards/BoardTextBox.h"
#include "platform/boards/MainBoardEvents.h"
#include "platform/drawing/Picture.h"

#include <string>

namespace ldr {

class MainBoard {
public:
  virtual ~MainBoard() = default;

  virtual bool HasControl(const std::string& name) const = 0;
  virtual BoardScrollBar& ScrollBar(const std::string& name) = 0;
  virtual BoardTextBox& TextBox(const std::string& name) = 0;
  // The name of the control with the focus; empty when the board itself has it.
  virtual std::string ActiveControl() const = 0;

  virtual int MousePointer() const = 0;
  virtual void SetMousePointer(int code) = 0;
  virtual const gdi::Picture& MouseIcon() const = 0;
  virtual void SetMouseIcon(const gdi::Picture& icon) = 0;

  virtual bool HasFocus() const = 0;
  // Takes the focus back from a control (which is validated first); false
  // when the board is hidden or disabled or the control kept the focus.
  virtual bool SetFocus() = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  // Validates the control that has the focus (a text edit in progress is
  // committed); false when its validation was cancelled.
  virtual bool ValidateControls() = 0;

  virtual void AddListener(MainBoardEvents* listener) = 0;
  virtual void RemoveListener(MainBoardEvents* listener) = 0;
};

} // namespace ldr
