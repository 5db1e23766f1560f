#pragma once
// The values of a simulated program, one per operand slot, with the user's
// forces. Between scans the values live in the virtual controller: a scan
// starts by taking them from it (so a host that writes the controller is
// heard) and ends by giving them back, which is what the on-line view reads.

#include "tools/simulation/OperandTable.h"

#include <cstdint>
#include <map>
#include <vector>

namespace ldr {
class VirtualController;
}

namespace ldr::sim {

class SimMemory {
public:
  explicit SimMemory(OperandTable& table);

  // Power-up values; forces stay. The next push writes every value.
  void Reset();
  std::int64_t Read(const OperandRef& ref) const;
  bool ReadBit(const OperandRef& ref) const { return Read(ref) != 0; }
  // The program's writes: constants and forced operands keep their value.
  void Write(const OperandRef& ref, std::int64_t value);

  void Force(const OperandRef& ref, std::int64_t value);
  void Unforce(const OperandRef& ref);
  bool IsForced(const OperandRef& ref) const;

  // The slot of an operand met only at run time (indirect access).
  OperandRef Resolve(const OperandKey& key);
  const OperandTable& Table() const { return mTable; }

  void PullFrom(const VirtualController& controller);
  void PushTo(VirtualController& controller);

private:
  void Grow();
  void Store(const OperandRef& ref, std::int64_t value);

  OperandTable& mTable;
  std::vector<std::int64_t> mValues;
  std::map<std::pair<int, int>, std::int64_t> mForces; // (slot, bit) -> value
  // What the controller held after the last push, to push only changes and
  // to skip the pull when nobody else wrote the controller since.
  const VirtualController* mPushedTo = nullptr;
  std::uint64_t mPushedRevision = 0;
  std::vector<std::int64_t> mPushed;
  size_t mPushedCount = 0; // slots pushed last time (the table grows at run time)
};

} // namespace ldr::sim
