// The two opaque blocks of the data-table feature and the download header.
#include "compiler/srvDBServices.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DBServicesTest : public ProjectFixture {};

TEST_F(DBServicesTest, BlocksAreKeptPerKindOneRowEach) {
  srvDBServices services(mDb);
  EXPECT_EQ(services.LoadDbBlock(eDB_DesignBlock), Bytes(10, 0)) << "never saved";
  services.SaveDbBlock({1, 2, 3}, eDB_DesignBlock);
  services.SaveDbBlock({9}, eDB_CellsBlock);
  services.SaveDbBlock({4, 5}, eDB_DesignBlock);
  EXPECT_EQ(services.LoadDbBlock(eDB_DesignBlock), (Bytes{4, 5}));
  EXPECT_EQ(services.LoadDbBlock(eDB_CellsBlock), (Bytes{9}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM PLC_DB_Blocks"), 2);
  Db().Execute("UPDATE PLC_DB_Blocks SET DB_Block=NULL WHERE Key=2");
  EXPECT_EQ(services.LoadDbBlock(eDB_CellsBlock), Bytes(10, 0));
}

TEST_F(DBServicesTest, DownloadHeaderIsFixed) {
  Bytes expected(16, 255);
  expected[0] = 68;
  expected[1] = 66;
  expected[2] = 100;
  EXPECT_EQ(srvDBServices(mDb).GetDbHeaderForDownload(), expected);
}

} // namespace
} // namespace ldr::test
