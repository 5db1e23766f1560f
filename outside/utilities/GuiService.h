#pragma once
// The host's user-interface services: scroll bars, mouse pointer, context
// menus, toolbar and title, and the notifications the main window takes.

#include "platform/boards/BoardScrollBar.h"

#include <string>
#include <vector>

namespace ldr {

// Context menus by identifier. The host fills them; a chosen entry comes
// back as its tool identifier.
enum GuiMenu : int {
  eGM_Line = 100,
  eGM_Element = 101,
  eGM_SelectedElements = 102,
  eGM_EditZone = 103,
  eGM_StripHeader = 104,
  eGM_Comment = 105,
  eGM_Label = 106,
  eGM_Operand = 107,
};

// Mouse pointer codes of the host window.
enum MousePointer : int {
  eMPtr_Default = 0,
  eMPtr_Arrow = 1,
  eMPtr_Cross = 2,
  eMPtr_SizeNS = 7,
  eMPtr_Busy = 11,
  eMPtr_NoDrop = 12,
  eMPtr_Custom = 99,
};

// Modified-notification codes.
enum ModifiedCode : int { eMC_Changed = 0, eMC_Deleted = 5, eMC_Reloaded = 10 };

class GuiService {
public:
  virtual ~GuiService() = default;

  // The main board's "vscrl" and "hscrl".
  virtual BoardScrollBar& VerticalScrollBar() = 0;
  virtual BoardScrollBar& HorizontalScrollBar() = 0;

  virtual void SetMousePointer(int code) = 0;
  virtual int MousePointer() const = 0;
  // Shows the pointer again as the editor state wants it.
  virtual void RefreshPointer() = 0;

  // Shows menu `menuID` with the tools of `disabledTools` greyed; returns the
  // chosen tool identifier, empty when the menu was dismissed.
  virtual std::string ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools = {},
                                      bool atPointer = true, const std::string& text = {}) = 0;

  // Main window.
  virtual void SetTitle(const std::string& title) = 0;
  virtual void NotifyModified(bool modified, int code) = 0;
  virtual void NotifyNeedToCompile(bool needed) = 0;
  virtual void SetWorkModeButton(int workMode) = 0;
  virtual void SetCommandEnabled(const std::string& commandID, bool enabled) = 0;
  virtual void RefreshMainWindow() = 0;
  virtual void RefreshBlockLibrary() = 0;

  // On line: the host shows or forces the live value of an operand.
  virtual void ShowOperandOnline(long networkID, long operandType, long address, long elementType) = 0;
  // A message of the given kind with a text the component wrote.
  virtual void ShowText(int kind, const std::string& text) = 0;
};

} // namespace ldr
