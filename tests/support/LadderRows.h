#pragma once
// Ladder rows written straight into a project database, for tests that
// read the ladder back (exports, dumps) without driving the editor.

#include "platform/database/Connection.h"

#include <string>

namespace ldr::test {

// The StripID of strip `seqNum` of subroutine `funcID`.
long StripAt(db::Connection& db, long funcID, long seqNum);
long AddElement(db::Connection& db, long stripID, long type, long x, long y, long dx = 0, long dy = 0);
void AddOperand(db::Connection& db, long elementID, long inIdx, long outIdx, long type, long address, long network = 0);
void DescribeOperand(db::Connection& db, long type, long address, const std::string& description, double powerUp = 0.0);
// A contact (inIdx 1) or coil (outIdx 1) with its operand in one go.
long AddContact(db::Connection& db, long stripID, long type, long x, long y, long operandType, long address);
long AddCoil(db::Connection& db, long stripID, long type, long x, long y, long operandType, long address);
// Turns strip `stripID` into a label or a comment strip.
void MakeLabel(db::Connection& db, long stripID, const std::string& name, const std::string& comment = {});
void MakeComment(db::Connection& db, long stripID, const std::string& text);

} // namespace ldr::test
