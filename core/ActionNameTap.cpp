#include "core/ActionNameTap.h"

namespace ldr {

ActionNameTap& ActionNameTap::In(std::shared_ptr<ActionNameSink>& sink) {
  if (auto tap = std::dynamic_pointer_cast<ActionNameTap>(sink)) return *tap;
  auto tap = std::make_shared<ActionNameTap>(sink);
  sink = tap;
  return *tap;
}

} // namespace ldr
