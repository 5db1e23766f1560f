#include "outside/utilities/OpenFileConnectionProvider.h"

#include <stdexcept>

namespace ldr {

OpenFileConnectionProvider::OpenFileConnectionProvider(std::shared_ptr<db::Connection> connection)
    : mConnection(std::move(connection)) {
  if (!mConnection) throw std::invalid_argument("connection provider: no open project connection");
}

} // namespace ldr
