#include "outside/operands/clsVirtualController.h"

#include <algorithm>

namespace ldr {

void clsVirtualController::Append(const tyOperandKey& operand) {
  if (!IsMonitored(operand)) mMonitored.push_back(operand);
}

bool clsVirtualController::IsMonitored(const tyOperandKey& operand) const {
  return std::find(mMonitored.begin(), mMonitored.end(), operand) != mMonitored.end();
}

std::int64_t clsVirtualController::Value(const tyOperandKey& operand) const {
  const auto found = mValues.find(operand);
  return found == mValues.end() ? 0 : found->second;
}

} // namespace ldr
