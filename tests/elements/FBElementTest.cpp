// Function-block elements on the demo block library: type rules, instances
// made and chosen when placing, damaged or missing blocks.
#include "ElementTestFixture.h"

#include "elements/ElementTitles.h"
#include "elements/clsFBElement.h"
#include "outside/operands/FunctionBlockInstances.h"
#include "outside/operands/OperandType.h"
#include "outside/operands/ParamsBlock.h"

#include <gtest/gtest.h>

#include <random>

namespace ldr::test {
namespace {

constexpr std::int32_t kConfigure = 100201, kCount = 100202, kReset = 100203;

class FBElement : public ElementTestFixture {
protected:
  void SetUp() override {
    ElementTestFixture::SetUp();
    FunctionBlockLibrary::InstallDemoLibrary(Db());
  }

  // A method placed and stored at (x, 4), its dummy operands made.
  std::shared_ptr<clsFBElement> Place(std::int32_t type, std::int32_t x) {
    auto element = Make<clsFBElement>(type, x, 4);
    EXPECT_TRUE(element->InitOperandsData(true));
    element->AddToDB(NetID());
    return element;
  }
  // Places the configuration method, answering its setting and operands.
  std::shared_ptr<clsFBElement> PlaceConfiguration(std::int32_t x) {
    auto element = Place(kConfigure, x);
    mHost.Answers->QueueDialog("5");
    mHost.Answers->QueueOperand({eOT_MI, 1, 0, 0});
    mHost.Answers->QueueOperand({eOT_MI, 2, 0, 0});
    EXPECT_TRUE(element->InitOperandsData(false));
    return element;
  }
  std::shared_ptr<ElementBase> Reload(std::int32_t id) {
    auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(id));
    auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
    auto element = std::dynamic_pointer_cast<ElementBase>(CreateNewElement(mCtx, row.Field("ElmntType").AsLong()));
    element->Load(row, operands);
    return element;
  }
};

TEST_F(FBElement, TheTypeNamesFatherMethodAndConfiguration) {
  const auto info = mHost.Services->Operands->FunctionBlocks().Describe(kConfigure);
  EXPECT_EQ(info.FatherID, 100200);
  EXPECT_TRUE(info.IsConfiguration());
  EXPECT_FALSE(mHost.Services->Operands->FunctionBlocks().Describe(kCount).IsConfiguration());
  EXPECT_EQ(info.Shape.Inputs, 1);
  EXPECT_EQ(info.Shape.ValueCount, 1);
  auto element = Make<clsFBElement>(kConfigure, 10, 4);
  EXPECT_EQ(GetElementTitle(mDb.get(), kConfigure), "Demo Counter Configure");
  EXPECT_EQ(element->Outlet().X - element->Inlet().X, 19);
  EXPECT_EQ(mHost.Services->Operands->FunctionBlocks().MethodIDs(), (std::vector<long>{kConfigure, kCount, kReset}));
}

TEST_F(FBElement, EachPlacedConfigurationMakesTheNextInstance) {
  auto first = PlaceConfiguration(10);
  auto second = PlaceConfiguration(30);
  EXPECT_EQ(first->MoreParamsLng(), 1);
  EXPECT_EQ(second->MoreParamsLng(), 2);
  EXPECT_EQ(Longs("SELECT MoreParamsLng FROM LdrElements WHERE ElmntType=100201 ORDER BY ElmntID"),
            (std::vector<long>{1, 2}));
  EXPECT_EQ(Longs("SELECT InstanceNumber FROM FB_Instance_Details WHERE FatherID=100200 ORDER BY InstanceNumber"),
            (std::vector<long>{1, 2}));
  EXPECT_EQ(Longs("SELECT InstanceID FROM FB_Instance_Details ORDER BY InstanceNumber"), (std::vector<long>{1, 2}));
  EXPECT_EQ(first->ToolTipText(), "Demo Counter - Configure - Instance 1 (Counter1)");
  // The setting and the instance survive a reload.
  auto loaded = Reload(second->ObjectID());
  EXPECT_EQ(loaded->MoreParamsLng(), 2);
  EXPECT_EQ(ParamsBlock::Parse(loaded->MoreParamsBytesArray()).Values, (std::vector<std::int32_t>{5}));
  EXPECT_EQ(loaded->InputOperands()->Find(1L)->Address(), 1);
}

TEST_F(FBElement, OperandsTheBlockHoldsLoadAsNoPinAndAreStoredAgain) {
  auto config = PlaceConfiguration(10);
  config->Block().AddFindOnlyOperand({eOT_MI, 40, 0});
  config->UpdateDB();
  config->AddOperandsToDB();
  const std::string held = "SELECT COUNT(*) FROM LdrElmsOprs WHERE OprndInIdx=230 AND OprndOutIdx=230 AND "
                           "Elmnt_Oprnd_Adrs=40 AND ElmntID=" +
                           std::to_string(config->ObjectID());
  ASSERT_EQ(Scalar(held), 1);
  auto loaded = std::dynamic_pointer_cast<clsFBElement>(Reload(config->ObjectID()));
  EXPECT_EQ(loaded->InputOperands()->Count(), 1u);
  EXPECT_EQ(loaded->InputOperands()->Find(230L), nullptr);
  ASSERT_EQ(loaded->Block().FindOnlyOperands().size(), 1u);
  loaded->AddOperandsToDB();
  EXPECT_EQ(Scalar(held), 1) << "the block brings its operand back, once";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(config->ObjectID())), 3);
}

TEST_F(FBElement, AMethodChoosesAnExistingInstance) {
  auto config = PlaceConfiguration(10);
  PlaceConfiguration(30);
  auto count = Place(kCount, 50);
  mHost.Answers->QueueDialog("7"); // no such instance: asked again
  mHost.Answers->QueueDialog("2");
  mHost.Answers->QueueOperand({eOT_MI, 3, 0, 0});
  mHost.Answers->QueueOperand({eOT_MB, 4, 0, 0});
  ASSERT_TRUE(count->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("has no instance 7"));
  EXPECT_EQ(Scalar("SELECT MoreParamsLng FROM LdrElements WHERE ElmntID=" + std::to_string(count->ObjectID())), 2);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM FB_Instance_Details"), 2) << "a method makes no instance";
}

TEST_F(FBElement, WithoutAnyInstanceAMethodCannotBePlaced) {
  auto count = Place(kCount, 50);
  EXPECT_FALSE(count->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("place its configuration method first"));
}

TEST_F(FBElement, ResetOnTheBusBarIsReportedAndCancelKeepsNothing) {
  PlaceConfiguration(10);
  auto reset = Place(kReset, 0);
  mHost.Answers->QueueDialog("1");
  EXPECT_TRUE(reset->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("msgbox \"FB Method Not Allowed On BUSBAR\""));
  auto cancelled = Place(kConfigure, 40);
  mHost.Answers->QueueDialogCancel();
  EXPECT_FALSE(cancelled->InitOperandsData(false));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM FB_Instance_Details"), 1);
  cancelled->SetYe(3);
  EXPECT_TRUE(mLog->Contains("msgbox \"read only\""));
  EXPECT_EQ(cancelled->Inlet().Y, 4);
}

TEST_F(FBElement, NoFreeInstanceIDRefusesANewInstance) {
  for (long id = 1; id <= FunctionBlockInstances::kMaxInstanceID; ++id)
    Db().Execute("INSERT INTO FB_Instance_Details (InstanceID, FatherID, InstanceNumber) VALUES (?, 900, ?)", {id, id});
  auto config = Place(kConfigure, 10);
  EXPECT_FALSE(config->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("msgbox \"No Free Instance ID\""));
}

TEST_F(FBElement, AMissingFatherDrawsAMissingBoxAndKeepsItsRow) {
  const db::Blob stored{1, 2, 3};
  const long id = Db().AddRow("LdrElements", {{"StripID", NetID()},
                                              {"ElmntType", 555502L},
                                              {"Xs", 3},
                                              {"Ys", 4},
                                              {"MoreParamsLng", 32000L},
                                              {"MoreParamsBin", stored}});
  auto element = std::dynamic_pointer_cast<clsFBElement>(Reload(static_cast<std::int32_t>(id)));
  ASSERT_TRUE(element);
  EXPECT_TRUE(element->IsBlockMissing());
  EXPECT_EQ(element->ToolTipText(), "Missing block 555500 - method 555502 - No instance");
  EXPECT_FALSE(element->InitOperandsData(false));
  element->UpdateDB();
  EXPECT_EQ(Db().QueryValue("SELECT MoreParamsBin FROM LdrElements WHERE ElmntID=" + std::to_string(id)).AsBlob(),
            stored);
  EXPECT_EQ(Scalar("SELECT MoreParamsLng FROM LdrElements WHERE ElmntID=" + std::to_string(id)), 32000);
}

TEST_F(FBElement, DamagedParameterBlocksAreReportedAndKeptAsTheyAre) {
  auto config = PlaceConfiguration(10);
  db::Blob good = config->MoreParamsBytesArray();
  std::mt19937 random(14);
  std::vector<db::Blob> damaged = {db::Blob(good.begin(), good.begin() + 7), {'L', 'P', 'R', 'M', 9, 0}};
  for (int i = 0; i < 200; ++i) {
    db::Blob bytes(random() % 64);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    damaged.push_back(bytes);
  }
  for (std::size_t i = 0; i < good.size(); ++i) {
    db::Blob flipped = good;
    flipped[i] ^= 0xFF;
    damaged.push_back(flipped);
  }
  const std::string row = " FROM LdrElements WHERE ElmntID=" + std::to_string(config->ObjectID());
  for (const auto& bytes : damaged) {
    Db().Execute("UPDATE LdrElements SET MoreParamsBin=?" + row.substr(row.find(" WHERE")), {bytes});
    auto loaded = Reload(config->ObjectID());
    EXPECT_EQ(loaded->MoreParamsLng(), 1);
    loaded->UpdateDB();
    bool readable = true;
    try {
      ParamsBlock::Parse(bytes);
    } catch (const std::invalid_argument&) {
      readable = false;
    }
    // What cannot be read goes back unchanged; what can is written whole.
    const auto written = Db().QueryValue("SELECT MoreParamsBin" + row).AsBlob();
    if (!readable) {
      EXPECT_EQ(written, bytes);
    } else {
      EXPECT_NO_THROW(ParamsBlock::Parse(written));
    }
  }
  EXPECT_FALSE(Errors().empty());
}

} // namespace
} // namespace ldr::test
