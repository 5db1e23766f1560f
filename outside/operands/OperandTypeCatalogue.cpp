#include "outside/operands/OperandTypeCatalogue.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>

namespace ldr {

namespace {

constexpr long kAnyKey = std::numeric_limits<std::int32_t>::max();

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

OperandTypeInfo Data(long type, const char* name, const char* title, OperandKind kind, long highest,
                     bool writable = true, bool extended = false) {
  OperandTypeInfo info;
  info.Type = type;
  info.Group = eOG_Data;
  info.ShortName = name;
  info.Title = title;
  info.Kind = kind;
  info.HighestAddress = highest;
  info.Writable = writable;
  info.Extended = extended;
  info.AllowsNetwork = true;
  return info;
}

OperandTypeInfo Other(long type, long group, const char* name, const char* title, OperandKind kind,
                      double minValue = 0.0, double maxValue = 0.0) {
  OperandTypeInfo info;
  info.Type = type;
  info.Group = group;
  info.ShortName = name;
  info.Title = title;
  info.Kind = kind;
  info.HighestAddress = kAnyKey;
  info.Writable = false;
  info.MinValue = minValue;
  info.MaxValue = maxValue;
  return info;
}

} // namespace

OperandTypeCatalogue::OperandTypeCatalogue() {
  using K = OperandKind;
  constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
  constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  mTypes = {
      Data(eOT_MB, "MB", "Memory Bit", K::Bit, 4095),
      Data(eOT_SB, "SB", "System Bit", K::Bit, 511),
      Data(eOT_MI, "MI", "Memory Integer", K::Numeric, 2047),
      Data(eOT_SI, "SI", "System Integer", K::Numeric, 511),
      Data(eOT_ML, "ML", "Memory Long", K::Numeric, 255),
      Data(eOT_SL, "SL", "System Long", K::Numeric, 63),
      Data(eOT_MF, "MF", "Memory Float", K::Float, 63),
      Data(eOT_SF, "SF", "System Float", K::Float, 31),
      Data(eOT_I, "I", "Input", K::Bit, 543, false),
      Data(eOT_O, "O", "Output", K::Bit, 543),
      Data(eOT_T, "T", "Timer", K::Timer, 383),
      Data(eOT_C, "C", "Counter", K::Counter, 63),
      Data(eOT_DW, "DW", "Double Word", K::Numeric, 255),
      Data(eOT_SDW, "SDW", "System Double Word", K::Numeric, 63),
      Data(eOT_XB, "XB", "Extended Bit", K::Bit, 8191, true, true),
      Data(eOT_XI, "XI", "Extended Integer", K::Numeric, 4095, true, true),
      Data(eOT_XL, "XL", "Extended Long", K::Numeric, 1023, true, true),
      Data(eOT_XDW, "XDW", "Extended Double Word", K::Numeric, 1023, true, true),
      Data(eOT_MIB, "MIB", "Bit of Memory Integer", K::Bit, 2047 * 16 + 15, false),
      Data(eOT_SIB, "SIB", "Bit of System Integer", K::Bit, 511 * 16 + 15, false),
      Other(eOT_Label, eOG_Label, "LBL", "Label", K::Reference),
      Other(eOT_Display, eOG_Display, "DSP", "Display", K::Reference),
      Other(eOT_Subroutine, eOG_Subroutine, "SUB", "Subroutine", K::Reference),
      Other(eOT_ConstInt, eOG_Constant, "CI", "Integer Constant", K::Constant, -32768, 32767),
      Other(eOT_ConstLong, eOG_Constant, "CL", "Long Constant", K::Constant, kInt32Min, kInt32Max),
      Other(eOT_ConstFloat, eOG_Constant, "CF", "Float Constant", K::Constant, -kFloatMax, kFloatMax),
      Other(eOT_NamedConstInt, eOG_NamedConstant, "NCI", "Named Integer Constant", K::NamedConstant, -32768, 32767),
      Other(eOT_NamedConstLong, eOG_NamedConstant, "NCL", "Named Long Constant", K::NamedConstant, kInt32Min,
            kInt32Max),
  };
  FindMutable(eOT_MIB)->Group = eOG_BitOfWord;
  FindMutable(eOT_SIB)->Group = eOG_BitOfWord;
}

const OperandTypeInfo* OperandTypeCatalogue::Find(long type) const {
  const auto found = std::find_if(mTypes.begin(), mTypes.end(), [type](const auto& t) { return t.Type == type; });
  return found == mTypes.end() ? nullptr : &*found;
}

OperandTypeInfo* OperandTypeCatalogue::FindMutable(long type) {
  return const_cast<OperandTypeInfo*>(static_cast<const OperandTypeCatalogue*>(this)->Find(type));
}

const OperandTypeInfo* OperandTypeCatalogue::FindByShortName(const std::string& shortName) const {
  const std::string wanted = Upper(shortName);
  const auto found =
      std::find_if(mTypes.begin(), mTypes.end(), [&wanted](const auto& t) { return t.ShortName == wanted; });
  return found == mTypes.end() ? nullptr : &*found;
}

std::optional<long> OperandTypeCatalogue::ParseType(const std::string& text) const {
  if (const auto* byName = FindByShortName(text)) return byName->Type;
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
    return std::nullopt;
  const long number = std::stol(text);
  if (!Find(number)) return std::nullopt;
  return number;
}

std::string OperandTypeCatalogue::ShortName(long type) const {
  const auto* info = Find(type);
  return info ? info->ShortName : "?" + std::to_string(type);
}

long OperandTypeCatalogue::HighestAddress(long type) const {
  const auto* info = Find(type);
  return info ? info->HighestAddress : -1;
}

void OperandTypeCatalogue::SetHighestAddress(long type, long highest) {
  auto* info = FindMutable(type);
  if (!info) throw std::invalid_argument("operand types: unknown type " + std::to_string(type));
  if (highest < 0) throw std::invalid_argument("operand types: a highest address cannot be negative");
  info->HighestAddress = highest;
}

bool OperandTypeCatalogue::IsAddressInRange(long type, long address) const {
  const auto* info = Find(type);
  if (!info) return false;
  const long lowest = (IsReference(type) || IsConstant(type) || IsNamedConstant(type)) ? 1 : 0;
  return address >= lowest && address <= info->HighestAddress;
}

bool OperandTypeCatalogue::IsReference(long type) {
  return type == eOT_Label || type == eOT_Display || type == eOT_Subroutine;
}

bool OperandTypeCatalogue::IsConstant(long type) {
  return type == eOT_ConstInt || type == eOT_ConstLong || type == eOT_ConstFloat;
}

bool OperandTypeCatalogue::IsNamedConstant(long type) {
  return type == eOT_NamedConstInt || type == eOT_NamedConstLong;
}

const std::vector<long>& OperandTypeCatalogue::ConstantAddressTypes() {
  static const std::vector<long> types = {eOT_NamedConstInt, eOT_NamedConstLong, eOT_ConstLong, eOT_ConstFloat,
                                          eOT_ConstInt};
  return types;
}

const std::vector<long>& OperandTypeCatalogue::RangeCheckedTypes() {
  static const std::vector<long> types = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 36, 64, 65, 66, 67};
  return types;
}

std::string OperandTypeCatalogue::OutOfRangeCondition(const std::string& typeColumn,
                                                      const std::string& addressColumn) const {
  std::string condition;
  for (long type : RangeCheckedTypes()) {
    if (!condition.empty()) condition += " OR ";
    condition += "(" + typeColumn + "=" + std::to_string(type) + " AND " + addressColumn + ">" +
                 std::to_string(HighestAddress(type)) + ")";
  }
  return condition;
}

} // namespace ldr
