#include "strips/clsTextStripStore.h"

namespace ldr {

void clsTextStripStore::UpdateColumn(std::int32_t stripID, const std::string& column, std::int64_t value) {
  mDb.Execute("UPDATE LdrStrips SET " + column + "=" + std::to_string(value) +
              " WHERE StripID=" + std::to_string(stripID));
}

void clsTextStripStore::UpdateText(std::int32_t stripID, const std::string& column, const std::string& text) {
  mDb.Execute("UPDATE LdrStrips SET " + column + "=? WHERE StripID=" + std::to_string(stripID), {text});
}

std::optional<std::string> clsTextStripStore::ReadText(std::int32_t stripID, const std::string& column) {
  db::Recordset rs = mDb.Query("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  if (rs.IsEOF()) return std::nullopt;
  return rs.Field(column).AsText();
}

std::int32_t clsTextStripStore::InsertRow(const db::FieldList& fields) {
  return static_cast<std::int32_t>(mDb.AddRow("LdrStrips", fields));
}

void clsTextStripStore::DeleteRow(std::int32_t stripID) {
  mDb.Execute("DELETE FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
}

} // namespace ldr
