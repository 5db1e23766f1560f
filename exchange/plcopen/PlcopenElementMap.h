#pragma once
// The table from element type numbers to PLCopen LD constructs.
//
//   type        element                      PLCopen
//   100-102     lines                        connections (no element)
//   200, 208    direct contact, soft key     contact
//   201, 209    inverted                     contact negated="true"
//   202, 210    positive transition          contact edge="rising"
//   203, 211    negative transition          contact edge="falling"
//   204         direct coil                  coil
//   205         inverted coil                coil negated="true"
//   206 / 207   SET / RESET coil             coil storage="set" / "reset"
//   212         TOGGLE coil                  vendor block LDR_ToggleCoil (EN, OUT1 = the operand)
//   213         RESET numeric                MOVE with EN, IN := 0, OUT → the operand
//   300-305     compare A ? B                GT, GE, EQ, NE, LE, LT (IN1 = A, IN2 = B) into
//                                            AND(IN1 = rung power, IN2 = comparison): the rung
//                                            goes on exactly when power arrives and A ? B holds
//   400-407     SUB DIV AND OR XOR ADD MUL MOD   the standard function, EN/ENO, IN1 = A, IN2 = B, OUT → C
//   501-506     ADD 3x1 … 8x1                ADD with IN1 … INn (extensible)
//   511-516     MUL 3x1 … 8x1                MUL with IN1 … INn (extensible)
//   521-536     SUB / DIV 3x1 … 8x1          vendor blocks LDR_SubNx1 / LDR_DivNx1 (A − B − C …)
//   600         jump to label                jump label="the label's name"
//   601         call subroutine              block typeName = the called program, EN/ENO
//   602         return                       return
//   603         load HMI page                vendor block LDR_JumpToHmiPage (IN1 = page number)
//   900         STORE                        MOVE, EN/ENO, IN = A, OUT → B
//   1500 / 1501 INC / DEC                    ADD / SUB, EN/ENO, IN1 = the operand, IN2 := 1, OUT → the operand
//   1701        within range B <= A <= C     GE(A, B) and LE(A, C) into AND(rung power, GE, LE)
//   every other catalogue type               vendor block LDR_<type name> (indirect store and
//                                            load, timer preset and current values, clocks,
//                                            utilities), EN/ENO, IN1 … INn, OUT1 … OUTm
//   100000-999999  function-block methods    vendor block LDR_FB_<type>, instance FB<father>_<instance>
//   anything else                            left out, with a warning
//
// Timer and counter boxes store or load preset and current values of the
// controller's own timers; they have no IEC counterpart (TON/CTU are function
// block instances with their own state), hence vendor blocks.

#include "exchange/plcopen/LdMapping.h"

namespace ldr::plcopen {

class PlcopenElementMap {
public:
  static LdMapping Find(long elementType);
  // The block type of a vendor block for `elementType`.
  static std::string VendorTypeName(long elementType);
};

} // namespace ldr::plcopen
