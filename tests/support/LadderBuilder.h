#pragma once
// Writes small ladder programs straight into a project database, row by row,
// for tests that run or read whole programs. Positions are grid cells of the
// net's edit zone; operands are (type, address).

#include "platform/database/Connection.h"

#include <string>

namespace ldr::test {

class LadderBuilder {
public:
  explicit LadderBuilder(db::Connection& db) : mDb(db) {}

  // The StripID of the strip at SeqNum in the subroutine.
  long Strip(long funcID, long seqNum);
  // An element with no operands.
  long Element(long strip, long type, long x, long y);
  // An element with one operand: input 1 for contacts and compare-like
  // types below 204, output 1 otherwise.
  long Element(long strip, long type, long x, long y, long operandType, long address);
  void Input(long element, long slot, long operandType, long address);
  void Output(long element, long slot, long operandType, long address);
  void Line(long strip, long x, long y, long dx, long dy);
  void SetParam(long element, long moreParamsLng);
  // A label strip inserted at SeqNum (later strips move down); its StripID.
  long Label(long funcID, long seqNum, const std::string& name);
  // A new regular subroutine: one empty net and the return strip; its FuncID.
  long Subroutine(const std::string& name);
  // Operand list row with a power-up value (constants: their value).
  void PowerUp(long operandType, long address, double value);

private:
  db::Connection& mDb;
};

} // namespace ldr::test
