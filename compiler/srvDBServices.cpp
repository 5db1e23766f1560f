#include "compiler/srvDBServices.h"

#include "platform/database/Transaction.h"

namespace ldr {

std::vector<std::uint8_t> srvDBServices::LoadDbBlock(enDB_Blocks key) {
  const db::DbValue block =
      mDb->QueryValue("SELECT DB_Block FROM PLC_DB_Blocks WHERE Key=" + std::to_string(static_cast<long>(key)));
  std::vector<std::uint8_t> bytes = block.AsBlob();
  if (bytes.empty()) bytes.assign(kEmptyBlockSize, 0);
  return bytes;
}

void srvDBServices::SaveDbBlock(const std::vector<std::uint8_t>& block, enDB_Blocks key) {
  db::Transaction transaction(*mDb);
  const db::DbValue id(static_cast<long>(key));
  if (mDb->QueryValue("SELECT COUNT(*) FROM PLC_DB_Blocks WHERE Key=?", {id}).AsLong() == 0)
    mDb->Execute("INSERT INTO PLC_DB_Blocks (Key, DB_Block) VALUES (?, ?)", {id, db::DbValue(db::Blob(block))});
  else
    mDb->Execute("UPDATE PLC_DB_Blocks SET DB_Block=? WHERE Key=?", {db::DbValue(db::Blob(block)), id});
  transaction.Commit();
}

std::vector<std::uint8_t> srvDBServices::GetDbHeaderForDownload() const {
  std::vector<std::uint8_t> header(kHeaderSize, 255);
  header[0] = 'D';
  header[1] = 'B';
  header[2] = 100;
  return header;
}

} // namespace ldr
