#include "exchange/plcopen/OperandNaming.h"

#include "outside/operands/OperandType.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace ldr::plcopen {

namespace {

char SizePrefix(const std::string& iecType) {
  if (iecType == "BOOL") return 'X';
  if (iecType == "INT") return 'W';
  return 'D';
}

bool IsBitOfWord(long type) { return type == eOT_MIB || type == eOT_SIB; }

} // namespace

bool OperandNaming::IsVariable(long type) {
  return !IecType(type).empty() && !OperandTypeCatalogue::IsConstant(type) && !OperandTypeCatalogue::IsReference(type);
}

bool OperandNaming::IsLiteral(long type) { return OperandTypeCatalogue::IsConstant(type); }

std::string OperandNaming::IecType(long type) {
  switch (type) {
  case eOT_MB:
  case eOT_SB:
  case eOT_I:
  case eOT_O:
  case eOT_T:
  case eOT_C:
  case eOT_XB:
  case eOT_MIB:
  case eOT_SIB:
    return "BOOL";
  case eOT_MI:
  case eOT_SI:
  case eOT_XI:
  case eOT_NamedConstInt:
    return "INT";
  case eOT_ML:
  case eOT_SL:
  case eOT_XL:
  case eOT_NamedConstLong:
    return "DINT";
  case eOT_MF:
  case eOT_SF:
    return "REAL";
  case eOT_DW:
  case eOT_SDW:
  case eOT_XDW:
    return "DWORD";
  default:
    return {};
  }
}

std::string OperandNaming::Name(const LadderOperand& operand) const {
  std::string name;
  if (IsBitOfWord(operand.Type))
    name = std::string(operand.Type == eOT_MIB ? "MI" : "SI") + std::to_string(operand.Address / 16) + "_" +
           std::to_string(operand.Address % 16);
  else
    name = mCatalogue.ShortName(operand.Type) + std::to_string(operand.Address);
  if (operand.Network != 0) name += "_N" + std::to_string(operand.Network);
  return name;
}

std::string OperandNaming::LocatedAddress(const LadderOperand& operand) {
  if (operand.Network != 0 || OperandTypeCatalogue::IsNamedConstant(operand.Type)) return {};
  const std::string address = std::to_string(operand.Address);
  if (operand.Type == eOT_I) return "%IX" + address;
  if (operand.Type == eOT_O) return "%QX" + address;
  if (IsBitOfWord(operand.Type))
    return "%MX" + std::to_string(operand.Type == eOT_MIB ? eOT_MI : eOT_SI) + "." +
           std::to_string(operand.Address / 16) + "." + std::to_string(operand.Address % 16);
  return std::string("%M") + SizePrefix(IecType(operand.Type)) + std::to_string(operand.Type) + "." + address;
}

VariableDeclaration OperandNaming::Declaration(const LadderOperand& operand) const {
  VariableDeclaration declaration;
  declaration.Name = Name(operand);
  declaration.IecType = IecType(operand.Type);
  declaration.Address = LocatedAddress(operand);
  const auto* entry = mProject.FindOperand(operand);
  if (entry) declaration.Documentation = entry->Description;
  if (operand.Network != 0) {
    if (!declaration.Documentation.empty()) declaration.Documentation += " ";
    declaration.Documentation += "(controller network " + std::to_string(operand.Network) + ")";
  }
  if (OperandTypeCatalogue::IsNamedConstant(operand.Type)) {
    declaration.IsConstant = true;
    declaration.InitialValue = std::to_string(entry ? std::llround(entry->PowerUp) : 0LL);
  }
  return declaration;
}

std::string OperandNaming::Literal(const LadderOperand& operand) const {
  const auto* entry = mProject.FindOperand(operand);
  const double value = entry ? entry->PowerUp : 0.0;
  if (operand.Type != eOT_ConstFloat) return std::to_string(std::llround(value));
  std::ostringstream text;
  text << std::setprecision(9) << value;
  std::string literal = text.str();
  if (literal.find_first_of(".eE") == std::string::npos) literal += ".0";
  return literal;
}

std::string OperandNaming::Expression(const LadderOperand& operand) const {
  if (IsLiteral(operand.Type)) return Literal(operand);
  return IsVariable(operand.Type) ? Name(operand) : std::string();
}

} // namespace ldr::plcopen
