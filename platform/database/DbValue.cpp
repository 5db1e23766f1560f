#include "platform/database/DbValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ldr::db {

namespace {
bool ParseInt(const std::string& text, std::int64_t& out) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && *begin == ' ') ++begin;
  auto [ptr, ec] = std::from_chars(begin, end, out);
  return ec == std::errc() && ptr == end;
}
} // namespace

std::int64_t DbValue::AsInt64(std::int64_t ifNull) const {
  if (auto* i = std::get_if<std::int64_t>(&mValue)) return *i;
  if (auto* d = std::get_if<double>(&mValue)) return std::isfinite(*d) ? static_cast<std::int64_t>(*d) : ifNull;
  if (auto* s = std::get_if<std::string>(&mValue)) {
    std::int64_t v = 0;
    return ParseInt(*s, v) ? v : ifNull;
  }
  return ifNull;
}

double DbValue::AsDouble(double ifNull) const {
  if (auto* i = std::get_if<std::int64_t>(&mValue)) return static_cast<double>(*i);
  if (auto* d = std::get_if<double>(&mValue)) return *d;
  if (auto* s = std::get_if<std::string>(&mValue)) {
    try {
      size_t used = 0;
      double v = std::stod(*s, &used);
      return used == s->size() ? v : ifNull;
    } catch (...) {
      return ifNull;
    }
  }
  return ifNull;
}

std::string DbValue::AsText(const std::string& ifNull) const {
  if (auto* i = std::get_if<std::int64_t>(&mValue)) return std::to_string(*i);
  if (auto* d = std::get_if<double>(&mValue)) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", *d);
    return buf;
  }
  if (auto* s = std::get_if<std::string>(&mValue)) return *s;
  if (auto* b = std::get_if<Blob>(&mValue)) return std::string(b->begin(), b->end());
  return ifNull;
}

Blob DbValue::AsBlob() const {
  if (auto* b = std::get_if<Blob>(&mValue)) return *b;
  if (auto* s = std::get_if<std::string>(&mValue)) return Blob(s->begin(), s->end());
  return {};
}

std::string DbValue::ToDisplay() const {
  if (IsNull()) return "NULL";
  if (auto* b = std::get_if<Blob>(&mValue)) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "x'";
    for (auto byte : *b) {
      out += hex[byte >> 4];
      out += hex[byte & 15];
    }
    return out + "'";
  }
  return AsText();
}

bool DbValue::operator==(const DbValue& other) const {
  // Integers and reals compare by value, as the database compares them.
  if ((IsInteger() || IsReal()) && (other.IsInteger() || other.IsReal())) return AsDouble() == other.AsDouble();
  return mValue == other.mValue;
}

} // namespace ldr::db
