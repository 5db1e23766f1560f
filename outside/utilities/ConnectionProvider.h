#pragma once
// The host's database service: hands out the project connection the host has
// opened, and the database version the host works with.

#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class ConnectionProvider {
public:
  virtual ~ConnectionProvider() = default;
  virtual std::shared_ptr<db::Connection> Connection() = 0;
  // The version of the project database layout (export files carry it).
  virtual long DatabaseVersion() const = 0;
};

} // namespace ldr
