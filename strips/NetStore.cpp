#include "strips/NetStore.h"

namespace ldr {

void NetStore::MarkDownloadEntryNotCompiled(std::int32_t stripID) {
  const db::DbValue funcID = mDb.QueryValue("SELECT FuncID FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  if (!funcID.IsNull()) MarkFunctionNotCompiled(funcID.AsLong());
}

void NetStore::MarkFunctionNotCompiled(std::int32_t funcID) {
  // A subroutine's download entry is keyed by its code or its data identity.
  const std::string id = std::to_string(funcID);
  mDb.Execute("UPDATE DownloadDLUs SET IsCompiled=0 WHERE Guid IN (SELECT Guid FROM LdrFunctions WHERE FuncID=" + id +
              " UNION SELECT DataGuid FROM LdrFunctions WHERE FuncID=" + id + ")");
}

bool NetStore::ReadCompileDirtyBit(std::int32_t stripID) {
  return mDb.QueryValue("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=" + std::to_string(stripID)).AsBool();
}

std::int64_t NetStore::CountElements(std::int32_t stripID) {
  return mDb.QueryValue("SELECT COUNT(*) AS ElmCnt FROM LdrElements WHERE StripID=" + std::to_string(stripID))
      .AsInt64();
}

} // namespace ldr
