#pragma once
// The virtual controller: the operands the editor monitors on line, and the
// values the host's controller connection reads for them.

#include "outside/utilities/OperandValues.h"

#include <cstdint>
#include <map>
#include <vector>

namespace ldr {

class VirtualController {
public:
  // Adds the operand to the monitored list (once).
  void Append(const OperandKey& operand);
  const std::vector<OperandKey>& Monitored() const { return mMonitored; }
  bool IsMonitored(const OperandKey& operand) const;
  void ClearMonitored() { mMonitored.clear(); }

  // Set by the host from the controller.
  void SetValue(const OperandKey& operand, std::int64_t value) {
    mValues[operand] = value;
    ++mRevision;
  }
  bool HasValue(const OperandKey& operand) const { return mValues.count(operand) > 0; }
  // 0 when the host has given no value.
  std::int64_t Value(const OperandKey& operand) const;
  void ClearValues() {
    mValues.clear();
    ++mRevision;
  }
  // Counts the changes of values, so that a reader can tell whether anything
  // was written since it last looked.
  std::uint64_t Revision() const { return mRevision; }

private:
  std::vector<OperandKey> mMonitored;
  std::map<OperandKey, std::int64_t> mValues;
  std::uint64_t mRevision = 0;
};

} // namespace ldr
