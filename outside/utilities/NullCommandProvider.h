#pragma once
// The command provider of a host that gave none: a net cannot be read or
// written without one, so every request is refused.

#include "outside/utilities/CommandProvider.h"

#include <stdexcept>

namespace ldr {

class NullCommandProvider : public CommandProvider {
public:
  db::Statement ElementsCommand() override { Refuse(); }
  db::Statement OperandsCommand() override { Refuse(); }
  db::Statement StripUpdateCommand() override { Refuse(); }
  bool StripUpdateHasRiseFallElementInfo() override { return false; }

private:
  [[noreturn]] static void Refuse() { throw std::logic_error("no command provider"); }
};

} // namespace ldr
