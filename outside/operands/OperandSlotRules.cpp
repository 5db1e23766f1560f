#include "outside/operands/OperandSlotRules.h"

#include "outside/operands/OperandType.h"

namespace ldr {

namespace {

using Types = std::vector<AcceptedType>;

constexpr AcceptedType D(long type) { return {eOG_Data, type}; }

void Append(Types& to, const Types& more) { to.insert(to.end(), more.begin(), more.end()); }

bool IsContact(long t) { return (t >= 200 && t <= 203) || (t >= 208 && t <= 211); }
bool IsCoil(long t) { return (t >= 204 && t <= 207) || t == 212; }
bool IsCompare(long t) { return (t >= 300 && t <= 305) || t == 1701; }
bool IsMath(long t) { return (t >= 400 && t <= 407) || (t >= 501 && t <= 536); }
bool IsStoreLoad(long t) { return (t >= 900 && t <= 906) || (t >= 1000 && t <= 1005) || (t >= 1901 && t <= 1906); }
bool IsTimerStore(long t) { return t == 1100 || t == 1102; }
bool IsTimerLoad(long t) { return t == 1101 || t == 1103; }

std::string Letter(long slot) {
  return std::string(1, static_cast<char>('A' + (slot >= 1 && slot <= 26 ? slot - 1 : 0)));
}

Types ContactTypes(bool extended) {
  Types types = {D(eOT_I), D(eOT_O), D(eOT_T), D(eOT_MB), D(eOT_SB), {eOG_BitOfWord, eOT_SIB}, {eOG_BitOfWord, eOT_MIB},
                 D(eOT_C)};
  if (extended) types.push_back(D(eOT_XB));
  return types;
}

Types CoilTypes(long elementType, bool extended) {
  Types types = {D(eOT_O), D(eOT_MB)};
  if (extended) types.push_back(D(eOT_XB));
  if (elementType >= 204 && elementType <= 207) types.push_back(D(eOT_SB));
  if (elementType == 204 || elementType == 207) types.push_back(D(eOT_T));
  if (elementType == 207) types.push_back(D(eOT_C));
  return types;
}

Types NumericReset(bool extended) {
  Types types = {D(eOT_MI), D(eOT_ML), D(eOT_DW)};
  if (extended) Append(types, {D(eOT_XI), D(eOT_XL), D(eOT_XDW)});
  Append(types, {D(eOT_SI), D(eOT_SL), D(eOT_SDW)});
  return types;
}

Types NumericSource(bool extended) {
  Types types = OperandSlotRules::NumericTypes(extended);
  Append(types, {D(eOT_MF), D(eOT_SF)});
  Append(types, OperandSlotRules::ConstantTypes());
  return types;
}

Types NumericTarget(bool extended) {
  Types types = OperandSlotRules::NumericTypes(extended);
  Append(types, {D(eOT_MF), D(eOT_SF)});
  return types;
}

Types AnyData(bool extended) {
  Types types = OperandSlotRules::BitTypes(extended);
  Append(types, NumericSource(extended));
  Append(types, {D(eOT_T), D(eOT_C)});
  return types;
}

} // namespace

Types OperandSlotRules::NumericTypes(bool extended) {
  Types types = {D(eOT_MI), D(eOT_SI), D(eOT_ML), D(eOT_SL), D(eOT_DW), D(eOT_SDW)};
  if (extended) Append(types, {D(eOT_XI), D(eOT_XL), D(eOT_XDW)});
  return types;
}

Types OperandSlotRules::ConstantTypes() {
  return {{eOG_Constant, eOT_ConstInt},
          {eOG_Constant, eOT_ConstLong},
          {eOG_Constant, eOT_ConstFloat},
          {eOG_NamedConstant, eOT_NamedConstInt},
          {eOG_NamedConstant, eOT_NamedConstLong}};
}

Types OperandSlotRules::BitTypes(bool extended) {
  Types types = {D(eOT_MB), D(eOT_SB), D(eOT_I), D(eOT_O)};
  if (extended) types.push_back(D(eOT_XB));
  return types;
}

std::string OperandSlotRules::DefaultText(long t, bool isInput, long slot) {
  if (IsContact(t)) return "Select Contact Operand";
  if (IsCoil(t)) return "Select Coil Operand";
  if (t == 213) return "Select Numeric Operand To Reset";
  if (t == 600) return "Select Label";
  if (t == 601) return "Select Subroutine";
  if (t == 603) return "Select Display";
  if (IsCompare(t) || IsMath(t)) return isInput ? "Select Operand " + Letter(slot) : "Select Result Operand";
  if (t == 1500) return "Select Operand To Increment";
  if (t == 1501) return "Select Operand To Decrement";
  if (IsStoreLoad(t)) {
    if (t >= 1901) return slot == 1 ? "Select Source Operand" : "Select Pointer Operand";
    return isInput ? "Select Source Operand (A)" : "Select Target Operand (B)";
  }
  if (IsTimerStore(t)) return isInput ? "Select Value Operand (A)" : "Select Timer Or Counter (B)";
  if (IsTimerLoad(t)) return isInput ? "Select Timer Or Counter (A)" : "Select Target Operand (B)";
  if (t >= 800 && t <= 804) return "Select Clock Operand " + Letter(slot);
  return kFallbackText;
}

Types OperandSlotRules::AcceptedTypes(long t, bool isInput, long slot, bool extended) {
  if (IsContact(t)) return ContactTypes(extended);
  if (IsCoil(t)) return CoilTypes(t, extended);
  if (t == 213) return NumericReset(extended);
  if (t == 600 || t == 602) return {{eOG_Label, eOT_Label}};
  if (t == 601) return {{eOG_Subroutine, eOT_Subroutine}};
  if (t == 603) return {{eOG_Display, eOT_Display}};
  if (IsCompare(t) || IsMath(t)) return isInput ? NumericSource(extended) : NumericTarget(extended);
  if (t == 1500 || t == 1501) return NumericTarget(extended);
  if (IsStoreLoad(t)) {
    if (t >= 1901) return slot == 1 ? NumericSource(extended) : NumericTypes(extended);
    return isInput ? NumericSource(extended) : NumericTarget(extended);
  }
  if (IsTimerStore(t)) return isInput ? NumericSource(extended) : Types{D(eOT_T), D(eOT_C)};
  if (IsTimerLoad(t)) return isInput ? Types{D(eOT_T), D(eOT_C)} : NumericTarget(extended);
  if (t >= 800 && t <= 804) return NumericSource(extended);
  if (isInput) return AnyData(extended);
  Types types = {D(eOT_MB), D(eOT_SB), D(eOT_O)};
  if (extended) types.push_back(D(eOT_XB));
  Append(types, NumericTarget(extended));
  return types;
}

std::vector<std::string> OperandSlotRules::DisallowedCoilTools(long operandType) {
  switch (operandType) {
  case eOT_SB:
    return {"ID_ToggleCoil"};
  case eOT_T:
    return {"ID_SETCoil", "ID_InvertedCoil", "ID_ToggleCoil"};
  case eOT_C:
    return {"ID_DirectCoil", "ID_InvertedCoil", "ID_SETCoil", "ID_ToggleCoil"};
  default:
    return {};
  }
}

} // namespace ldr
