#include "core/StripRows.h"
#include "core/ProjectData.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ldr;
using ldr::test::ProjectFixture;

namespace {

class StripRowsTest : public ProjectFixture {
protected:
  std::vector<long> Column(const std::string& column) {
    return Longs("SELECT " + column + " FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum");
  }
  long Count() { return Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"); }
};

} // namespace

TEST_F(StripRowsTest, RowsOfEachTypeGoInAtThePositionInTheOrderAsked) {
  StripRows rows(Db());
  const long before = Count();
  std::vector<long> seen;
  const auto added = rows.InsertAt(2, 2, 3, [&](long seqNum) -> std::optional<db::FieldList> {
    seen.push_back(Count()); // each row is stored before the next is asked for
    if (seqNum == 3) return std::nullopt;
    db::FieldList row = StripRows::NewRow(2, seqNum, seqNum == 2 ? eST_LdrComment : eST_LdrLabel);
    if (seqNum == 4) row.emplace_back("LblName", std::string("it's L1"));
    return row;
  });
  ASSERT_EQ(added.size(), 2u);
  EXPECT_EQ(seen, (std::vector<long>{before, before + 1, before + 1}));
  // The strip that stood at 2 now stands at 5: room was made for three.
  EXPECT_EQ(Column("SeqNum").at(2), 4);
  EXPECT_EQ(Column("SeqNum").at(3), 5);
  EXPECT_EQ(Column("StrpType").at(1), eST_LdrComment);
  EXPECT_EQ(Column("Height").at(1), 3);
  EXPECT_EQ(Column("Height").at(2), 1);
  EXPECT_EQ(Column("IsCompilable").at(2), 0);
  EXPECT_EQ(rows.ReadText(added[1], "LblName"), "it's L1");
}

TEST_F(StripRowsTest, AFailingRowLeavesTheSubroutineAsItWas) {
  const auto seqBefore = Column("SeqNum");
  StripRows rows(Db());
  EXPECT_THROW(rows.InsertAt(2, 1, 2,
                             [](long seqNum) -> std::optional<db::FieldList> {
                               if (seqNum == 2) throw std::runtime_error("no name");
                               return StripRows::NewRow(2, seqNum, eST_LdrNet);
                             }),
               std::runtime_error);
  EXPECT_EQ(Column("SeqNum"), seqBefore);
}

TEST_F(StripRowsTest, ColumnsAndTextsOfOneRowOnly) {
  StripRows rows(Db());
  const long first = GetStripIDByShowNum(Db(), 2, 1);
  const long second = GetStripIDByShowNum(Db(), 2, 2);
  rows.SetColumn(first, "IsSelected", true);
  rows.SetText(first, "StrpNote", "a 'quoted' note");
  EXPECT_EQ(Scalar("SELECT IsSelected FROM LdrStrips WHERE StripID=" + std::to_string(first)), -1);
  EXPECT_EQ(Scalar("SELECT IsSelected FROM LdrStrips WHERE StripID=" + std::to_string(second)), 0);
  EXPECT_EQ(rows.ReadText(first, "StrpNote"), "a 'quoted' note");
  rows.Delete(first);
  EXPECT_EQ(rows.ReadText(first, "StrpNote"), std::nullopt);
}
