#pragma once
// The operand types of the target controller: group, short name, title, kind
// and the highest address of each. The host may set other limits for another
// controller (SetHighestAddress).

#include "outside/operands/OperandType.h"
#include "outside/utilities/OperandValues.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

enum class OperandKind { Bit, Numeric, Float, Timer, Counter, Reference, Constant, NamedConstant };

struct OperandTypeInfo {
  long Type = 0;
  long Group = 0;
  std::string ShortName;
  std::string Title;
  OperandKind Kind = OperandKind::Numeric;
  long HighestAddress = 0; // addresses run 0 … HighestAddress (references and constants: any key ≥ 1)
  bool Writable = true;    // a coil or a box output may write it
  bool Extended = false;   // needs the extended-operands option
  bool AllowsNetwork = false;
  double MinValue = 0.0; // constants: the range of the value
  double MaxValue = 0.0;
};

class OperandTypeCatalogue {
public:
  static constexpr long kHighestNetworkID = 63;

  OperandTypeCatalogue();

  const std::vector<OperandTypeInfo>& Types() const { return mTypes; }
  const OperandTypeInfo* Find(long type) const;
  // Case-insensitive.
  const OperandTypeInfo* FindByShortName(const std::string& shortName) const;
  // A type written as its number or its short name.
  std::optional<long> ParseType(const std::string& text) const;
  // An unknown type reads "?" and its number: never the name of another
  // type, and nothing ParseType takes back.
  std::string ShortName(long type) const;

  long HighestAddress(long type) const;
  void SetHighestAddress(long type, long highest);
  bool IsAddressInRange(long type, long address) const;

  static bool IsReference(long type);
  static bool IsConstant(long type);      // 15, 37, 38
  static bool IsNamedConstant(long type); // 34, 35
  // Every type whose address holds a constant: 15, 34, 35, 37, 38.
  static const std::vector<long>& ConstantAddressTypes();

  // The types whose addresses a paste or import checks against this
  // controller: 1 to 12, 16, 36 and 64 to 67.
  static const std::vector<long>& RangeCheckedTypes();
  // "(typeColumn=t AND addressColumn>limit) OR …" over RangeCheckedTypes,
  // numbers written as decimals.
  std::string OutOfRangeCondition(const std::string& typeColumn, const std::string& addressColumn) const;

private:
  OperandTypeInfo* FindMutable(long type);

  std::vector<OperandTypeInfo> mTypes;
};

} // namespace ldr
