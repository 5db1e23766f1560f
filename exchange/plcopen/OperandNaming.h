#pragma once
// How operands appear in PLCopen XML: as variables with a name, an IEC type
// and (for the local controller) a located address, or as literals.
//
//   operand type          name          IEC type  located address
//   I  (9)  input         I<a>          BOOL      %IX<a>
//   O  (10) output        O<a>          BOOL      %QX<a>
//   MB (1), SB (2)        MB<a>, SB<a>  BOOL      %MX1.<a>, %MX2.<a>
//   MI (3), SI (4)        MI<a>, SI<a>  INT       %MW3.<a>, %MW4.<a>
//   ML (5), SL (6)        ML<a>, SL<a>  DINT      %MD5.<a>, %MD6.<a>
//   MF (7), SF (8)        MF<a>, SF<a>  REAL      %MD7.<a>, %MD8.<a>
//   T (11), C (12)        T<a>, C<a>    BOOL      %MX11.<a>, %MX12.<a> (the timer's / counter's bit)
//   DW (16), SDW (36)     DW<a>, SDW<a> DWORD     %MD16.<a>, %MD36.<a>
//   XB (64)               XB<a>         BOOL      %MX64.<a>
//   XI (65), XL (66)      XI<a>, XL<a>  INT, DINT %MW65.<a>, %MD66.<a>
//   XDW (67)              XDW<a>        DWORD     %MD67.<a>
//   MIB (26), SIB (27)    MI<w>_<b>     BOOL      %MX3.<w>.<b>, %MX4.<w>.<b> (bit b of integer w)
//   named constants       NCI<a>, NCL<a> INT, DINT constant, initial value = its value
//   constants (15, 37, 38)                         the literal value (power-up value of the operand list)
// The first field of a memory address is the operand type number, so the
// areas of different operand types never overlap. An operand of another
// controller (network ID n > 0) gets the suffix _N<n> and no address.
// The operand list's description becomes the variable's documentation.

#include "exchange/plcopen/LadderModel.h"
#include "outside/operands/OperandTypeCatalogue.h"

#include <string>

namespace ldr::plcopen {

struct VariableDeclaration {
  std::string Name;
  std::string IecType;
  std::string Address; // empty: not located
  std::string Documentation;
  std::string InitialValue; // named constants
  bool IsConstant = false;
};

class OperandNaming {
public:
  explicit OperandNaming(const LadderProject& project) : mProject(project) {}

  // True for operands that are declared as variables (not literals or references).
  static bool IsVariable(long operandType);
  static bool IsLiteral(long operandType);
  VariableDeclaration Declaration(const LadderOperand& operand) const;
  // The text that stands for the operand in a contact, coil or block pin:
  // the variable name, or the literal value; empty for a reference or an
  // operand type without a variable.
  std::string Expression(const LadderOperand& operand) const;

private:
  std::string Name(const LadderOperand& operand) const;
  static std::string IecType(long operandType);
  static std::string LocatedAddress(const LadderOperand& operand);
  std::string Literal(const LadderOperand& operand) const;

  const LadderProject& mProject;
  OperandTypeCatalogue mCatalogue;
};

} // namespace ldr::plcopen
