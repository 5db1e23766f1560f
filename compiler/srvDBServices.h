#pragma once
// Keeps the two opaque blocks of the controller's data-table feature in the
// project database (one row per block kind) and gives the fixed header that
// goes before them in a download. Never looks inside a block.

#include "platform/database/Connection.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace ldr {

// enDB_Blocks
enum enDB_Blocks : long { eDB_DesignBlock = 1, eDB_CellsBlock = 2 };

class srvDBServices {
public:
  // What a block never stored reads as.
  static constexpr std::size_t kEmptyBlockSize = 10;
  static constexpr std::size_t kHeaderSize = 16;

  explicit srvDBServices(std::shared_ptr<db::Connection> connection) : mDb(std::move(connection)) {}

  std::vector<std::uint8_t> LoadDbBlock(enDB_Blocks key);
  void SaveDbBlock(const std::vector<std::uint8_t>& block, enDB_Blocks key);
  std::vector<std::uint8_t> GetDbHeaderForDownload() const;

private:
  std::shared_ptr<db::Connection> mDb;
};

} // namespace ldr
