#pragma once
// The ladder password and the protection of subroutines. The project keeps a
// salted hash of the password under project setting 64 (empty: no password);
// the host keeps, while it runs, the stored key the user has typed the
// password of, so a protected subroutine asks only once. Protected
// subroutines are marked by LdrFunctions.Protected (1 protected, 0 not).
// The host creates this service; the editor's loader uses it too.

#include "outside/HostServices.h"

#include <string>

namespace ldr {

class srvLadderPassword {
public:
  static constexpr long kPasswordKey = 64;
  // The subroutine the loader falls back to: never protected by a module.
  static constexpr long kFallbackFunctionID = 2;
  static constexpr const char* kUnsetAction = "Unset Ladder Password";

  // Uses the host's connection provider, settings, messages, dialogs,
  // action sink and global values; each must be there.
  explicit srvLadderPassword(const HostServices& host);

  void SetLadderPassword();
  void UnsetLadderPassword();
  bool IsLadderProtected();
  // True when there is no password or the user has typed it this session;
  // otherwise asks (when `openGui`), and remembers a right answer.
  bool IsUserAuthorized(bool openGui);
  void ToggleFunctionProtected(long funcID);
  void SetModuleProtected(long moduleID, bool isProtected);
  bool IsFuncProtected(long funcID);

private:
  std::string StoredKey();
  std::shared_ptr<db::Connection> Connection();

  HostServices mHost;
};

} // namespace ldr
