#include "outside/operands/VirtualController.h"

#include <algorithm>

namespace ldr {

void VirtualController::Append(const OperandKey& operand) {
  if (!IsMonitored(operand)) mMonitored.push_back(operand);
}

bool VirtualController::IsMonitored(const OperandKey& operand) const {
  return std::find(mMonitored.begin(), mMonitored.end(), operand) != mMonitored.end();
}

std::int64_t VirtualController::Value(const OperandKey& operand) const {
  const auto found = mValues.find(operand);
  return found == mValues.end() ? 0 : found->second;
}

} // namespace ldr
