#pragma once
// What one element type becomes in a PLCopen LD body.

#include <string>

namespace ldr::plcopen {

enum class LdConstruct {
  Wire,     // line pieces: no element of their own, they make the connections
  Contact,  // <contact>
  Coil,     // <coil>
  Jump,     // <jump> to the label the operand names
  Return,   // <return>
  Call,     // <block> whose type is the called subroutine's program, EN/ENO
  Function, // <block> of a standard function with EN/ENO in the rung
  Compare,  // <block> of a standard comparison ANDed with the rung's power
  Vendor,   // <block> of a documented vendor type with EN/ENO
  Omitted   // no counterpart: left out with a warning
};

struct LdMapping {
  LdConstruct Construct = LdConstruct::Omitted;
  std::string TypeName; // block type of Function, Compare and Vendor
  bool Negated = false;
  std::string Edge = "none";       // contacts: none, rising, falling
  std::string Storage = "none";    // coils: none, set, reset
  long Width = 0;                  // grid columns from inlet to outlet; 0: found from the wiring
  long Height = 1;                 // grid rows of the box
  std::string FixedInput;          // a literal given to the block as its last input
  bool OutputIsFirstInput = false; // INC/DEC: the output operand is also IN1
  bool InRange = false;            // B <= A <= C: GE(A, B) and LE(A, C)
};

} // namespace ldr::plcopen
