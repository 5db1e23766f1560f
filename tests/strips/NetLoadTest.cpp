// Loading a net: its row, its elements and their operands through the
// command provider and the factory, and the return strip that lost its
// return element.
#include "NetTestFixture.h"

#include "outside/operands/Operand.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class NetLoad : public NetTestFixture {};

TEST_F(NetLoad, DefaultNetTakesItsRowAndGeometry) {
  const long id = NetID(3);
  auto net = LoadNet(id, 7);
  EXPECT_EQ(net->StripID(), id);
  EXPECT_EQ(net->SeqNum(), 3);
  EXPECT_EQ(net->ShowNum(), 3);
  EXPECT_EQ(net->Height(), 14);
  EXPECT_FALSE(net->IsReturnStrip());
  EXPECT_TRUE(net->CompileDirtyBit()); // new nets start dirty
  EXPECT_EQ(net->IsCompilable(), -1);
  EXPECT_EQ(net->GetAllElements()->Count(), 0u);
  EXPECT_EQ(net->MinHeight(), 5);
  EXPECT_EQ(net->MaxHeight(), 40);
  net->SetLeft(1);
  EXPECT_EQ(net->EditZoneLeft(), 3);
  EXPECT_EQ(net->GetBoundingRect(), (Rect{1, 7, 55, 21}));
  EXPECT_EQ(net->GetEditBoundingRect(), (Rect{3, 7, 55, 21}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NetLoad, DefaultReturnStripHoldsItsReturnElement) {
  auto net = LoadNet(ReturnStripID());
  EXPECT_TRUE(net->IsReturnStrip());
  ASSERT_EQ(net->GetAllElements()->Count(), 1u);
  auto element = net->GetAllElements()->At(0);
  EXPECT_EQ(element->ClassType(), eET_FunctionReturn);
  EXPECT_EQ(element->Inlet(), (tyLdrPoint{0, 5}));
  ASSERT_EQ(element->OutputOperands()->Count(), 1u);
  EXPECT_EQ(element->OutputOperands()->At(0)->OprndType(), 29);
  EXPECT_TRUE(net->IsContainNonDeletableElements());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NetLoad, OperandsFindTheirElementsWhateverTheRowOrder) {
  const long net = NetID();
  const long contact = AddElementRow(net, 200, 0, 4);
  const long line = AddElementRow(net, 100, 6, 4, 10, 0);
  const long coil = AddElementRow(net, 204, 40, 4);
  const long second = AddElementRow(net, 201, 0, 9);
  // Operand rows written out of element order, with other rows between.
  AddOperandRow(second, 1, 0, 1, 77);
  AddOperandRow(coil, 0, 1, 10, 5);
  AddContact(NetID(2), 0, 4, 99); // a row of another net in between
  AddOperandRow(contact, 1, 0, 9, 3);

  auto loaded = LoadNet(net);
  const auto elements = loaded->GetAllElements();
  ASSERT_EQ(elements->Count(), 4u);
  EXPECT_EQ(elements->KeyAt(0), std::to_string(contact));
  EXPECT_EQ(elements->KeyAt(1), std::to_string(line));
  EXPECT_EQ(elements->KeyAt(2), std::to_string(coil));
  EXPECT_EQ(elements->KeyAt(3), std::to_string(second));
  EXPECT_EQ(elements->At(0)->InputOperands()->At(0)->Address(), 3);
  EXPECT_EQ(elements->At(0)->InputOperands()->At(0)->OprndType(), 9);
  EXPECT_EQ(elements->At(2)->OutputOperands()->At(0)->Address(), 5);
  EXPECT_EQ(elements->At(3)->InputOperands()->At(0)->Address(), 77);
  EXPECT_EQ(elements->At(3)->Inlet(), (tyLdrPoint{0, 9}));
  EXPECT_TRUE(elements->At(1)->IsLineElement());
  EXPECT_EQ(elements->At(1)->Outlet(), (tyLdrPoint{16, 4}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NetLoad, RowOfATypeWithoutClassIsSkippedAndReported) {
  const long net = NetID();
  AddContact(net, 0, 4, 1);
  AddElementRow(net, 2000, 10, 4);
  const long last = AddContact(net, 20, 4, 2);
  auto loaded = LoadNet(net);
  ASSERT_EQ(loaded->GetAllElements()->Count(), 2u);
  EXPECT_TRUE(loaded->GetAllElements()->Exists(last));
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 0);
  EXPECT_EQ(Errors()[0].Description, "Unhandled Element Type: 2000");
}

TEST_F(NetLoad, NullColumnsLoadAsEmptyValues) {
  const long net = NetID();
  Db().Execute("UPDATE LdrStrips SET StrpNote=NULL, IsCompilable=NULL, IsCollapsed=NULL, OrgHeight=NULL, "
               "ShowPowerFlow=NULL, JunctionsInfo=NULL WHERE StripID=" +
               std::to_string(net));
  auto loaded = LoadNet(net);
  EXPECT_EQ(loaded->StripNote(), "");
  EXPECT_EQ(loaded->IsCompilable(), 0);
  EXPECT_FALSE(loaded->IsCollapsed());
  EXPECT_EQ(loaded->OrgHeight(), 0);
  EXPECT_FALSE(loaded->ShowPowerFlow());
  EXPECT_TRUE(loaded->JunctionsInfo().empty());
}

TEST_F(NetLoad, StoredValuesAndTheEditorsWorkModeAreTaken) {
  const long net = NetID();
  Db().Execute("UPDATE LdrStrips SET StrpNote='note', IsCompilable=2, IsCollapsed=-1, OrgHeight=9, Height=1, "
               "ShowPowerFlow=-1, IsSelected=-1, JunctionsInfo=x'0000030405' WHERE StripID=" +
               std::to_string(net));
  mCtx.State->SetWorkMode(1);
  auto loaded = LoadNet(net);
  EXPECT_EQ(loaded->StripNote(), "note");
  EXPECT_EQ(loaded->IsCompilable(), 2);
  EXPECT_TRUE(loaded->IsCollapsed());
  EXPECT_EQ(loaded->OrgHeight(), 9);
  EXPECT_EQ(loaded->Height(), 1);
  EXPECT_TRUE(loaded->ShowPowerFlow());
  EXPECT_TRUE(loaded->IsSelected());
  EXPECT_EQ(loaded->JunctionsInfo(), (std::vector<std::uint8_t>{0, 0, 3, 4, 5}));
  EXPECT_EQ(loaded->WorkMode(), 1);
}

TEST_F(NetLoad, StoredHeightsOutsideANetsLimitsAreBroughtInside) {
  const long net = NetID();
  const std::string where = " WHERE StripID=" + std::to_string(net);
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=100000000, Height=1" + where);
  EXPECT_EQ(LoadNet(net)->OrgHeight(), 40);
  EXPECT_EQ(LoadNet(net)->Height(), 1);
  Db().Execute("UPDATE LdrStrips SET OrgHeight=-7" + where);
  EXPECT_EQ(LoadNet(net)->OrgHeight(), 1);
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=0, OrgHeight=0, Height=100000000" + where);
  EXPECT_EQ(LoadNet(net)->Height(), 40);
  Db().Execute("UPDATE LdrStrips SET Height=0" + where);
  EXPECT_EQ(LoadNet(net)->Height(), 1);
  Db().Execute("UPDATE LdrStrips SET Height=4" + where); // what fitting a net may leave
  EXPECT_EQ(LoadNet(net)->Height(), 4);
  // Loading changes nothing stored.
  Db().Execute("UPDATE LdrStrips SET Height=-3" + where);
  EXPECT_EQ(LoadNet(net)->Height(), 1);
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips" + where), -3);
}

TEST_F(NetLoad, ReturnStripWithoutElementsGetsItsReturnElementOnce) {
  const long strip = ReturnStripID();
  Db().Execute("DELETE FROM LdrElements WHERE StripID=" + std::to_string(strip));

  auto net = LoadNet(strip);
  ASSERT_EQ(Errors().size(), 1u);
  const ErrorReport& report = Errors()[0];
  EXPECT_EQ(report.Code(), 274);
  EXPECT_EQ(report.Title, "ReturnElementNotExist");
  EXPECT_EQ(report.Description, "Return element not exits in the return net");
  EXPECT_EQ(report.ClassName, "clsLdrNet");
  EXPECT_EQ(report.Procedure, "itfStrip_Load");

  ASSERT_EQ(net->GetAllElements()->Count(), 1u);
  auto element = net->GetAllElements()->At(0);
  EXPECT_EQ(element->ClassType(), eET_FunctionReturn);
  EXPECT_EQ(element->Inlet(), (tyLdrPoint{0, 5}));
  const std::string where = " WHERE StripID=" + std::to_string(strip);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements" + where), 1);
  EXPECT_EQ(Scalar("SELECT Xs FROM LdrElements" + where), 0);
  EXPECT_EQ(Scalar("SELECT Ys FROM LdrElements" + where), 5);
  // Its fixed operand slot is stored with it.
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(element->ObjectID()) +
                   " AND OprndOutIdx=1 AND Elmnt_Oprnd_Type=29"),
            1);

  LoadNet(strip);
  EXPECT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements" + where), 1);
}

TEST_F(NetLoad, ReloadAndCompilerCollectionReadTheStoredElements) {
  const long net = NetID();
  auto loaded = LoadNet(net);
  const long id = AddContact(net, 0, 4, 1);
  EXPECT_EQ(loaded->GetAllElements()->Count(), 0u);
  const auto kept = loaded->GetAllElements();
  loaded->ReloadAllElements();
  EXPECT_EQ(kept->Count(), 1u); // the same collection, refilled
  EXPECT_TRUE(kept->Exists(id));

  clsLdrNet unattached(mCtx);
  const auto forCompiler = unattached.GetElementsCollectionForCompiler(static_cast<std::int32_t>(net));
  ASSERT_EQ(forCompiler->Count(), 1u);
  EXPECT_EQ(forCompiler->At(0)->ObjectID(), id);
}

} // namespace
} // namespace ldr::test
