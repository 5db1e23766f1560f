#pragma once
// Writes little-endian fields into a byte array (the binary layouts of the
// operand library).

#include "platform/database/DbValue.h"

#include <bit>
#include <cstdint>
#include <string>

namespace ldr {

class ByteWriter {
public:
  void U16(std::uint16_t value) { Raw(value, 2); }
  void U32(std::uint32_t value) { Raw(value, 4); }
  void I32(std::int32_t value) { Raw(static_cast<std::uint32_t>(value), 4); }
  void F64(double value) { Raw(std::bit_cast<std::uint64_t>(value), 8); }
  void Text(const std::string& text) {
    U32(static_cast<std::uint32_t>(text.size()));
    mBytes.insert(mBytes.end(), text.begin(), text.end());
  }
  void Bytes(const db::Blob& bytes) {
    U32(static_cast<std::uint32_t>(bytes.size()));
    mBytes.insert(mBytes.end(), bytes.begin(), bytes.end());
  }
  void Tag(const char (&tag)[5]) { mBytes.insert(mBytes.end(), tag, tag + 4); }

  const db::Blob& Result() const { return mBytes; }

private:
  void Raw(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) mBytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  db::Blob mBytes;
};

} // namespace ldr
