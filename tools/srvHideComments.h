#pragma once
// Switches the project between showing and hiding comment strips (project
// setting 83) and moves every subroutine's stored scroll position so that
// the same strip stays at the top of its view.

#include "outside/HostServices.h"

namespace ldr {

class srvHideComments {
public:
  explicit srvHideComments(const HostServices& host);

  void ToggleComments();

private:
  // The new VscrlPos of a subroutine scrolled to `position` rows.
  long MovedPosition(db::Connection& db, long funcID, long position, bool wereHidden, bool nowHidden);

  HostServices mHost;
};

} // namespace ldr
