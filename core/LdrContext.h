#pragma once
// The objects the whole component shares while a host uses it: the project
// connection, the host's services, the editor state, the drawer, the
// clipboard and a few flags. The main object creates one context and hands it
// to every part it creates; nothing of this lives in a global.

#include "platform/database/Connection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

struct HostServices;
class clsLdrState;
class itfDrawer;
class clsClipboard;
class EditCommit;

struct LdrContext {
  std::shared_ptr<db::Connection> Connection;
  std::shared_ptr<HostServices> Host;
  std::shared_ptr<clsLdrState> State;
  std::shared_ptr<itfDrawer> Drawer;
  std::shared_ptr<clsClipboard> Clipboard;
  // The edit that the running host call or gesture makes.
  std::shared_ptr<EditCommit> Edits;

  // True while Ctrl is held: a move copies instead.
  bool ElementCopy = false;
  bool PasteInProgress = false;
  // The name of the edit in progress, for the host's status and undo texts.
  std::string ActionName;
  // Automatic scrolling while elements move: -1 up, 1 down, 0 none.
  int AutoScrollDirection = 0;

  // Display settings read by ReadProperties.
  long SnapLimitX = 2;
  long SnapLimitY = 2;
  std::uint32_t PowerFlowColor = 255; // a 0x00BBGGRR colour value

  db::Connection& Db() const { return *Connection; }
};

} // namespace ldr
