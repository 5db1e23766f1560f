#include "outside/operands/ParamsBlock.h"

#include "outside/operands/ByteReader.h"
#include "outside/operands/ByteWriter.h"
#include "outside/operands/OperandTypeCatalogue.h"

#include <algorithm>
#include <stdexcept>

namespace ldr {

ParamsBlock ParamsBlock::Parse(const db::Blob& bytes) {
  ParamsBlock block;
  if (bytes.empty()) return block;
  ByteReader in(bytes, "parameter block");
  if (!in.TagIs("LPRM")) in.Fail();
  const std::uint16_t version = in.U16();
  if (version != kVersion)
    throw std::invalid_argument("parameter block: layout version " + std::to_string(version) + " is not known");
  in.U16();
  block.ElementType = in.I32();
  block.InstanceNumber = in.I32();
  const std::uint32_t valueCount = in.U32();
  in.NeedItems(valueCount, 4);
  for (std::uint32_t i = 0; i < valueCount; ++i) block.Values.push_back(in.I32());
  const std::uint32_t operandCount = in.U32();
  in.NeedItems(operandCount, 16);
  for (std::uint32_t i = 0; i < operandCount; ++i) {
    ParamsOperand operand;
    operand.Key = {in.I32(), in.I32(), in.I32()};
    operand.Slot = in.I32();
    block.InnerOperands.push_back(operand);
  }
  block.Extra = in.Bytes();
  if (in.Remaining() != 0) in.Fail();
  return block;
}

db::Blob ParamsBlock::Serialize() const {
  ByteWriter out;
  out.Tag("LPRM");
  out.U16(kVersion);
  out.U16(0);
  out.I32(static_cast<std::int32_t>(ElementType));
  out.I32(static_cast<std::int32_t>(InstanceNumber));
  out.U32(static_cast<std::uint32_t>(Values.size()));
  for (std::int32_t value : Values) out.I32(value);
  out.U32(static_cast<std::uint32_t>(InnerOperands.size()));
  for (const auto& operand : InnerOperands) {
    out.I32(static_cast<std::int32_t>(operand.Key.Type));
    out.I32(static_cast<std::int32_t>(operand.Key.Address));
    out.I32(static_cast<std::int32_t>(operand.Key.NetworkID));
    out.I32(static_cast<std::int32_t>(operand.Slot));
  }
  out.Bytes(Extra);
  return out.Result();
}

long ParamsBlock::AddOffsetToAllConstsOperands(long offset) {
  const auto& constantTypes = OperandTypeCatalogue::ConstantAddressTypes();
  long changed = 0;
  for (auto& operand : InnerOperands) {
    if (std::find(constantTypes.begin(), constantTypes.end(), operand.Key.Type) == constantTypes.end()) continue;
    operand.Key.Address += offset;
    ++changed;
  }
  return changed;
}

long ParamsBlock::ReplaceFindOnlyOperand(const OperandKey& from, const OperandKey& to) {
  long changed = 0;
  for (auto& operand : InnerOperands) {
    if (operand.Key != from) continue;
    operand.Key = to;
    ++changed;
  }
  return changed;
}

bool ParamsBlock::RunOperation(const std::string& name, db::Blob& bytes, const std::vector<long>& args) {
  const bool addOffset = name == kAddOffsetToAllConstsOperands;
  const bool replace = name == kReplaceFindOnlyOperand;
  if (!addOffset && !replace) throw std::invalid_argument("parameter block: no operation named \"" + name + "\"");
  if (args.size() != (addOffset ? 1u : 6u))
    throw std::invalid_argument("parameter block: " + name + " takes " + (addOffset ? "1 argument" : "6 arguments"));
  ParamsBlock block;
  try {
    block = Parse(bytes);
  } catch (const std::invalid_argument&) {
    return false;
  }
  const long changed = addOffset
                           ? block.AddOffsetToAllConstsOperands(args[0])
                           : block.ReplaceFindOnlyOperand({args[0], args[1], args[2]}, {args[3], args[4], args[5]});
  if (changed == 0) return false;
  bytes = block.Serialize();
  return true;
}

} // namespace ldr
