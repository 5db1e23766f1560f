// Direct and indirect clocks: the range codec, its texts, the dialog, the
// stored value and damaged rows.
#include "ElementTestFixture.h"

#include "elements/ClockSetting.h"
#include "elements/clsIndirectClock.h"
#include "outside/operands/OperandType.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

TEST(ClockSetting, HourAndYearRangesAsHexadecimalDigits) {
  EXPECT_EQ(ClockSetting::EncodeHours({8, 30, 17, 45}), 0x08301745);
  const auto hours = ClockSetting::DecodeHours(0x08301745);
  EXPECT_EQ(hours.FromHour, 8);
  EXPECT_EQ(hours.FromMinute, 30);
  EXPECT_EQ(hours.ToHour, 17);
  EXPECT_EQ(hours.ToMinute, 45);
  EXPECT_EQ(ClockSetting::EncodeYears(2010, 2020), 0x20102020);
  EXPECT_EQ(ClockSetting::DecodeYears(0x20102020), (std::array<int, 2>{2010, 2020}));
  EXPECT_TRUE(ClockSetting::IsValid(ClockSetting::kHour, 0x00002359));
  EXPECT_FALSE(ClockSetting::IsValid(ClockSetting::kHour, 0x08601745)); // minute 60
  EXPECT_FALSE(ClockSetting::IsValid(ClockSetting::kHour, 0x24001745)); // hour 24
  EXPECT_FALSE(ClockSetting::IsValid(ClockSetting::kYear, 0x2010202A)); // not a decimal digit
  EXPECT_FALSE(ClockSetting::IsValid(ClockSetting::kWeekday, 0x80));    // an eighth weekday
  EXPECT_TRUE(ClockSetting::IsValid(ClockSetting::kDayOfMonth, 0x40000000));
  EXPECT_FALSE(ClockSetting::IsValid(ClockSetting::kMonth, 0x1000));
}

TEST(ClockSetting, TimeTexts) {
  EXPECT_EQ(ClockSetting::TimeText(8, 30, false), "08:30");
  EXPECT_EQ(ClockSetting::TimeText(17, 45, false), "17:45");
  EXPECT_EQ(ClockSetting::TimeText(8, 30, true), "08:30am");
  EXPECT_EQ(ClockSetting::TimeText(17, 45, true), "05:45pm");
  EXPECT_EQ(ClockSetting::TimeText(12, 30, true), "12:30pm");
  EXPECT_EQ(ClockSetting::TimeText(0, 5, true), "12:05am");
}

TEST(ClockSetting, EntriesBothWays) {
  std::string problem;
  EXPECT_EQ(ClockSetting::ParseEntry(ClockSetting::kHour, "08:30-17:45", problem), 0x08301745);
  EXPECT_EQ(ClockSetting::EntryText(ClockSetting::kHour, 0x08301745), "08:30-17:45");
  EXPECT_EQ(ClockSetting::ParseEntry(ClockSetting::kYear, "2010-2020", problem), 0x20102020);
  EXPECT_EQ(ClockSetting::ParseEntry(ClockSetting::kWeekday, "1,3,7", problem), 0x45);
  EXPECT_EQ(ClockSetting::EntryText(ClockSetting::kWeekday, 0x45), "1,3,7");
  EXPECT_EQ(ClockSetting::FlagsText(ClockSetting::kWeekday, 0x45), "Sun Tue Sat");
  EXPECT_EQ(ClockSetting::FlagsText(ClockSetting::kMonth, 0x801), "Jan Dec");
  EXPECT_EQ(ClockSetting::ParseEntry(ClockSetting::kMonth, "", problem), 0);
  for (const auto& [kind, text] : std::vector<std::pair<int, std::string>>{{ClockSetting::kHour, "25:00-26:00"},
                                                                           {ClockSetting::kHour, "8:30"},
                                                                           {ClockSetting::kHour, "08:30-17:45x"},
                                                                           {ClockSetting::kYear, "2010"},
                                                                           {ClockSetting::kYear, "20100-2020"},
                                                                           {ClockSetting::kWeekday, "0,3"},
                                                                           {ClockSetting::kWeekday, "8"},
                                                                           {ClockSetting::kMonth, "1,,2"},
                                                                           {ClockSetting::kDayOfMonth, "-1"}}) {
    problem.clear();
    EXPECT_FALSE(ClockSetting::ParseEntry(kind, text, problem).has_value()) << text;
    EXPECT_FALSE(problem.empty()) << text;
  }
}

using ClockElement = ElementTestFixture;

TEST_F(ClockElement, DirectClockAsksForItsRangeAndStoresIt) {
  auto clock = Make(eET_DirTime, 10, 4);
  ASSERT_TRUE(clock->InitOperandsData(true));
  clock->AddToDB(NetID());
  const std::string row = " FROM LdrElements WHERE ElmntID=" + std::to_string(clock->ObjectID());
  EXPECT_EQ(Scalar("SELECT MoreParamsLng" + row), 0x00002359);
  mHost.Answers->QueueDialog("25:00-26:00");
  mHost.Answers->QueueDialog("08:30-17:45");
  ASSERT_TRUE(clock->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("msgbox \"Hours run from 00:00 to 23:59\""));
  EXPECT_EQ(clock->MoreParamsLng(), 0x08301745);
  EXPECT_EQ(Scalar("SELECT MoreParamsLng" + row), 0x08301745);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(clock->ObjectID())), 0);
  auto replica = clock->GetReplica();
  EXPECT_EQ(replica->MoreParamsLng(), 0x08301745);
  EXPECT_EQ(replica->GetPropertyBag().ReadProperty("ClockOperand", 0).AsLong(), 0x08301745);
}

TEST_F(ClockElement, CancelledRangeDiscardsTheClock) {
  auto clock = Make(eET_DirYear, 10, 4);
  mHost.Answers->QueueDialogCancel();
  EXPECT_FALSE(clock->InitOperandsData(false));
}

TEST_F(ClockElement, DamagedStoredRangeLoadsAsTheDefault) {
  const long net = NetID();
  for (const auto& [type, stored] :
       std::vector<std::pair<long, long>>{{700, 0x08991745}, {704, 0x7FFFFFFF}, {701, 0xFF}}) {
    Db().AddRow("LdrElements",
                {{"StripID", net}, {"ElmntType", type}, {"Xs", 1}, {"Ys", 4}, {"MoreParamsLng", stored}});
  }
  Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", 702L}, {"Xs", 1}, {"Ys", 4}});
  Db().Execute("INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys, MoreParamsLng) VALUES (" + std::to_string(net) +
               ", 700, 1, 4, NULL)");
  std::vector<long> loaded;
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  for (auto rows = Db().Query("SELECT * FROM LdrElements WHERE ElmntType BETWEEN 700 AND 799 ORDER BY ElmntID");
       !rows.IsEOF(); rows.MoveNext()) {
    auto clock = CreateNewElement(mCtx, rows.Field("ElmntType").AsLong());
    clock->Load(rows, operands);
    loaded.push_back(clock->MoreParamsLng());
  }
  EXPECT_EQ(loaded, (std::vector<long>{0x00002359, 0x20002099, 0, 0, 0x00002359}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ClockElement, IndirectClockKeepsItsInputCountInTheRow) {
  auto clock = Make<clsIndirectClock>(eET_InDirDayOfTheWeek, 10, 4);
  ASSERT_TRUE(clock->InitOperandsData(true));
  clock->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_MI, 1, 0, 0});
  mHost.Answers->QueueOperand({eOT_MI, 2, 0, 0});
  ASSERT_TRUE(clock->InitOperandsData(false));
  const std::string id = std::to_string(clock->ObjectID());
  EXPECT_EQ(Scalar("SELECT NumberOfInputs FROM LdrElements WHERE ElmntID=" + id), 2);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE OprndInIdx>0 AND ElmntID=" + id), 2);
  auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + id);
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  auto loaded = CreateNewElement(mCtx, eET_InDirDayOfTheWeek);
  loaded->Load(row, operands);
  EXPECT_EQ(loaded->NumberOfInputs(), 2);
  EXPECT_EQ(loaded->InputOperands()->Find(2L)->Address(), 2);
}

} // namespace
} // namespace ldr::test
