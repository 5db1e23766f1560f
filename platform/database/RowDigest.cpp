#include "platform/database/RowDigest.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace ldr::db {

namespace {

struct DigestState {
  std::uint64_t Rows;
  std::uint64_t Sum;
};

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::uint64_t Mix(std::uint64_t hash, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= kFnvPrime;
  }
  return hash;
}

std::uint64_t HashValue(std::uint64_t hash, sqlite3_value* value) {
  const unsigned char type = static_cast<unsigned char>(sqlite3_value_type(value));
  hash = Mix(hash, &type, 1);
  switch (type) {
  case SQLITE_INTEGER: {
    const sqlite3_int64 number = sqlite3_value_int64(value);
    return Mix(hash, &number, sizeof number);
  }
  case SQLITE_FLOAT: {
    const double number = sqlite3_value_double(value);
    return Mix(hash, &number, sizeof number);
  }
  case SQLITE_TEXT:
  case SQLITE_BLOB: {
    const void* data =
        type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(value)) : sqlite3_value_blob(value);
    const int size = sqlite3_value_bytes(value);
    hash = Mix(hash, &size, sizeof size); // "ab","c" is not "a","bc"
    return data ? Mix(hash, data, static_cast<size_t>(size)) : hash;
  }
  default:
    return hash;
  }
}

void Step(sqlite3_context* context, int argc, sqlite3_value** argv) {
  auto* state = static_cast<DigestState*>(sqlite3_aggregate_context(context, sizeof(DigestState)));
  if (!state) return sqlite3_result_error_nomem(context);
  std::uint64_t hash = kFnvOffset;
  for (int i = 0; i < argc; ++i) hash = HashValue(hash, argv[i]);
  ++state->Rows;
  state->Sum += hash;
}

void Final(sqlite3_context* context) {
  auto* state = static_cast<DigestState*>(sqlite3_aggregate_context(context, 0));
  const std::string text = state ? std::to_string(state->Rows) + "/" + std::to_string(state->Sum) : "0/0";
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

} // namespace

void RowDigest::Register(Connection& connection) {
  const int rc = sqlite3_create_function_v2(connection.Handle(), kFunction, -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                            nullptr, nullptr, Step, Final, nullptr);
  if (rc != SQLITE_OK) throw DbError(rc, std::string("cannot register ") + kFunction);
}

} // namespace ldr::db
