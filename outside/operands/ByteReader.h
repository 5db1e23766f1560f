#pragma once
// Reads the fields ByteWriter wrote. Reading past the end, or a length
// that runs past it, throws std::invalid_argument: a damaged block is never
// half-read into an object.

#include "platform/database/DbValue.h"

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ldr {

class ByteReader {
public:
  explicit ByteReader(const db::Blob& bytes, std::string what) : mBytes(bytes), mWhat(std::move(what)) {}

  std::uint16_t U16() { return static_cast<std::uint16_t>(Raw(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Raw(4)); }
  std::int32_t I32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Raw(4))); }
  double F64() { return std::bit_cast<double>(Raw(8)); }
  std::string Text() {
    const std::uint32_t size = U32();
    Need(size);
    std::string text(mBytes.begin() + static_cast<std::ptrdiff_t>(mPos),
                     mBytes.begin() + static_cast<std::ptrdiff_t>(mPos + size));
    mPos += size;
    return text;
  }
  db::Blob Bytes() {
    const std::uint32_t size = U32();
    Need(size);
    db::Blob bytes(mBytes.begin() + static_cast<std::ptrdiff_t>(mPos),
                   mBytes.begin() + static_cast<std::ptrdiff_t>(mPos + size));
    mPos += size;
    return bytes;
  }
  bool TagIs(const char (&tag)[5]) {
    if (Remaining() < 4) return false;
    for (int i = 0; i < 4; ++i)
      if (mBytes[mPos + static_cast<std::size_t>(i)] != static_cast<std::uint8_t>(tag[i])) return false;
    mPos += 4;
    return true;
  }
  std::size_t Remaining() const { return mBytes.size() - mPos; }
  // Throws unless `count` items of `itemSize` bytes can still follow.
  void NeedItems(std::uint64_t count, std::uint64_t itemSize) {
    if (count * itemSize > Remaining()) Fail();
  }
  [[noreturn]] void Fail() const { throw std::invalid_argument(mWhat + ": damaged or foreign data"); }

private:
  void Need(std::uint64_t size) const {
    if (size > Remaining()) Fail();
  }
  std::uint64_t Raw(int size) {
    Need(static_cast<std::uint64_t>(size));
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
      value |= static_cast<std::uint64_t>(mBytes[mPos + static_cast<std::size_t>(i)]) << (8 * i);
    mPos += static_cast<std::size_t>(size);
    return value;
  }

  const db::Blob& mBytes;
  std::string mWhat;
  std::size_t mPos = 0;
};

} // namespace ldr
