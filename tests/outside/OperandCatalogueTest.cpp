#include "OutsideFixture.h"

#include "outside/operands/OperandSlotRules.h"
#include "outside/operands/OperandTypeCatalogue.h"

using namespace ldr;
using ldr::test::OutsideFixture;

TEST(OperandCatalogue, EveryTypeTheLadderStoresIsKnownByNumberAndName) {
  OperandTypeCatalogue types;
  const std::vector<std::pair<long, std::string>> expected = {
      {1, "MB"},   {2, "SB"},   {3, "MI"},   {4, "SI"},   {5, "ML"},   {6, "SL"},   {7, "MF"},
      {8, "SF"},   {9, "I"},    {10, "O"},   {11, "T"},   {12, "C"},   {15, "CI"},  {16, "DW"},
      {26, "MIB"}, {27, "SIB"}, {29, "LBL"}, {30, "DSP"}, {31, "SUB"}, {34, "NCI"}, {35, "NCL"},
      {36, "SDW"}, {37, "CL"},  {38, "CF"},  {64, "XB"},  {65, "XI"},  {66, "XL"},  {67, "XDW"}};
  EXPECT_EQ(types.Types().size(), expected.size());
  for (const auto& [number, name] : expected) {
    const auto* info = types.Find(number);
    ASSERT_NE(info, nullptr) << number;
    EXPECT_EQ(info->ShortName, name);
    EXPECT_EQ(types.FindByShortName(name), info);
    EXPECT_EQ(types.ParseType(name), number);
    EXPECT_EQ(types.ParseType(std::to_string(number)), number);
  }
  EXPECT_EQ(types.ParseType("sdw"), 36);
  EXPECT_EQ(types.ParseType("13"), std::nullopt);
  EXPECT_EQ(types.ParseType("-1"), std::nullopt);
  EXPECT_EQ(types.ParseType(""), std::nullopt);
  EXPECT_EQ(types.Find(13), nullptr);
  // Type 13 with address 5 must not read as timer 135.
  EXPECT_EQ(types.ShortName(13) + "5", "?135");
  EXPECT_EQ(types.ParseType(types.ShortName(13)), std::nullopt);
}

TEST(OperandCatalogue, GroupsMatchTheElementsTypePairs) {
  OperandTypeCatalogue types;
  for (long data : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 16, 36, 64, 65, 66, 67}) EXPECT_EQ(types.Find(data)->Group, 1);
  EXPECT_EQ(types.Find(26)->Group, 3);
  EXPECT_EQ(types.Find(27)->Group, 3);
  EXPECT_EQ(types.Find(29)->Group, 4);
  EXPECT_EQ(types.Find(30)->Group, 5);
  EXPECT_EQ(types.Find(31)->Group, 6);
}

TEST(OperandCatalogue, AddressLimitsHoldAtBothEnds) {
  OperandTypeCatalogue types;
  EXPECT_TRUE(types.IsAddressInRange(eOT_MB, 0));
  EXPECT_TRUE(types.IsAddressInRange(eOT_MB, types.HighestAddress(eOT_MB)));
  EXPECT_FALSE(types.IsAddressInRange(eOT_MB, types.HighestAddress(eOT_MB) + 1));
  EXPECT_FALSE(types.IsAddressInRange(eOT_MB, -1));
  EXPECT_FALSE(types.IsAddressInRange(13, 0));
  EXPECT_EQ(types.HighestAddress(eOT_MIB), (types.HighestAddress(eOT_MI) + 1) * 16 - 1);
  EXPECT_FALSE(types.IsAddressInRange(eOT_Subroutine, 0)) << "references name a key, and keys start at 1";
  EXPECT_TRUE(types.IsAddressInRange(eOT_Subroutine, 1));

  types.SetHighestAddress(eOT_MB, 10);
  EXPECT_FALSE(types.IsAddressInRange(eOT_MB, 11));
  EXPECT_THROW(types.SetHighestAddress(13, 1), std::invalid_argument);
  EXPECT_THROW(types.SetHighestAddress(eOT_MB, -1), std::invalid_argument);
}

using OperandRangeCheck = OutsideFixture;

TEST_F(OperandRangeCheck, TheOutOfRangeConditionFindsExactlyTheRowsBeyondTheLimits) {
  auto& types = Host().Operands->Types();
  types.SetHighestAddress(eOT_MB, 100);
  const long highestXdw = types.HighestAddress(eOT_XDW);
  mDb->Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID) VALUES (1, 100, 0), (1, 101, 0), "
               "(67, ?, 0), (67, ?, 0), (31, 999999, 0), (15, 999999, 0), (13, 999999, 0)",
               {highestXdw, highestXdw + 1});
  const std::string condition = types.OutOfRangeCondition("OprndType", "OprndAddress");
  auto rs = mDb->Query("SELECT OprndType, OprndAddress FROM LdrOperands WHERE " + condition + " ORDER BY OprndType");
  ASSERT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.Field(0).AsLong(), 1);
  EXPECT_EQ(rs.Field(1).AsLong(), 101);
  rs.MoveNext();
  EXPECT_EQ(rs.Field(0).AsLong(), 67);
  EXPECT_EQ(OperandTypeCatalogue::RangeCheckedTypes().size(), 18u);
}

TEST(OperandSlotRules, ContactsAndCoilsTakeTheirFixedLists) {
  using V = std::vector<AcceptedType>;
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(200, true, 1, false),
            (V{{1, 9}, {1, 10}, {1, 11}, {1, 1}, {1, 2}, {3, 27}, {3, 26}, {1, 12}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(209, true, 1, true).back(), (AcceptedType{1, 64}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(212, false, 1, false), (V{{1, 10}, {1, 1}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(204, false, 1, true), (V{{1, 10}, {1, 1}, {1, 64}, {1, 2}, {1, 11}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(206, false, 1, false), (V{{1, 10}, {1, 1}, {1, 2}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(207, false, 1, false), (V{{1, 10}, {1, 1}, {1, 2}, {1, 11}, {1, 12}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(213, false, 1, false),
            (V{{1, 3}, {1, 5}, {1, 16}, {1, 4}, {1, 6}, {1, 36}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(213, false, 1, true),
            (V{{1, 3}, {1, 5}, {1, 16}, {1, 65}, {1, 66}, {1, 67}, {1, 4}, {1, 6}, {1, 36}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(600, false, 1, false), (V{{4, 29}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(601, false, 1, false), (V{{6, 31}}));
  EXPECT_EQ(OperandSlotRules::AcceptedTypes(603, false, 1, false), (V{{5, 30}}));
}

TEST(OperandSlotRules, OutputsNeverAcceptReadOnlyTypes) {
  OperandTypeCatalogue types;
  for (long element : {204L, 212L, 213L, 400L, 506L, 900L, 1005L, 1100L, 1500L, 1256L, 1640L, 100201L})
    for (const auto& pair : OperandSlotRules::AcceptedTypes(element, false, 1, true)) {
      const auto* info = types.Find(pair.Type);
      ASSERT_NE(info, nullptr) << element << " accepts unknown type " << pair.Type;
      EXPECT_TRUE(info->Writable) << element << " output accepts " << info->ShortName;
    }
}

TEST(OperandSlotRules, DefaultTextsFallBackForSlotsWithoutTheirOwn) {
  EXPECT_EQ(OperandSlotRules::DefaultText(600, false, 1), "Select Label");
  EXPECT_EQ(OperandSlotRules::DefaultText(601, false, 1), "Select Subroutine");
  EXPECT_EQ(OperandSlotRules::DefaultText(603, false, 1), "Select Display");
  EXPECT_EQ(OperandSlotRules::DefaultText(302, true, 2), "Select Operand B");
  EXPECT_EQ(OperandSlotRules::DefaultText(1256, true, 3), "Select Operand And Address");
  EXPECT_EQ(OperandSlotRules::DefaultText(100201, true, 1), "Select Operand And Address");
}

TEST(OperandSlotRules, CoilToolsFollowTheOperandType) {
  EXPECT_EQ(OperandSlotRules::DisallowedCoilTools(2), (std::vector<std::string>{"ID_ToggleCoil"}));
  EXPECT_EQ(OperandSlotRules::DisallowedCoilTools(11),
            (std::vector<std::string>{"ID_SETCoil", "ID_InvertedCoil", "ID_ToggleCoil"}));
  EXPECT_EQ(OperandSlotRules::DisallowedCoilTools(12),
            (std::vector<std::string>{"ID_DirectCoil", "ID_InvertedCoil", "ID_SETCoil", "ID_ToggleCoil"}));
  EXPECT_TRUE(OperandSlotRules::DisallowedCoilTools(1).empty());
}
