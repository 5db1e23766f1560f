// The element type catalogue and the titles.
#include "elements/ElementTitles.h"
#include "elements/clsElmntCmnFunc.h"
#include "interfaces/enElementType.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ldr {
namespace {

TEST(ElementTypeCatalogue, Has328MembersWithUniqueValuesAndNames) {
  EXPECT_EQ(kElementTypeMembers.size(), 328u);
  std::set<std::int32_t> values;
  std::set<std::string_view> names;
  for (const auto& member : kElementTypeMembers) {
    values.insert(member.Value);
    names.insert(member.Name);
    EXPECT_EQ(member.Name.substr(0, 4), "eET_") << member.Name;
  }
  EXPECT_EQ(values.size(), 328u);
  EXPECT_EQ(names.size(), 328u);
}

TEST(ElementTitles, FixedTitlesAreTrimmed) {
  EXPECT_EQ(StoredElementTitle(900), " STORE ");
  EXPECT_EQ(GetElementTitle(nullptr, 900), "STORE");
  EXPECT_EQ(GetElementTitle(nullptr, 1641), "Corvanta CAN Send");
  EXPECT_EQ(GetElementTitle(nullptr, 200), "Direct Contact");
  EXPECT_EQ(GetElementTitle(nullptr, 602), "Subroutine: RET");
  EXPECT_EQ(GetElementTitle(nullptr, 1830), "Immediate Read HSO Position");
  EXPECT_EQ(GetElementTitle(nullptr, 1617), "A(10^B)");
}

TEST(ElementTitles, SharedTitles) {
  EXPECT_EQ(GetElementTitle(nullptr, 1229), "Draw Line");
  EXPECT_EQ(GetElementTitle(nullptr, 1265), "Draw Line");
  EXPECT_EQ(GetElementTitle(nullptr, 901), "STI [MI]");
  EXPECT_EQ(GetElementTitle(nullptr, 1901), "STI [MI]");
  EXPECT_EQ(GetElementTitle(nullptr, 1906), "STI [SDW]");
  EXPECT_EQ(GetElementTitle(nullptr, 1668), GetElementTitle(nullptr, 1804));
}

TEST(ElementTitles, TypesWithoutTitle) {
  for (int type : {0, 100, 101, 102, 208, 209, 210, 211, 500, 510, 520, 530, 1266, 1681, 1682, 1812}) {
    EXPECT_EQ(GetElementTitle(nullptr, type), "") << type;
  }
  // Not members at all.
  for (int type : {-1, 99, 214, 1619, 1700, 2000, 99999, 1000000}) {
    EXPECT_EQ(GetElementTitle(nullptr, type), "") << type;
  }
}

TEST(ElementTitles, EveryOtherMemberHasATitleWithoutOuterBlanks) {
  const std::set<int> untitled = {0,   100, 101, 102,  208,  209,  210,  211,    500,
                                  510, 520, 530, 1266, 1681, 1682, 1812, 100000, 999999};
  int titled = 0;
  for (const auto& member : kElementTypeMembers) {
    const std::string title = GetElementTitle(nullptr, member.Value);
    if (untitled.count(member.Value)) continue;
    ++titled;
    ASSERT_FALSE(title.empty()) << member.Name;
    EXPECT_NE(title.front(), ' ') << member.Name;
    EXPECT_NE(title.back(), ' ') << member.Name;
  }
  EXPECT_EQ(titled, 310);
}

class FunctionBlockTitles : public ::testing::Test {
protected:
  void SetUp() override {
    mDb = db::Connection::Open("", db::OpenMode::Memory);
    mDb->ExecuteScript("CREATE TABLE FB_Fathers (FatherID INTEGER PRIMARY KEY, FatherTitle TEXT, FatherName TEXT);"
                       "CREATE TABLE FB_Methods (MethodID INTEGER PRIMARY KEY, MethodTitle TEXT);");
    mDb->Execute("INSERT INTO FB_Fathers (FatherID, FatherTitle) VALUES (123400, ?)", {"  Modbus Master "});
    mDb->Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (123401, ?)", {"Read Registers  "});
    mDb->Execute("INSERT INTO FB_Fathers (FatherID, FatherTitle) VALUES (555500, NULL)");
    mDb->Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (555501, ?)", {"Init"});
    mDb->Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (777701, ?)", {"Orphan"});
  }
  std::shared_ptr<db::Connection> mDb;
};

TEST_F(FunctionBlockTitles, FatherBlankMethodTrimmedAtTheEnds) {
  clsElmntCmnFunc titles(mDb);
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(123401)), "Modbus Master  Read Registers");
}

TEST_F(FunctionBlockTitles, MissingMethodRowLeavesTheFatherTitle) {
  clsElmntCmnFunc titles(mDb);
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(123402)), "Modbus Master");
}

TEST_F(FunctionBlockTitles, NullOrMissingFatherLeavesTheMethodTitle) {
  clsElmntCmnFunc titles(mDb);
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(555501)), "Init");
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(777701)), "Orphan");
}

TEST_F(FunctionBlockTitles, NoRowsAtAllGiveEmptyText) {
  clsElmntCmnFunc titles(mDb);
  EXPECT_EQ(titles.GetElementTitle(eET_FunctionBlockFirst), "");
  EXPECT_EQ(titles.GetElementTitle(eET_FunctionBlockLast), "");
}

TEST_F(FunctionBlockTitles, FixedTitlesDoNotTouchTheDatabase) {
  clsElmntCmnFunc titles(mDb);
  mDb->ExecuteScript("DROP TABLE FB_Fathers; DROP TABLE FB_Methods;");
  EXPECT_EQ(titles.GetElementTitle(eET_StoreDirect), "STORE");
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(100000 - 1)), "");
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(1000000)), "");
}

TEST(ElementTitlesWithoutProject, FunctionBlockTitleIsEmpty) {
  clsElmntCmnFunc titles(nullptr);
  EXPECT_EQ(titles.GetElementTitle(static_cast<enElementType>(123401)), "");
  EXPECT_EQ(titles.GetElementTitle(eET_DirectCoil), "Direct Coil");
}

} // namespace
} // namespace ldr
