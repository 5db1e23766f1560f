#pragma once
// What a net reads from its LdrStrips row and the download entry of its
// subroutine; the row itself is written through StripRows.

#include "platform/database/Connection.h"

#include <cstdint>
#include <string>

namespace ldr {

class NetStore {
public:
  explicit NetStore(db::Connection& connection) : mDb(connection) {}

  // The subroutine of the net must be downloaded again after its next
  // compile. Nothing happens when the strip row is gone.
  void MarkDownloadEntryNotCompiled(std::int32_t stripID);
  // The same for a subroutine given by its key.
  void MarkFunctionNotCompiled(std::int32_t funcID);
  bool ReadCompileDirtyBit(std::int32_t stripID);
  std::int64_t CountElements(std::int32_t stripID);

private:
  db::Connection& mDb;
};

} // namespace ldr
