#include "core/PropertyBag.h"

#include "outside/operands/ByteReader.h"
#include "outside/operands/ByteWriter.h"

#include <bit>

namespace ldr {
namespace {

constexpr std::uint16_t kBagVersion = 1;
enum ValueKind : std::uint16_t { kNull = 0, kInteger = 1, kReal = 2, kText = 3, kBytes = 4 };

void WriteValue(ByteWriter& out, const db::DbValue& value) {
  if (value.IsInteger()) {
    out.U16(kInteger);
    const auto bits = static_cast<std::uint64_t>(value.AsInt64());
    out.U32(static_cast<std::uint32_t>(bits));
    out.U32(static_cast<std::uint32_t>(bits >> 32));
  } else if (value.IsReal()) {
    out.U16(kReal);
    out.F64(value.AsDouble());
  } else if (value.IsText()) {
    out.U16(kText);
    out.Text(value.AsText());
  } else if (value.IsBlob()) {
    out.U16(kBytes);
    out.Bytes(value.AsBlob());
  } else {
    out.U16(kNull);
  }
}

db::DbValue ReadValue(ByteReader& in) {
  switch (in.U16()) {
  case kNull:
    return {};
  case kInteger: {
    const std::uint64_t low = in.U32();
    const std::uint64_t high = in.U32();
    return db::DbValue(static_cast<long long>(low | (high << 32)));
  }
  case kReal:
    return db::DbValue(in.F64());
  case kText:
    return db::DbValue(in.Text());
  case kBytes:
    return db::DbValue(in.Bytes());
  default:
    in.Fail();
  }
}

} // namespace

db::DbValue PropertyBag::ReadProperty(const std::string& name, const db::DbValue& defaultValue) const {
  const auto found = mValues.find(name);
  return found == mValues.end() ? defaultValue : found->second;
}

db::Blob PropertyBag::JoinBlobs(const std::vector<db::Blob>& items) {
  ByteWriter out;
  out.U32(static_cast<std::uint32_t>(items.size()));
  for (const auto& item : items) out.Bytes(item);
  return out.Result();
}

std::vector<db::Blob> PropertyBag::SplitBlobs(const db::Blob& joined) {
  std::vector<db::Blob> items;
  if (joined.empty()) return items;
  ByteReader in(joined, "property bag list");
  const std::uint32_t count = in.U32();
  in.NeedItems(count, 4);
  for (std::uint32_t i = 0; i < count; ++i) items.push_back(in.Bytes());
  if (in.Remaining() != 0) in.Fail();
  return items;
}

db::Blob PropertyBag::Contents() const {
  ByteWriter out;
  out.Tag("PBAG");
  out.U16(kBagVersion);
  out.U32(static_cast<std::uint32_t>(mValues.size()));
  for (const auto& [name, value] : mValues) {
    out.Text(name);
    WriteValue(out, value);
  }
  return out.Result();
}

PropertyBag PropertyBag::FromContents(const db::Blob& contents) {
  ByteReader in(contents, "property bag");
  if (!in.TagIs("PBAG") || in.U16() != kBagVersion) in.Fail();
  const std::uint32_t count = in.U32();
  in.NeedItems(count, 6);
  PropertyBag bag;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string name = in.Text();
    bag.mValues[name] = ReadValue(in);
  }
  if (in.Remaining() != 0) in.Fail();
  return bag;
}

} // namespace ldr
