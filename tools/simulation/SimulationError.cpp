#include "tools/simulation/SimulationError.h"

namespace ldr::sim {

SimulationError::SimulationError(const std::string& message) : std::runtime_error(message) {}

} // namespace ldr::sim
