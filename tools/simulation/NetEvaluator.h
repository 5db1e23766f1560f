#pragma once
// Runs one net for one scan. Power starts on the left rail (wire 0); an
// element runs as soon as power reaches its inlet, in passes from left to
// right and top to bottom, until power reaches no further element; then the
// elements power never reached run without power (coils write 0, timers
// stop). Reads and writes are immediate, so an element sees what the elements
// before it in this order wrote. Jumps, calls and returns are collected for
// the scan to carry out after the net.

#include "outside/operands/OperandTypeCatalogue.h"
#include "tools/simulation/SimClock.h"
#include "tools/simulation/SimProgram.h"
#include "tools/simulation/TimerBank.h"

#include <functional>
#include <optional>
#include <vector>

namespace ldr::sim {

struct NetOutcome {
  std::vector<long> Calls;  // subroutine FuncIDs, in the order their elements ran
  std::optional<long> Jump; // label StripID
  bool Return = false;
};

class NetEvaluator {
public:
  // Called with an element the simulator does not know; the net keeps it open.
  using UnknownElementSink = std::function<void(const SimElement&)>;

  NetEvaluator(SimMemory& memory, TimerBank& timers, const SimClock& clock, UnknownElementSink unknown);

  NetOutcome Run(SimNet& net);

private:
  bool RunElement(SimElement& element, bool power, NetOutcome& outcome);
  bool RunContact(SimElement& element, bool power);
  bool RunCoil(SimElement& element, bool power);
  bool RunCompare(const SimElement& element, bool power) const;
  bool RunMath(SimElement& element, bool power);
  bool RunMove(SimElement& element, bool power);
  bool RunTimerBox(SimElement& element, bool power);
  bool RunFlow(SimElement& element, bool power, NetOutcome& outcome);

  std::int64_t In(const SimElement& element, size_t slot) const;
  OperandRef InRef(const SimElement& element, size_t slot) const;
  OperandRef OutRef(const SimElement& element, size_t slot) const;
  SlotWidth WidthOf(const OperandRef& ref) const;
  // The operand of the type at an address computed at run time; invalid when
  // the address is out of range.
  OperandRef Indirect(long operandType, std::int64_t address);

  SimMemory& mMemory;
  TimerBank& mTimers;
  const SimClock& mClock;
  UnknownElementSink mUnknown;
  OperandTypeCatalogue mTypes;
  std::vector<char> mPowered;
  std::vector<char> mDone;
};

} // namespace ldr::sim
