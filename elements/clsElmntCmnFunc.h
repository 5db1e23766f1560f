#pragma once
// The public object through which the host asks for element titles.

#include "interfaces/enElementType.h"
#include "platform/database/Connection.h"

#include <memory>
#include <string>

namespace ldr {

class clsElmntCmnFunc {
public:
  // The project connection is needed for function-block titles only; without
  // one those titles are empty.
  explicit clsElmntCmnFunc(std::shared_ptr<db::Connection> connection) : mConnection(std::move(connection)) {}

  std::string GetElementTitle(enElementType elementType) const;

private:
  std::shared_ptr<db::Connection> mConnection;
};

} // namespace ldr
