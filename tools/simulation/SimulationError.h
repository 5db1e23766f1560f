#pragma once
// A fault that stops the simulation: the message names the net.

#include <stdexcept>
#include <string>

namespace ldr::sim {

class SimulationError : public std::runtime_error {
public:
  explicit SimulationError(const std::string& message);
};

} // namespace ldr::sim
