#pragma once
// The ladder of a project as the simulator runs it: subroutines with their
// strips in SeqNum order, nets with their elements in evaluation order, and
// the table of every operand the program uses. Built by ProgramLoader from
// the database rows; never written back.

#include "tools/simulation/ElementSemantics.h"
#include "tools/simulation/OperandTable.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ldr::sim {

struct SimPoint {
  long X = 0;
  long Y = 0;
  bool operator==(const SimPoint&) const = default;
};

struct SimElement {
  long ID = 0;
  long Type = 0;
  SimKind Kind = SimKind::Unknown;
  SimPoint Inlet;
  SimPoint Outlet;
  long Param = 0;                  // MoreParamsLng (the setting of a direct clock)
  std::vector<OperandRef> Inputs;  // slot n at index n - 1
  std::vector<OperandRef> Outputs; // slot n at index n - 1
  long Target = 0;                 // jumps and calls: the address of output 1
  int InletWire = 0;
  int OutletWire = 0;
  // What the element saw in its last evaluation (transitions, counters).
  bool LastBit = false;
  bool LastPower = false;
};

struct SimNet {
  long StripID = 0;
  long ShowNum = 0;
  int WireCount = 1; // wire 0 is the left power rail
  std::vector<SimElement> Elements;
};

enum class StripKind { Net, Label, Skipped };

struct SimStrip {
  StripKind Kind = StripKind::Skipped;
  long StripID = 0;
  int NetIndex = -1;
};

struct SimSubroutine {
  long FuncID = 0;
  long FunctionType = 3;
  std::string Name;
  std::vector<SimStrip> Strips;
  std::vector<SimNet> Nets;
  std::map<long, int> LabelStrips; // label StripID -> index in Strips
};

class SimProgram {
public:
  std::map<long, SimSubroutine>& Subroutines() { return mSubroutines; }
  const std::map<long, SimSubroutine>& Subroutines() const { return mSubroutines; }
  SimSubroutine* Find(long funcID);
  // The first subroutine of the function type (1 start, 2 main).
  SimSubroutine* FindByType(long functionType);
  OperandTable& Operands() { return mOperands; }
  const OperandTable& Operands() const { return mOperands; }
  // The element rows read, line pieces included.
  long ElementCount() const { return mElementRows; }
  void CountElementRow() { ++mElementRows; }

private:
  std::map<long, SimSubroutine> mSubroutines;
  OperandTable mOperands;
  long mElementRows = 0;
};

} // namespace ldr::sim
