#pragma once
// An aggregate SQL function of one connection, ldr_row_digest(v1, v2, …):
// each row's values (their storage class and bytes) hashed with 64-bit
// FNV-1a and the hashes added up, so the order the rows come in does not
// matter. The result is the text "ROWS/SUM". Used to tell whether any value
// of a table changed without carrying every row out of SQLite.

#include "platform/database/Connection.h"

namespace ldr::db {

class RowDigest {
public:
  static constexpr const char* kFunction = "ldr_row_digest";
  // Makes the function known to the connection (again is harmless).
  static void Register(Connection& connection);
};

} // namespace ldr::db
