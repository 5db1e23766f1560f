// The behaviour every element shares, shown on contacts and coils: position
// protocol, storing and loading, write-if-changed, replicas, hit test,
// process choice.
#include "ElementTestFixture.h"

#include "core/ProjectData.h"
#include "elements/clsSimpleElement.h"
#include "interfaces/itfProcessControl.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "platform/database/DbError.h"
#include "platform/database/ForwardRecordset.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class RecordingProcessControl : public itfProcessControl {
public:
  long HorizontalOffset() override { return 0; }
  void SetDoAgain(bool) override {}
  void SetKillProcess(enMouseProcess) override {}
  void SetNewProcess(enMouseProcess process) override { NewProcess = process; }
  void SetWorkMode(long) override {}
  void Relocate() override {}
  void ReLoad() override {}
  long NewProcess = -1;
};

class ElementContract : public ElementTestFixture {
protected:
  // A direct contact on MB 5 at (4, 3), stored in the first net.
  std::shared_ptr<clsSimpleElement> StoredContact() {
    auto contact = Make<clsSimpleElement>(eET_DirectContact, 4, 3);
    contact->AddToDB(NetID());
    mHost.Answers->QueueOperand({eOT_MB, 5, 0, 0});
    EXPECT_TRUE(contact->InitOperandsData(false));
    return contact;
  }
  db::Recordset ElementRow(long id) {
    return Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(id));
  }
  db::Recordset OperandRows() { return Db().Query("SELECT * FROM LdrElmsOprs ORDER BY rowid"); }
  void AddOperandRow(long element, long in, long out, long type, long address) {
    Db().AddRow("LdrElmsOprs", {{"ElmntID", element},
                                {"OprndInIdx", in},
                                {"OprndOutIdx", out},
                                {"Elmnt_Oprnd_Type", type},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", 0}});
  }
  long AddElementRow(long type, long x, long y) {
    return static_cast<long>(Db().AddRow(
        "LdrElements", {{"StripID", NetID()}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}}));
  }
};

// --- position protocol ------------------------------------------------------------

TEST_F(ElementContract, MoveIsAlwaysTheWholeOffsetFromTheStoredPosition) {
  auto contact = Make(eET_DirectContact, 10, 4);
  contact->Move(3, 0);
  contact->Move(3, 0);
  EXPECT_EQ(contact->PositionDescriptor(3), (tyLdrPoint{13, 4}));
  EXPECT_EQ(contact->PositionDescriptor(1), (tyLdrPoint{10, 4}));
  EXPECT_EQ(contact->GetBoundingRect(), (Rect{13, 1, 19, 5}));
  contact->Move(-2, 5);
  EXPECT_EQ(contact->PositionDescriptor(3), (tyLdrPoint{8, 9}));
}

TEST_F(ElementContract, DescriptorsFollowTheMoveProtocol) {
  auto contact = Make(eET_DirectContact, 10, 4);
  contact->Move(2, 1);
  contact->UpdateDisplayWithLastTRX();
  EXPECT_EQ(contact->PositionDescriptor(4), (tyLdrPoint{12, 5}));
  EXPECT_EQ(contact->PositionDescriptor(2), (tyLdrPoint{10, 4}));
  contact->SaveLastLegalPosition();
  contact->Move(7, 7);
  contact->UpdateDisplayWithLastLegal();
  EXPECT_EQ(contact->PositionDescriptor(4), (tyLdrPoint{12, 5}));
  contact->UpdateInitialDescriptor();
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(contact->PositionDescriptor(i), (tyLdrPoint{12, 5})) << i;
  EXPECT_EQ(contact->Inlet(), (tyLdrPoint{12, 5}));
  EXPECT_EQ(contact->Outlet(), (tyLdrPoint{18, 5}));
}

TEST_F(ElementContract, InletSettersTouchTheirDescriptors) {
  auto contact = Make(eET_DirectCoil, 1, 1);
  contact->Move(5, 5);
  contact->SetInletX(20);
  contact->SetInletY(6);
  EXPECT_EQ(contact->PositionDescriptor(1), (tyLdrPoint{20, 6}));
  EXPECT_EQ(contact->PositionDescriptor(3), (tyLdrPoint{6, 6}));
  EXPECT_EQ(contact->PositionDescriptor(4), (tyLdrPoint{1, 1}));
  contact->SetXs(30);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(contact->PositionDescriptor(i).X, 30) << i;
  contact->SetInlet({8, 9});
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(contact->PositionDescriptor(i), (tyLdrPoint{8, 9})) << i;
  contact->SetOutlet({20, 3});
  EXPECT_EQ(contact->Inlet(), (tyLdrPoint{14, 3}));
  contact->SaveInitialPosition();
  EXPECT_EQ(contact->PositionDescriptor(2), (tyLdrPoint{14, 3}));
}

// --- storing --------------------------------------------------------------------------

TEST_F(ElementContract, AddToDbWritesTheRowAndTakesItsKey) {
  auto contact = Make(eET_InvertedContact, 7, 2);
  contact->AddToDB(NetID());
  ASSERT_GT(contact->ObjectID(), 0);
  auto row = ElementRow(contact->ObjectID());
  ASSERT_FALSE(row.IsEOF());
  EXPECT_EQ(row.Field("StripID").AsLong(), NetID());
  EXPECT_EQ(row.Field("ElmntType").AsLong(), 201);
  EXPECT_EQ(row.Field("Xs").AsLong(), 7);
  EXPECT_EQ(row.Field("Ys").AsLong(), 2);
  EXPECT_EQ(row.Field("IsMissing").AsLong(-9), 0);
}

TEST_F(ElementContract, ReturnElementRowsMatchTheNewProjectContent) {
  const long net = NetID();
  auto ret = Make(eET_FunctionReturn, 0, 5);
  ret->AddToDB(net);
  ASSERT_TRUE(ret->InitOperandsData(false)); // the return's operand is fixed: nobody is asked
  const long reference = AddReturnElement(Db(), net);

  auto columns = [&](const std::string& sql) {
    std::vector<std::string> values;
    auto rs = Db().Query(sql);
    for (int i = 0; i < static_cast<int>(rs.Columns().size()); ++i) {
      if (rs.Columns()[static_cast<std::size_t>(i)] != "ElmntID") values.push_back(rs.Field(i).ToDisplay());
    }
    return values;
  };
  const std::string mine = std::to_string(ret->ObjectID());
  const std::string theirs = std::to_string(reference);
  EXPECT_EQ(columns("SELECT * FROM LdrElements WHERE ElmntID=" + mine),
            columns("SELECT * FROM LdrElements WHERE ElmntID=" + theirs));
  EXPECT_EQ(columns("SELECT * FROM LdrElmsOprs WHERE ElmntID=" + mine),
            columns("SELECT * FROM LdrElmsOprs WHERE ElmntID=" + theirs));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + mine), 1);
  // Storing the operands again replaces the row instead of doubling it.
  ret->AddOperandsToDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + mine), 1);
}

TEST_F(ElementContract, OperandsBeforeTheElementAreRefused) {
  auto contact = Make(eET_DirectContact, 0, 3);
  ASSERT_TRUE(contact->InitOperandsData(true));
  EXPECT_THROW(contact->AddOperandsToDB(), std::logic_error);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID<0"), 0);
}

TEST_F(ElementContract, DeleteFromDbRemovesTheRowAndItsOperands) {
  auto contact = StoredContact();
  const long id = contact->ObjectID();
  contact->DeleteFromDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntID=" + std::to_string(id)), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(id)), 0);
}

// --- loading --------------------------------------------------------------------------

TEST_F(ElementContract, StoreAndLoadRoundTrip) {
  auto contact = StoredContact();
  auto loaded = std::dynamic_pointer_cast<clsSimpleElement>(CreateNewElement(mCtx, eET_DirectContact));
  auto row = ElementRow(contact->ObjectID());
  auto operands = OperandRows();
  loaded->Load(row, operands);
  EXPECT_EQ(loaded->ObjectID(), contact->ObjectID());
  EXPECT_EQ(loaded->ClassType(), eET_DirectContact);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(loaded->PositionDescriptor(i), (tyLdrPoint{4, 3})) << i;
  ASSERT_EQ(loaded->InputOperands()->Count(), 1u);
  EXPECT_EQ(loaded->OutputOperands()->Count(), 0u);
  const auto operand = loaded->InputOperands()->Find(1L);
  ASSERT_NE(operand, nullptr);
  EXPECT_EQ(operand->Key(), (OperandKey{eOT_MB, 5, 0}));
  EXPECT_EQ(operand->Display(), (OperandDisplay{2, 50, 0, -3}));
  EXPECT_EQ(operand->AcceptedTypes(), clsSimpleElement::ContactInputTypes(false));
  EXPECT_FALSE(loaded->CompileDirtyBit());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ElementContract, LoadsFromAForwardRecordsetToo) {
  auto contact = StoredContact();
  auto rows = Db().QueryForward("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(contact->ObjectID()));
  auto operands = OperandRows();
  auto loaded = CreateNewElement(mCtx, eET_DirectContact);
  loaded->Load(rows, operands);
  EXPECT_EQ(loaded->ObjectID(), contact->ObjectID());
  EXPECT_EQ(loaded->InputOperands()->Count(), 1u);
}

TEST_F(ElementContract, OperandRowsAreFoundWhereverTheyAre) {
  const long first = AddElementRow(eET_DirectCoil, 20, 3);
  const long other = AddElementRow(eET_DirectCoil, 30, 3);
  AddOperandRow(other, 0, 1, eOT_O, 1);
  AddOperandRow(first, 0, 2, eOT_O, 7); // a second output slot, found later
  AddOperandRow(other, 0, 1, eOT_O, 2);
  AddOperandRow(first, 0, 0, eOT_MB, 9); // no slot: ignored
  AddOperandRow(first, 0, 1, eOT_MB, 3);
  auto row = ElementRow(first);
  auto operands = OperandRows();
  auto coil = CreateNewElement(mCtx, eET_DirectCoil);
  coil->Load(row, operands);
  ASSERT_EQ(coil->OutputOperands()->Count(), 2u);
  EXPECT_EQ(coil->OutputOperands()->KeyAt(0), "2"); // in row order
  EXPECT_EQ(coil->OutputOperands()->Find(2L)->Address(), 7);
  EXPECT_EQ(coil->OutputOperands()->Find(1L)->Key(), (OperandKey{eOT_MB, 3, 0}));
  EXPECT_EQ(coil->InputOperands()->Count(), 0u);
}

TEST_F(ElementContract, OperandsOfOtherElementsOnlyLeaveNoOperandsSilently) {
  const long mine = AddElementRow(eET_DirectContact, 4, 3);
  const long other = AddElementRow(eET_DirectContact, 14, 3);
  AddOperandRow(other, 1, 0, eOT_I, 1);
  auto row = ElementRow(mine);
  auto operands = OperandRows();
  auto contact = CreateNewElement(mCtx, eET_DirectContact);
  contact->Load(row, operands);
  EXPECT_EQ(contact->InputOperands()->Count(), 0u);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ElementContract, EmptyOperandsRecordsetReports208AndLoadsTheRest) {
  const long id = AddElementRow(eET_SetCoil, 8, 6);
  auto row = ElementRow(id);
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs WHERE 0");
  auto coil = CreateNewElement(mCtx, eET_SetCoil);
  coil->Load(row, operands);
  EXPECT_EQ(coil->ObjectID(), id);
  EXPECT_EQ(coil->Inlet(), (tyLdrPoint{8, 6}));
  EXPECT_EQ(coil->OutputOperands()->Count(), 0u);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 208);
  EXPECT_EQ(Errors()[0].Title, "No Operands Records");
  EXPECT_EQ(Errors()[0].Description, "pRsOperands not containing any records");
  EXPECT_EQ(Errors()[0].ClassName, "clsSimpleElement");
  EXPECT_EQ(Errors()[0].Procedure, "prvLoadOperandsFromDatabase");
}

TEST_F(ElementContract, ASecondRowForAFilledSlotIsLeftAlone) {
  const long id = AddElementRow(eET_DirectContact, 4, 3);
  AddOperandRow(id, 1, 0, eOT_I, 1);
  AddOperandRow(id, 1, 0, eOT_I, 2);
  auto row = ElementRow(id);
  auto operands = OperandRows();
  auto contact = CreateNewElement(mCtx, eET_DirectContact);
  EXPECT_NO_THROW(contact->Load(row, operands));
  ASSERT_EQ(contact->InputOperands()->Count(), 1u);
  EXPECT_EQ(contact->InputOperands()->Find(1L)->Address(), 1);
}

// --- write if changed ---------------------------------------------------------------

TEST_F(ElementContract, UpdateDbWithNothingChangedWritesNothing) {
  auto contact = StoredContact();
  mCtx.State->SetNeedToSave(false);
  CountElementUpdates();
  contact->UpdateDB();
  EXPECT_EQ(ElementUpdates(), 0);
  EXPECT_FALSE(contact->CompileDirtyBit());
  EXPECT_FALSE(mCtx.State->NeedToSave());
}

TEST_F(ElementContract, UpdateDbWritesChangedColumns) {
  auto contact = StoredContact();
  mCtx.State->SetNeedToSave(false);
  CountElementUpdates();
  contact->Move(2, 1);
  contact->SaveLastLegalPosition();
  contact->UpdateInitialDescriptor();
  contact->UpdateDB();
  EXPECT_EQ(ElementUpdates(), 1);
  EXPECT_TRUE(contact->CompileDirtyBit());
  EXPECT_TRUE(mCtx.State->NeedToSave());
  auto row = ElementRow(contact->ObjectID());
  EXPECT_EQ(row.Field("Xs").AsLong(), 6);
  EXPECT_EQ(row.Field("Ys").AsLong(), 4);
  // The next update without a change clears the element's dirty bit but does
  // not pretend that the project is saved.
  contact->UpdateDB();
  EXPECT_FALSE(contact->CompileDirtyBit());
  EXPECT_TRUE(mCtx.State->NeedToSave());
}

TEST_F(ElementContract, UpdateDbRepairsANullIsMissingWithoutCallingItAChange) {
  auto contact = StoredContact();
  Db().Execute("UPDATE LdrElements SET IsMissing=NULL WHERE ElmntID=" + std::to_string(contact->ObjectID()));
  contact->UpdateDB();
  EXPECT_FALSE(contact->CompileDirtyBit());
  EXPECT_EQ(ElementRow(contact->ObjectID()).Field("IsMissing").AsLong(-9), 0);
}

TEST_F(ElementContract, UpdateDbOfAMissingRowFails) {
  auto contact = StoredContact();
  Db().Execute("DELETE FROM LdrElements");
  EXPECT_THROW(contact->UpdateDB(), db::DbError);
}

// --- replica ------------------------------------------------------------------------

TEST_F(ElementContract, ReplicaCarriesEverythingButTheKey) {
  auto contact = StoredContact();
  auto replica = std::dynamic_pointer_cast<clsSimpleElement>(contact->GetReplica());
  ASSERT_NE(replica, nullptr);
  EXPECT_NE(replica.get(), contact.get());
  EXPECT_EQ(replica->ObjectID(), -1);
  EXPECT_EQ(replica->ClassType(), eET_DirectContact);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(replica->PositionDescriptor(i), (tyLdrPoint{4, 3}));
  ASSERT_EQ(replica->InputOperands()->Count(), 1u);
  const auto original = contact->InputOperands()->Find(1L);
  const auto copy = replica->InputOperands()->Find(1L);
  EXPECT_NE(copy.get(), original.get());
  EXPECT_EQ(copy->Key(), original->Key());
  EXPECT_EQ(copy->AcceptedTypes(), original->AcceptedTypes());
  EXPECT_EQ(replica->GetPropertyBag(), contact->GetPropertyBag());
  // Stored again, the replica is a new element with its own rows.
  replica->AddToDB(NetID());
  replica->AddOperandsToDB();
  EXPECT_NE(replica->ObjectID(), contact->ObjectID());
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(replica->ObjectID())), 5);
}

TEST_F(ElementContract, PropertyBagNamesAndContents) {
  auto contact = StoredContact();
  const PropertyBag bag = contact->GetPropertyBag();
  for (const char* name : {"ElementType", "InletX", "InletY", "InCount", "InOprs", "OutCount", "OutOprs"}) {
    EXPECT_TRUE(bag.HasProperty(name)) << name;
  }
  EXPECT_FALSE(bag.HasProperty("ObjectID"));
  EXPECT_EQ(bag.ReadProperty("InCount").AsLong(), 1);
  EXPECT_EQ(bag.ReadProperty("OutCount").AsLong(), 0);
  EXPECT_EQ(PropertyBag::FromContents(bag.Contents()), bag);
}

TEST_F(ElementContract, DamagedBagLeavesTheElementAsItWas) {
  auto contact = StoredContact();
  PropertyBag bag = contact->GetPropertyBag();
  bag.WriteProperty("InletX", 40);
  bag.WriteProperty("InOprs", db::Blob{1, 2, 3});
  auto target = Make<clsSimpleElement>(eET_DirectCoil, 9, 9);
  EXPECT_THROW(target->SetPropertyBag(bag), std::invalid_argument);
  EXPECT_EQ(target->ClassType(), eET_DirectCoil);
  EXPECT_EQ(target->Inlet(), (tyLdrPoint{9, 9}));
  EXPECT_THROW(PropertyBag::FromContents(db::Blob{'P', 'B', 'A', 'G', 1}), std::invalid_argument);
}

// --- operands -------------------------------------------------------------------------

TEST_F(ElementContract, HighlightAndReplaceBySlot) {
  auto contact = StoredContact();
  EXPECT_EQ(contact->HighLightOperand(0, 1), nullptr); // a contact has no output
  auto operand = contact->HighLightOperand(1, 0);
  ASSERT_NE(operand, nullptr);
  EXPECT_TRUE(operand->IsHighlighted());
  EXPECT_EQ(contact->HighLightOperand(230, 0), nullptr);
  EXPECT_FALSE(contact->ReplaceOperand(2, 0, eOT_I, 4, 0));
  EXPECT_TRUE(contact->ReplaceOperand(1, 0, eOT_I, 4, 0));
  EXPECT_EQ(operand->Key(), (OperandKey{eOT_I, 4, 0}));
}

// --- hit test and process -------------------------------------------------------------

TEST_F(ElementContract, BodyHitAlongTheRungOnly) {
  auto contact = Make(eET_DirectContact, 10, 5);
  for (int x : {10, 13, 16}) {
    HitRecord hit;
    hit.X = x;
    hit.Y = 5;
    hit.Button = 1;
    contact->HitTestByPoint(hit);
    EXPECT_EQ(hit.HitKind, 1) << x;
    EXPECT_EQ(hit.X, x); // the point is put back
    EXPECT_EQ(contact->GetHitParameters(), hit);
  }
  for (auto [x, y] : {std::pair{9, 5}, {17, 5}, {12, 6}, {12, 1}}) {
    HitRecord hit;
    hit.X = x;
    hit.Y = y;
    contact->HitTestByPoint(hit);
    EXPECT_EQ(hit.HitKind, 0) << x << "," << y;
  }
  contact->ClearHitTestResults();
  EXPECT_EQ(contact->GetHitParameters().HitKind, 0);
}

TEST_F(ElementContract, PressOnTheBodyStartsAMoveOnlyOffLineWithTheLeftButton) {
  auto contact = Make(eET_DirectContact, 10, 5);
  auto press = [&](int button) {
    HitRecord hit;
    hit.X = 12;
    hit.Y = 5;
    hit.Button = button;
    contact->HitTestByPoint(hit);
    RecordingProcessControl control;
    contact->QueryProcess(control);
    return control.NewProcess;
  };
  EXPECT_EQ(press(1), eMP_ElementMoveProc);
  EXPECT_EQ(press(2), -1);
  mCtx.State->SetOnLineActive(true);
  EXPECT_EQ(press(1), -1);
}

} // namespace
} // namespace ldr::test
