#pragma once
// The objects the whole component shares while a host uses it: the project
// connection, the host's services, the editor state, the drawer and a few
// flags. The main object owns one context and hands it by reference to every
// part it creates, so the context outlives them all; nothing of this lives in
// a global. The connection and the services are the host's too.

#include "platform/database/Connection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

struct HostServices;
class itfClipboard;
class clsLdrState;
class itfDrawer;
class EditCommit;

struct LdrContext {
  // A context of a host that offers nothing: every service does nothing.
  LdrContext();
  ~LdrContext();
  LdrContext(const LdrContext&) = delete;
  LdrContext& operator=(const LdrContext&) = delete;

  // Takes the host's services; each one the host has not got (or all, for
  // none) is a do-nothing one, so that Host is never null and neither is any
  // service in it but the operand library.
  void SetHost(const std::shared_ptr<HostServices>& host);

  std::shared_ptr<db::Connection> Connection;
  std::unique_ptr<HostServices> Host;
  std::unique_ptr<clsLdrState> State;
  // The drawer of the main object (or of a test), which owns it.
  itfDrawer* Drawer = nullptr;
  // The component's one clipboard, made by the main object at Init.
  std::shared_ptr<itfClipboard> Clipboard;
  // The edit that the running host call or gesture makes.
  std::unique_ptr<EditCommit> Edits;

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
