// Contacts, coils and the numeric reset: operand slot and accepted types,
// on-line evaluation, kind conversion, context menu and operand hits.
#include "ElementTestFixture.h"

#include "elements/clsSimpleElement.h"
#include "interfaces/itfProcessControl.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "outside/operands/VirtualController.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class SimpleElement : public ElementTestFixture {
protected:
  std::shared_ptr<clsSimpleElement> Placed(std::int32_t type, OperandEntry operand) {
    auto element = Make<clsSimpleElement>(type, 4, 3);
    element->AddToDB(NetID());
    mHost.Answers->QueueOperand(operand);
    EXPECT_TRUE(element->InitOperandsData(false));
    return element;
  }
  // The element's operand bit on line.
  void Monitor(clsSimpleElement& element, std::int64_t value) {
    auto controller = std::make_shared<VirtualController>();
    const auto slots = element.InputOperands()->Count() ? element.InputOperands() : element.OutputOperands();
    controller->SetValue(slots->At(0)->Key(), value);
    element.AppendTestValue(controller);
    EXPECT_TRUE(controller->IsMonitored(slots->At(0)->Key()));
  }
  static std::vector<AcceptedType> Pairs(std::initializer_list<std::pair<long, long>> pairs) {
    std::vector<AcceptedType> types;
    for (auto [group, type] : pairs) types.push_back({group, type});
    return types;
  }
};

TEST_F(SimpleElement, KindsSymbolsAndSlots) {
  for (int type = 200; type <= 213; ++type) {
    auto element = Make<clsSimpleElement>(type, 0, 3);
    ASSERT_TRUE(element->InitOperandsData(true)) << type;
    const bool contact = (type >= 200 && type <= 203) || (type >= 208 && type <= 211);
    EXPECT_EQ(element->InputOperands()->Count(), contact ? 1u : 0u) << type;
    EXPECT_EQ(element->OutputOperands()->Count(), contact ? 0u : 1u) << type;
    const auto slots = contact ? element->InputOperands() : element->OutputOperands();
    EXPECT_EQ(slots->KeyAt(0), "1");
    EXPECT_TRUE(slots->At(0)->IsNewSlot());
    EXPECT_EQ(slots->At(0)->Display(), (OperandDisplay{2, 50, 0, -3}));
    EXPECT_EQ(clsSimpleElement::Symbol(type).size(), 3u);
    EXPECT_EQ(element->Height(), 1);
    EXPECT_EQ(element->Outlet(), (tyLdrPoint{6, 3}));
    EXPECT_FALSE(element->IsLineElement());
    EXPECT_FALSE(element->IsEnableInEnableOut());
  }
  EXPECT_EQ(clsSimpleElement::Symbol(201), "|/|");
  EXPECT_EQ(clsSimpleElement::Symbol(210), "[P]");
  EXPECT_EQ(clsSimpleElement::Symbol(212), "(X)");
  EXPECT_EQ(clsSimpleElement::Symbol(213), "[R]");
}

TEST_F(SimpleElement, AcceptedOperandTypes) {
  EXPECT_EQ(clsSimpleElement::ContactInputTypes(false),
            Pairs({{1, 9}, {1, 10}, {1, 11}, {1, 1}, {1, 2}, {3, 27}, {3, 26}, {1, 12}}));
  EXPECT_EQ(clsSimpleElement::ContactInputTypes(true).back(), (AcceptedType{1, 64}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(204, false), Pairs({{1, 10}, {1, 1}, {1, 2}, {1, 11}}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(205, false), Pairs({{1, 10}, {1, 1}, {1, 2}}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(207, true), Pairs({{1, 10}, {1, 1}, {1, 64}, {1, 2}, {1, 11}, {1, 12}}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(212, false), Pairs({{1, 10}, {1, 1}}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(213, false), Pairs({{1, 3}, {1, 5}, {1, 16}, {1, 4}, {1, 6}, {1, 36}}));
  EXPECT_EQ(clsSimpleElement::OutputTypes(213, true),
            Pairs({{1, 3}, {1, 5}, {1, 16}, {1, 65}, {1, 66}, {1, 67}, {1, 4}, {1, 6}, {1, 36}}));

  auto coil = Make<clsSimpleElement>(eET_SetCoil, 0, 3);
  coil->InitOperandsData(true);
  EXPECT_EQ(coil->OutputOperands()->At(0)->AcceptedTypes(), clsSimpleElement::OutputTypes(206, false));
}

TEST_F(SimpleElement, ExtendedOperandsFollowTheHostFlag) {
  mHost.Globals->SetExtendedOperandsEnabled(true);
  auto contact = Make<clsSimpleElement>(eET_DirectContact, 0, 3);
  contact->InitOperandsData(true);
  EXPECT_EQ(contact->InputOperands()->At(0)->AcceptedTypes(), clsSimpleElement::ContactInputTypes(true));
}

TEST_F(SimpleElement, DropAsksForTheOperandAndStoresIt) {
  auto contact = Placed(eET_InvertedContact, {eOT_I, 3, 0, 0});
  const std::string id = std::to_string(contact->ObjectID());
  EXPECT_EQ(Longs("SELECT OprndInIdx FROM LdrElmsOprs WHERE ElmntID=" + id), std::vector<long>{1});
  EXPECT_EQ(Longs("SELECT OprndOutIdx FROM LdrElmsOprs WHERE ElmntID=" + id), std::vector<long>{0});
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Type FROM LdrElmsOprs WHERE ElmntID=" + id), std::vector<long>{eOT_I});
  EXPECT_EQ(Longs("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + id), std::vector<long>{3});
}

TEST_F(SimpleElement, CancelledOperandRejectsTheDrop) {
  auto coil = Make<clsSimpleElement>(eET_DirectCoil, 4, 3);
  coil->AddToDB(NetID());
  mHost.Answers->QueueOperandCancel();
  EXPECT_FALSE(coil->InitOperandsData(false));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(coil->ObjectID())), 0);
}

TEST_F(SimpleElement, OnLineEvaluation) {
  auto direct = Placed(eET_DirectContact, {eOT_MB, 1, 0, 0});
  Monitor(*direct, 1);
  EXPECT_TRUE(direct->IsConducting());
  Monitor(*direct, 0);
  EXPECT_FALSE(direct->IsConducting());

  auto inverted = Placed(eET_InvertedContact, {eOT_MB, 2, 0, 0});
  Monitor(*inverted, 1);
  EXPECT_FALSE(inverted->IsConducting());

  auto softKey = Placed(eET_InvertedSoftKey, {eOT_MB, 3, 0, 0});
  Monitor(*softKey, 0);
  EXPECT_TRUE(softKey->IsConducting());

  auto rise = Placed(eET_RiseContact, {eOT_MB, 4, 0, 0});
  Monitor(*rise, 7); // any value but 0 is a set bit
  EXPECT_TRUE(rise->IsConducting());

  auto coil = Placed(eET_InvertedCoil, {eOT_O, 4, 0, 0});
  Monitor(*coil, 0);
  EXPECT_TRUE(coil->IsConducting());
}

TEST_F(SimpleElement, WithoutOperandConductionIsLeftAsItWas) {
  auto contact = Make<clsSimpleElement>(eET_DirectContact, 0, 3);
  contact->SetIsConducting(true);
  contact->AppendTestValue(std::make_shared<VirtualController>());
  EXPECT_TRUE(contact->IsConducting());
}

TEST_F(SimpleElement, ResetCoilToolWidensTheOutputTypesAndStoresTheType) {
  auto coil = Placed(eET_DirectCoil, {eOT_O, 1, 0, 0});
  coil->SpecialToolRequest("ID_RESETCoil");
  EXPECT_EQ(coil->ClassType(), eET_ResetCoil);
  EXPECT_TRUE(coil->CompileDirtyBit());
  EXPECT_EQ(Scalar("SELECT ElmntType FROM LdrElements WHERE ElmntID=" + std::to_string(coil->ObjectID())), 207);
  const auto& types = coil->OutputOperands()->At(0)->AcceptedTypes();
  EXPECT_NE(std::find(types.begin(), types.end(), AcceptedType{1, 11}), types.end());
  EXPECT_NE(std::find(types.begin(), types.end(), AcceptedType{1, 12}), types.end());
  coil->SpecialToolRequest("ID_ToggleCoil");
  EXPECT_EQ(coil->OutputOperands()->At(0)->AcceptedTypes(), clsSimpleElement::OutputTypes(212, false));
}

TEST_F(SimpleElement, ConversionStaysInsideTheKind) {
  auto contact = Placed(eET_DirectContact, {eOT_I, 1, 0, 0});
  contact->SpecialToolRequest("ID_FallContact");
  EXPECT_EQ(contact->ClassType(), eET_FallContact);
  contact->SpecialToolRequest("ID_DirectCoil"); // would strand the input operand
  EXPECT_EQ(contact->ClassType(), eET_FallContact);
  contact->SpecialToolRequest("ID_Unknown");
  EXPECT_EQ(contact->ClassType(), eET_FallContact);
  EXPECT_EQ(Scalar("SELECT ElmntType FROM LdrElements WHERE ElmntID=" + std::to_string(contact->ObjectID())), 203);
  EXPECT_EQ(clsSimpleElement::TypeForTool("ID_SETCoil"), eET_SetCoil);
  EXPECT_EQ(clsSimpleElement::TypeForTool("ID_RESETCoil"), eET_ResetCoil);
}

TEST_F(SimpleElement, CoilMenuLeavesOutToolsTheOperandForbids) {
  auto coil = Placed(eET_ResetCoil, {eOT_C, 2, 0, 0});
  HitRecord hit;
  hit.X = 5;
  hit.Y = 3;
  coil->HitTestByPoint(hit);
  ASSERT_EQ(hit.HitKind, 1);
  coil->RightMouseUp();
  ASSERT_EQ(mHost.Gui->MenusShown().size(), 1u);
  EXPECT_EQ(mHost.Gui->LastDisabledTools(),
            (std::vector<std::string>{"ID_DirectCoil", "ID_InvertedCoil", "ID_SETCoil", "ID_ToggleCoil"}));
  EXPECT_EQ(clsSimpleElement::CoilToolsNotAllowed(eOT_SB), std::vector<std::string>{"ID_ToggleCoil"});
  EXPECT_EQ(clsSimpleElement::CoilToolsNotAllowed(eOT_T),
            (std::vector<std::string>{"ID_SETCoil", "ID_InvertedCoil", "ID_ToggleCoil"}));
  EXPECT_TRUE(clsSimpleElement::CoilToolsNotAllowed(eOT_O).empty());

  auto contact = Placed(eET_DirectContact, {eOT_T, 2, 0, 0});
  contact->HitTestByPoint(hit);
  contact->RightMouseUp();
  EXPECT_TRUE(mHost.Gui->LastDisabledTools().empty());
}

TEST_F(SimpleElement, OperandRowsAboveTheRungHitTheOperand) {
  auto contact = Placed(eET_DirectContact, {eOT_MB, 9, 0, 0});
  HitRecord hit;
  hit.X = 6;
  hit.Y = 2; // one row above the rung at row 3
  hit.Button = 1;
  contact->HitTestByPoint(hit);
  EXPECT_EQ(hit.HitKind, 2);
  EXPECT_EQ(hit.X, 6);
  EXPECT_EQ(hit.Y, 2);
  ASSERT_NE(contact->ActiveOperand(), nullptr);
  EXPECT_EQ(contact->ActiveOperand()->Address(), 9);
  hit = {};
  hit.X = 6;
  hit.Y = -1; // four rows above: nothing
  contact->HitTestByPoint(hit);
  EXPECT_EQ(hit.HitKind, 0);
}

TEST_F(SimpleElement, OperandHitOnLineAsksTheHostForTheLiveValue) {
  auto contact = Placed(eET_DirectContact, {eOT_MB, 9, 0, 0});
  mCtx.State->SetOnLineActive(true);
  HitRecord hit;
  hit.X = 6;
  hit.Y = 1;
  hit.Button = 1;
  contact->HitTestByPoint(hit);
  ASSERT_EQ(hit.HitKind, 2);
  struct : itfProcessControl {
    long HorizontalOffset() override { return 0; }
    void SetDoAgain(bool) override {}
    void SetKillProcess(enMouseProcess) override {}
    void SetNewProcess(enMouseProcess) override { ADD_FAILURE() << "no process on line"; }
    void SetWorkMode(long) override {}
    void Relocate() override {}
    void ReLoad() override {}
  } control;
  contact->QueryProcess(control);
  ASSERT_EQ(mHost.Gui->OnlineRequests().size(), 1u);
  const auto& request = mHost.Gui->OnlineRequests()[0];
  EXPECT_EQ(request.OperandType, eOT_MB);
  EXPECT_EQ(request.Address, 9);
  EXPECT_EQ(request.NetworkID, 0);
  EXPECT_EQ(request.ElementType, eET_DirectContact);
}

TEST_F(SimpleElement, RefreshAndUpdateOperandData) {
  auto contact = Placed(eET_DirectContact, {eOT_MB, 9, 0, 0});
  // Placing the contact registered its operand in the operand list.
  Db().Execute("UPDATE LdrOperands SET OprndDescription=? WHERE OprndType=1 AND OprndAddress=9 AND NetworkID=0",
               {"Pump on"});
  ASSERT_EQ(Db().Changes(), 1);
  contact->RefreshOperand(eOT_MB, 8, 0);
  EXPECT_EQ(contact->InputOperands()->At(0)->Description(), "");
  contact->RefreshOperand(eOT_MB, 9, 0);
  EXPECT_EQ(contact->InputOperands()->At(0)->Description(), "Pump on");
  Db().Execute("UPDATE LdrOperands SET OprndDescription=? WHERE OprndAddress=9", {"Pump running"});
  contact->QueryForUpdateOfOperandData();
  EXPECT_EQ(contact->InputOperands()->At(0)->Description(), "Pump running");
}

} // namespace
} // namespace ldr::test
