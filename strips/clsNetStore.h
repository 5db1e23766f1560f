#pragma once
// The stored side of one net: its LdrStrips row and the download entry of its
// subroutine. Values are numbers written as decimal literals; the strip's key
// is the only thing that selects the row.

#include "platform/database/Connection.h"
#include "platform/database/DbValue.h"

#include <cstdint>
#include <string>

namespace ldr {

class clsNetStore {
public:
  explicit clsNetStore(db::Connection& connection) : mDb(connection) {}

  // "UPDATE LdrStrips SET <column>=<value> WHERE StripID=<id>".
  void UpdateColumn(std::int32_t stripID, const std::string& column, std::int64_t value);
  void UpdateColumn(std::int32_t stripID, const std::string& column, bool value) {
    UpdateColumn(stripID, column, static_cast<std::int64_t>(value ? -1 : 0));
  }
  // The subroutine of the net must be downloaded again after its next
  // compile. Nothing happens when the strip row is gone.
  void MarkDownloadEntryNotCompiled(std::int32_t stripID);
  // The same for a subroutine given by its key.
  void MarkFunctionNotCompiled(std::int32_t funcID);
  bool ReadCompileDirtyBit(std::int32_t stripID);
  std::int64_t CountElements(std::int32_t stripID);
  // Adds a net row and answers its new StripID.
  std::int32_t InsertNetRow(const db::FieldList& fields);
  void DeleteNetRow(std::int32_t stripID);

private:
  db::Connection& mDb;
};

} // namespace ldr
