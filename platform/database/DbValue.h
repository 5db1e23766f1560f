#pragma once
// One value of a database field: Null, integer, real, text or bytes.
// Readers choose how a Null reads: `IsNull()` tells, the `As…` accessors give
// the caller's fallback for Null so that a Null never turns into garbage.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ldr::db {

using Blob = std::vector<std::uint8_t>;

class DbValue {
public:
  DbValue() = default;
  DbValue(std::nullptr_t) {}
  DbValue(int v) : mValue(static_cast<std::int64_t>(v)) {}
  DbValue(long v) : mValue(static_cast<std::int64_t>(v)) {}
  DbValue(long long v) : mValue(static_cast<std::int64_t>(v)) {}
  DbValue(bool v) : mValue(static_cast<std::int64_t>(v ? -1 : 0)) {} // database Boolean: -1 / 0
  DbValue(double v) : mValue(v) {}
  DbValue(std::string v) : mValue(std::move(v)) {}
  DbValue(const char* v) : mValue(std::string(v)) {}
  DbValue(Blob v) : mValue(std::move(v)) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(mValue); }
  bool IsInteger() const { return std::holds_alternative<std::int64_t>(mValue); }
  bool IsReal() const { return std::holds_alternative<double>(mValue); }
  bool IsText() const { return std::holds_alternative<std::string>(mValue); }
  bool IsBlob() const { return std::holds_alternative<Blob>(mValue); }

  // Integer value; reals are truncated, numeric text is parsed, Null and
  // anything else give `ifNull`.
  std::int64_t AsInt64(std::int64_t ifNull = 0) const;
  std::int32_t AsLong(std::int32_t ifNull = 0) const { return static_cast<std::int32_t>(AsInt64(ifNull)); }
  double AsDouble(double ifNull = 0.0) const;
  // Database Boolean: any non-zero number is true.
  bool AsBool(bool ifNull = false) const { return IsNull() ? ifNull : AsInt64() != 0; }
  // Text; numbers are written in decimal, Null gives `ifNull`.
  std::string AsText(const std::string& ifNull = {}) const;
  Blob AsBlob() const;

  // The form the command line and `ldr script` print: NULL for Null.
  std::string ToDisplay() const;

  bool operator==(const DbValue& other) const;

  const auto& Raw() const { return mValue; }

private:
  std::variant<std::monostate, std::int64_t, double, std::string, Blob> mValue;
};

} // namespace ldr::db
