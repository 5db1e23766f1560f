#pragma once
// The connection provider of a host that gave none: no open project.

#include "outside/utilities/ConnectionProvider.h"

namespace ldr {

class NullConnectionProvider : public ConnectionProvider {
public:
  std::shared_ptr<db::Connection> Connection() override { return nullptr; }
  long DatabaseVersion() const override { return 0; }
};

} // namespace ldr
