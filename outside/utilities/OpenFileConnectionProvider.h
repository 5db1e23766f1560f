#pragma once
// The connection provider of a host that has opened its project file itself.

#include "outside/utilities/ConnectionProvider.h"

namespace ldr {

class OpenFileConnectionProvider : public ConnectionProvider {
public:
  // The project database layout this build reads and writes.
  static constexpr long kDatabaseVersion = 23;

  // `connection` must be open; an empty pointer is refused.
  explicit OpenFileConnectionProvider(std::shared_ptr<db::Connection> connection);

  std::shared_ptr<db::Connection> Connection() override { return mConnection; }
  long DatabaseVersion() const override { return kDatabaseVersion; }

private:
  std::shared_ptr<db::Connection> mConnection;
};

} // namespace ldr
