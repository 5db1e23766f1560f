#include "core/LdrError.h"
#include "outside/operands/ParamsBlock.h"
#include "tools/OperandText.h"
#include "tools/ToolsFixture.h"
#include "tools/srvLdrCrossRef.h"

namespace ldr::test {
namespace {

constexpr long kMB = 1, kMI = 3, kO = 10, kI = 9;
constexpr long kContact = 200, kCoil = 204, kComInit = 1400;

// Module 1 "Main": subroutine 2 with nets 1 and 2; module "Pumps" with one
// subroutine. MB 5 is read by two contacts and written by a coil.
class CrossRefTest : public ToolsFixture {
protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    mNet1 = Longs("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND ShowNum=1")[0];
    mNet2 = Longs("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND ShowNum=2")[0];
    mPumps = AddModule("Pumps");
    mPumpFunc = AddFunction(mPumps, "Fill");
    mPumpNet = AddStrip(mPumpFunc, 1, 1, 5, 1);
    mCoil = AddElement(mNet2, kCoil, 40);
    AddSlot(mCoil, 0, 1, kMB, 5);
    mContact = AddElement(mNet1, kContact);
    AddSlot(mContact, 1, 0, kMB, 5);
    mPumpContact = AddElement(mPumpNet, kContact);
    AddSlot(mPumpContact, 1, 0, kMB, 5);
    const long other = AddElement(mNet1, kContact, 8);
    AddSlot(other, 1, 0, kMB, 6);
    Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  }
  std::vector<long> ElementsOf(const std::vector<tyLadderCrossRef>& places) {
    std::vector<long> ids;
    for (const auto& place : places) ids.push_back(place.ElementID);
    return ids;
  }

  long mNet1 = 0, mNet2 = 0, mPumps = 0, mPumpFunc = 0, mPumpNet = 0;
  long mCoil = 0, mContact = 0, mPumpContact = 0;
};

TEST_F(CrossRefTest, OperandSearchFillsEveryFieldInBothOrders) {
  srvLdrCrossRef xref(Host());
  bool none = true;
  auto places = xref.GetLadderCrossReference(0, kMB, 5, none);
  EXPECT_FALSE(none);
  EXPECT_EQ(ElementsOf(places), (std::vector<long>{mContact, mCoil, mPumpContact})) << "module, subroutine, net";
  const auto& coil = places[1];
  EXPECT_EQ(coil.ModuleID, 1);
  EXPECT_EQ(coil.FunctionID, 2);
  EXPECT_EQ(coil.StripID, mNet2);
  EXPECT_EQ(coil.OprInIndex, 0);
  EXPECT_EQ(coil.OprOutIndex, 1);
  EXPECT_EQ(coil.Descriptions[2], "Net: 2");
  EXPECT_EQ(coil.Descriptions[3].rfind("Element: ", 0), 0u);
  EXPECT_GT(coil.Descriptions[3].size(), std::string("Element: ").size()) << "the catalogue title";
  EXPECT_EQ(places[2].Descriptions[0], "Pumps");
  EXPECT_EQ(places[2].Descriptions[1], "Fill");
  EXPECT_TRUE(places[2].Descriptions[4].empty());

  xref.SetSortByElement(true);
  places = xref.GetLadderCrossReference(0, kMB, 5, none);
  EXPECT_EQ(ElementsOf(places), (std::vector<long>{mContact, mPumpContact, mCoil})) << "contacts before coils";

  places = xref.GetLadderCrossReference(1, kMB, 5, none);
  EXPECT_TRUE(none) << "another network is another operand";
  EXPECT_TRUE(places.empty());
  EXPECT_THROW(xref.GetLadderCrossReference(0, 77, 5, none), LdrError) << "no operand type 77";
}

TEST_F(CrossRefTest, OneElementUsingTheOperandTwiceGivesTwoPlaces) {
  const long compare = AddElement(mNet2, 302, 10);
  AddSlot(compare, 1, 0, kMI, 7);
  AddSlot(compare, 2, 0, kMI, 7);
  bool none = true;
  const auto places = srvLdrCrossRef(Host()).GetLadderCrossReference(0, kMI, 7, none);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].ElementID, places[1].ElementID);
  EXPECT_NE(places[0].OprInIndex, places[1].OprInIndex);
}

TEST_F(CrossRefTest, ElementBlockNetAndConstantSearches) {
  srvLdrCrossRef xref(Host());
  bool none = true;
  EXPECT_EQ(xref.GetLadderElementCrossRef(kContact, none).size(), 3u);
  EXPECT_TRUE(xref.GetLadderDisabledNetsCrossRef(none).empty());
  EXPECT_TRUE(none);
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=?", {mPumpNet});
  auto nets = xref.GetLadderDisabledNetsCrossRef(none);
  ASSERT_EQ(nets.size(), 1u);
  EXPECT_EQ(nets[0].StripID, mPumpNet);
  EXPECT_EQ(nets[0].ElementID, 0);
  EXPECT_TRUE(nets[0].Descriptions[3].empty());

  const long block = AddElement(mNet1, 100203, 20);
  Db().Execute("UPDATE LdrElements SET MoreParamsLng=4 WHERE ElmntID=?", {block});
  auto blocks = xref.GetLadderFBFatherCrossRef(100200, none);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_NE(blocks[0].Descriptions[3].find("4"), std::string::npos) << "the instance";

  Db().Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndPowerUp) VALUES (15, 3, 0, 250)");
  const long store = AddElement(mNet2, 900, 10);
  AddSlot(store, 1, 0, 15, 3);
  auto constants = xref.GetLadderConstCrossRef(15, 250, none);
  ASSERT_EQ(constants.size(), 1u);
  EXPECT_EQ(constants[0].ElementID, store);
  EXPECT_TRUE(xref.GetLadderConstCrossRef(15, 251, none).empty());
}

TEST_F(CrossRefTest, ReplacementMarksTheNetsFirstAndCanStayInOneSubroutine) {
  srvLdrCrossRef xref(Host());
  xref.ReplaceLadderOperandEx(0, kMB, 5, 0, kMB, 9, mPumpFunc);
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID IN (" + std::to_string(mContact) + "," +
                  std::to_string(mCoil) + "," + std::to_string(mPumpContact) + ") ORDER BY ElmntID"),
            (std::vector<long>{5, 5, 9}));
  EXPECT_EQ(Scalar("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=" + std::to_string(mPumpNet)), -1);
  EXPECT_EQ(Scalar("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=" + std::to_string(mNet1)), 0);

  xref.ReplaceLadderOperandEx(0, kMB, 5, 0, kO, 12, 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=10 AND Elmnt_Oprnd_Adrs=12"), 2);
  EXPECT_EQ(Longs("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID IN (" + std::to_string(mNet1) + "," +
                  std::to_string(mNet2) + ")"),
            (std::vector<long>{-1, -1}));
}

TEST_F(CrossRefTest, ReplacementIntoAnOperandASlotRefusesChangesNothing) {
  srvLdrCrossRef xref(Host());
  // A coil cannot write an input, and MB has no address 5000.
  EXPECT_THROW(xref.ReplaceLadderOperandEx(0, kMB, 5, 0, kI, 3, 0), LdrError);
  EXPECT_THROW(xref.ReplaceLadderOperandEx(0, kMB, 5, 0, kMB, 5000, 0), LdrError);
  EXPECT_THROW(xref.ReplaceLadderOperandEx(0, kMB, 5, 0, 77, 1, 0), LdrError);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=1 AND Elmnt_Oprnd_Adrs=5"), 3);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE CompileDirtyBit=-1"), 0);
}

TEST_F(CrossRefTest, ReplacementRewritesTheParameterBlocksOfBlobHoldingTypesOnly) {
  ParamsBlock block;
  block.ElementType = kComInit;
  block.InnerOperands = {{{kMB, 5, 0}, 230}};
  const long holder = AddElement(mNet2, kComInit, 20);
  const long stranger = AddElement(mNet2, 1413, 30);
  for (long id : {holder, stranger}) {
    Db().Execute("UPDATE LdrElements SET MoreParamsBin=? WHERE ElmntID=?", {db::DbValue(block.Serialize()), id});
    AddSlot(id, 230, 230, kMB, 5);
  }
  srvLdrCrossRef(Host()).ReplaceLadderOperandEx(0, kMB, 5, 0, kMB, 8, 0);
  auto inner = [&](long id) {
    return ParamsBlock::Parse(Db().QueryValue("SELECT MoreParamsBin FROM LdrElements WHERE ElmntID=?", {id}).AsBlob())
        .InnerOperands[0]
        .Key.Address;
  };
  EXPECT_EQ(inner(holder), 8);
  EXPECT_EQ(inner(stranger), 5) << "1413 keeps no operands in its block";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Adrs=8"), 5);
}

TEST(OperandText, ShortNamesNumbersAndNetworks) {
  const OperandTypeCatalogue types;
  EXPECT_EQ(ParseOperandText("MB12", types), (OperandKey{kMB, 12, 0}));
  EXPECT_EQ(ParseOperandText("mi:7", types), (OperandKey{kMI, 7, 0}));
  EXPECT_EQ(ParseOperandText("3 7@2", types), (OperandKey{kMI, 7, 2}));
  for (const char* bad : {"", "MB", "12", "QQ5", "MB-1", "MB1@", "MB99999999999"})
    EXPECT_FALSE(ParseOperandText(bad, types)) << bad;
}

} // namespace
} // namespace ldr::test
