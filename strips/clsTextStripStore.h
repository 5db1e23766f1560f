#pragma once
// The stored side of a comment or label strip: its LdrStrips row. Numbers are
// written as decimal literals, texts are bound as parameters; the strip's key
// is the only thing that selects the row.

#include "platform/database/Connection.h"
#include "platform/database/DbValue.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ldr {

class clsTextStripStore {
public:
  explicit clsTextStripStore(db::Connection& connection) : mDb(connection) {}

  // "UPDATE LdrStrips SET <column>=<value> WHERE StripID=<id>".
  void UpdateColumn(std::int32_t stripID, const std::string& column, std::int64_t value);
  // The same for a text column, the text bound as a parameter.
  void UpdateText(std::int32_t stripID, const std::string& column, const std::string& text);
  // One text column of the row: empty for Null, nothing when the row is gone.
  std::optional<std::string> ReadText(std::int32_t stripID, const std::string& column);
  // Adds a strip row and answers its new StripID.
  std::int32_t InsertRow(const db::FieldList& fields);
  void DeleteRow(std::int32_t stripID);

private:
  db::Connection& mDb;
};

} // namespace ldr
