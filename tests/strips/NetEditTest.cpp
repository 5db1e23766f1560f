// Editing a net: its height, adding and deleting elements, the selection
// operations, arrow-key moves, and copies through the property bag.
#include "NetTestFixture.h"

#include "elements/ElementFactory.h"
#include "interfaces/OperandsKeyHandler.h"
#include "outside/operands/Operand.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class RecordingKeyHandler : public OperandsKeyHandler {
public:
  void KeyPress(std::int32_t KeyCode, KeyedCollection<itfLdrElement>& Elements, itfStrip& Strip) override {
    Keys.push_back(KeyCode);
    ElementCount = Elements.Count();
    LastStrip = &Strip;
  }
  std::vector<std::int32_t> Keys;
  std::size_t ElementCount = 0;
  itfStrip* LastStrip = nullptr;
};

class NetEdit : public NetTestFixture {
protected:
  void SetUp() override {
    NetTestFixture::SetUp();
    mStrip = NetID();
  }
  // A new contact placed at (x, y) with its operand slot, not stored.
  std::shared_ptr<itfLdrElement> NewContact(std::int32_t x, std::int32_t y) {
    auto element = CreateNewElement(mCtx, eET_DirectContact);
    element->SetClassType(eET_DirectContact);
    element->SetXs(x);
    element->SetYs(y);
    element->InitOperandsData(true);
    return element;
  }
  long Stored(const std::string& column, long elementID) {
    return Scalar("SELECT " + column + " FROM LdrElements WHERE ElmntID=" + std::to_string(elementID));
  }
  long StripColumn(const std::string& column) {
    return Scalar("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(mStrip));
  }
  long ElementRows() { return Scalar("SELECT COUNT(*) FROM LdrElements WHERE StripID=" + std::to_string(mStrip)); }
  std::vector<std::string> Keys(const ElementCollection& elements) {
    std::vector<std::string> keys;
    for (const auto& [key, element] : elements) keys.push_back(key);
    return keys;
  }

  long mStrip = 0;
};

TEST_F(NetEdit, LoweringTheHeightBelowTheElementsMovesThemUp) {
  const long low = AddContact(mStrip, 0, 10, 1);
  const long high = AddContact(mStrip, 10, 6, 2);
  auto net = LoadNet(mStrip);
  net->SetHeight(8); // the lowest bottom is row 11
  EXPECT_EQ(net->Height(), 8);
  EXPECT_EQ(StripColumn("Height"), 8);
  EXPECT_EQ(Stored("Ys", low), 7);
  EXPECT_EQ(Stored("Ys", high), 3);
  EXPECT_EQ(net->GetAllElements()->Find(low)->Inlet(), (tyLdrPoint{0, 7}));
  EXPECT_EQ(net->GetAllElements()->Find(low)->GetBoundingRect().Bottom, 8);
}

TEST_F(NetEdit, HeightThatWouldCutElementsIsRefused) {
  const long low = AddContact(mStrip, 0, 10, 1);
  AddContact(mStrip, 10, 4, 2); // its operand row is row 1
  auto net = LoadNet(mStrip);
  EXPECT_THROW(net->SetHeight(8), std::invalid_argument);
  EXPECT_EQ(net->Height(), 14);
  EXPECT_EQ(StripColumn("Height"), 14);
  EXPECT_EQ(Stored("Ys", low), 10);
  EXPECT_EQ(net->GetAllElements()->Find(low)->Inlet(), (tyLdrPoint{0, 10}));
  EXPECT_THROW(net->SetHeight(0), std::invalid_argument);
  net->SetHeight(11); // the elements still fit: nothing moves
  EXPECT_EQ(Stored("Ys", low), 10);
  EXPECT_EQ(StripColumn("Height"), 11);
}

TEST_F(NetEdit, ShrinkingKeepsLinesOffTheBottomBorder) {
  // A line needs a row below it; a contact may end on the net's last row.
  const long contact = AddContact(mStrip, 0, 12, 1); // rows 9 to 13
  const long line = AddElementRow(mStrip, eET_HorzLine, 10, 13, 4, 0);
  auto net = LoadNet(mStrip);
  net->SetHeight(13);
  EXPECT_EQ(Stored("Ys", line), 12);
  EXPECT_EQ(Stored("Ys", contact), 11);
  EXPECT_LT(net->GetAllElements()->Find(line)->GetBoundingRect().Bottom, net->Height());
}

TEST_F(NetEdit, ANetWhoseLinesCannotMoveUpIsNotShrunk) {
  const long line = AddElementRow(mStrip, eET_HorzLine, 10, 13, 4, 0);
  AddContact(mStrip, 0, 3, 1); // rows 0 to 4
  auto net = LoadNet(mStrip);
  EXPECT_EQ(net->MinHeight(), 14); // the resizer offers no shorter net
  EXPECT_THROW(net->SetHeight(13), std::invalid_argument);
  EXPECT_EQ(StripColumn("Height"), 14);
  EXPECT_EQ(Stored("Ys", line), 13);
}

TEST_F(NetEdit, MinHeightSpansTheElements) {
  AddContact(mStrip, 0, 12, 1);
  AddContact(mStrip, 10, 3, 2);
  auto net = LoadNet(mStrip);
  EXPECT_EQ(net->MinHeight(), 13 - 0); // rows 0 (operand of the upper one) to 13
}

TEST_F(NetEdit, AddingAnElementGrowsTheNetAndStoresIt) {
  auto net = LoadNet(mStrip);
  auto contact = NewContact(4, 14);
  net->AddLadderElement(contact, 3);
  contact->AddOperandsToDB();
  EXPECT_EQ(net->Height(), 17);
  EXPECT_EQ(StripColumn("Height"), 17);
  ASSERT_GT(contact->ObjectID(), 0);
  EXPECT_TRUE(net->GetAllElements()->Exists(contact->ObjectID()));
  EXPECT_EQ(Stored("StripID", contact->ObjectID()), mStrip);
  EXPECT_EQ(Stored("Ys", contact->ObjectID()), 14);
  EXPECT_EQ(LoadNet(mStrip)->GetAllElements()->Count(), 1u);
}

TEST_F(NetEdit, NegativeExtensionOpensTheSpaceAbove) {
  const long old = AddContact(mStrip, 10, 5, 1);
  auto net = LoadNet(mStrip);
  auto contact = NewContact(0, 0);
  net->AddLadderElement(contact, -4);
  EXPECT_EQ(net->Height(), 18);
  EXPECT_EQ(Stored("Ys", old), 9);
  EXPECT_EQ(Stored("Ys", contact->ObjectID()), 4);
  EXPECT_EQ(contact->Inlet(), (tyLdrPoint{0, 4}));
  EXPECT_EQ(net->GetAllElements()->Find(old)->Inlet(), (tyLdrPoint{10, 9}));
}

TEST_F(NetEdit, ElementWithoutTypeIsNotAdded) {
  auto net = LoadNet(mStrip);
  auto element = CreateNewElement(mCtx, eET_DirectContact);
  net->AddLadderElement(element, 2);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 231);
  EXPECT_EQ(Errors()[0].Title, "Undefined Element");
  EXPECT_EQ(Errors()[0].Description, "Add element failed - undefined ladder element");
  EXPECT_EQ(Errors()[0].Procedure, "prvAddLadderElement");
  EXPECT_EQ(net->GetAllElements()->Count(), 0u);
  EXPECT_EQ(net->Height(), 14);
  EXPECT_EQ(ElementRows(), 0);
}

TEST_F(NetEdit, DeletingTheSelectedElementsRemovesTheirRows) {
  Db().Execute("UPDATE LdrFunctions SET Guid=500 WHERE FuncID=2");
  Db().Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) VALUES (500, -1), (501, -1)");
  const long keep = AddContact(mStrip, 0, 4, 1);
  const long first = AddContact(mStrip, 10, 4, 2);
  const long second = AddContact(mStrip, 20, 4, 3);
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0 WHERE StripID=" + std::to_string(mStrip));
  auto net = LoadNet(mStrip);
  net->DeleteSelectedElements(); // nothing selected: nothing happens
  EXPECT_EQ(ElementRows(), 3);
  EXPECT_EQ(StripColumn("CompileDirtyBit"), 0);
  EXPECT_FALSE(mCtx.State->NeedToCompile());

  net->MarkElement(static_cast<std::int32_t>(first));
  net->MarkElement(static_cast<std::int32_t>(second));
  net->DeleteSelectedElements();
  EXPECT_EQ(Keys(*net->GetAllElements()), (std::vector<std::string>{std::to_string(keep)}));
  EXPECT_EQ(ElementRows(), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID IN (" + std::to_string(first) + "," +
                   std::to_string(second) + ")"),
            0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(keep)), 1);
  EXPECT_EQ(StripColumn("CompileDirtyBit"), -1);
  EXPECT_TRUE(net->CompileDirtyBit());
  EXPECT_EQ(Scalar("SELECT IsCompiled FROM DownloadDLUs WHERE Guid=500"), 0);
  EXPECT_EQ(Scalar("SELECT IsCompiled FROM DownloadDLUs WHERE Guid=501"), -1);
  EXPECT_TRUE(mCtx.State->NeedToCompile());
}

TEST_F(NetEdit, SelectionOperations) {
  const long a = AddContact(mStrip, 0, 4, 1);
  const long b = AddContact(mStrip, 10, 4, 2);
  const long c = AddContact(mStrip, 20, 4, 3);
  auto net = LoadNet(mStrip);
  const auto sa = std::to_string(a), sb = std::to_string(b), sc = std::to_string(c);

  net->MarkElement(static_cast<std::int32_t>(b));
  EXPECT_EQ(Keys(*net->GetSelectedElements()), (std::vector<std::string>{sb}));
  EXPECT_EQ(Keys(*net->GetUnSelectedElements()), (std::vector<std::string>{sa, sc}));
  EXPECT_NE(net->GetSelectedElements(), net->GetAllElements());

  net->UnSelectAllLadderElements();
  EXPECT_TRUE(net->GetSelectedElements()->Empty());

  net->SelectDeletedElements(sc + ", 99999," + sa);
  EXPECT_EQ(Keys(*net->GetSelectedElements()), (std::vector<std::string>{sa, sc}));

  net->SetIsSelected(true);
  net->UnSelectAllLadderElements();
  net->ToolRequest("ID_SelectAllInNet");
  EXPECT_EQ(net->GetSelectedElements()->Count(), 3u);
  EXPECT_FALSE(net->IsSelected());
  EXPECT_EQ(StripColumn("IsSelected"), 0);
}

TEST_F(NetEdit, PastedElementsAreTheNewRowsOfTheNet) {
  const long a = AddContact(mStrip, 0, 4, 1);
  const long b = AddContact(mStrip, 10, 4, 2);
  auto net = LoadNet(mStrip);
  net->MarkElement(static_cast<std::int32_t>(a));
  const long pasted = AddContact(mStrip, 0, 8, 3);
  net->SelectPastedElements();
  EXPECT_EQ(Keys(*net->GetSelectedElements()), (std::vector<std::string>{std::to_string(a), std::to_string(pasted)}));
  EXPECT_FALSE(net->GetAllElements()->Find(b)->IsSelected());
}

TEST_F(NetEdit, ArrowKeysMoveTheSelectedElementsOneCell) {
  const long a = AddContact(mStrip, 0, 4, 1);
  const long b = AddContact(mStrip, 10, 4, 2);
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0 WHERE StripID=" + std::to_string(mStrip));
  auto net = LoadNet(mStrip);
  RecordingKeyHandler handler;
  net->MarkElement(static_cast<std::int32_t>(a));
  net->KeyPress(39, handler);
  EXPECT_EQ(Stored("Xs", a), 1);
  EXPECT_EQ(StripColumn("CompileDirtyBit"), -1);
  net->KeyPress(39, handler);
  net->KeyPress(39, handler);
  net->KeyPress(39, handler);
  EXPECT_EQ(Stored("Xs", a), 4); // touching b's left edge is allowed
  net->KeyPress(39, handler);
  EXPECT_EQ(Stored("Xs", a), 4); // overlapping it is not
  net->KeyPress(40, handler);
  EXPECT_EQ(Stored("Ys", a), 5);
  net->KeyPress(38, handler);
  net->KeyPress(38, handler);
  net->KeyPress(38, handler);
  net->KeyPress(38, handler);
  EXPECT_EQ(Stored("Ys", a), 3); // its operand row may not leave the net
  EXPECT_EQ(net->GetAllElements()->Find(a)->Inlet(), (tyLdrPoint{4, 3}));
  EXPECT_EQ(Stored("Xs", b), 10);
  EXPECT_TRUE(handler.Keys.empty());
}

TEST_F(NetEdit, KeysGoToTheOperandHandlerWhileAnOperandIsSelected) {
  const long a = AddContact(mStrip, 0, 4, 1);
  AddContact(mStrip, 10, 4, 2);
  auto net = LoadNet(mStrip);
  auto element = net->GetAllElements()->Find(a);
  element->SetIsSelected(true);
  element->InputOperands()->At(0)->SetSelected(true);
  EXPECT_EQ(net->GetElementWithSelectedOperand(), element);
  EXPECT_EQ(net->GetElementSelectedOperand(), element->InputOperands()->At(0));
  RecordingKeyHandler handler;
  net->KeyPress(39, handler);
  EXPECT_EQ(handler.Keys, (std::vector<std::int32_t>{39}));
  EXPECT_EQ(handler.ElementCount, 2u);
  EXPECT_EQ(handler.LastStrip, net.get());
  EXPECT_EQ(Stored("Xs", a), 0);
  net->UnSelectAllOperandsInNet();
  EXPECT_FALSE(net->GetElementSelectedOperand());
}

TEST_F(NetEdit, OperandCallsReachTheNamedElement) {
  const long a = AddContact(mStrip, 0, 4, 7);
  auto net = LoadNet(mStrip);
  auto operand = net->HighLightOperand(static_cast<std::int32_t>(a), 1, 0);
  ASSERT_TRUE(operand);
  EXPECT_TRUE(operand->IsHighlighted());
  EXPECT_FALSE(net->HighLightOperand(99999, 1, 0));
  EXPECT_TRUE(net->ReplaceOperand(static_cast<std::int32_t>(a), 1, 0, 0, 1, 12));
  EXPECT_EQ(net->GetAllElements()->Find(a)->InputOperands()->At(0)->Address(), 12);
  EXPECT_FALSE(net->ReplaceOperand(99999, 1, 0, 0, 1, 12));
}

TEST_F(NetEdit, DraggedElementsLeaveOneNetAndJoinAnother) {
  const long a = AddContact(mStrip, 0, 4, 1);
  AddContact(mStrip, 10, 4, 2);
  auto source = LoadNet(mStrip);
  auto target = LoadNet(NetID(2));
  source->MarkElement(static_cast<std::int32_t>(a));
  const auto moving = source->GetSelectedElements();
  source->RemoveElementsOnDrag();
  target->AddElementsOnDrag(*moving);
  EXPECT_FALSE(source->GetAllElements()->Exists(a));
  EXPECT_EQ(source->GetAllElements()->Count(), 1u);
  EXPECT_TRUE(target->GetAllElements()->Exists(a));
}

TEST_F(NetEdit, ReplicaCarriesTheElementsAndStoresAsANewNet) {
  AddContact(mStrip, 0, 4, 11);
  AddElementRow(mStrip, 100, 6, 4, 8, 0);
  Db().Execute("UPDATE LdrStrips SET StrpNote='copied', Height=9 WHERE StripID=" + std::to_string(mStrip));
  auto net = LoadNet(mStrip);
  auto replica = std::dynamic_pointer_cast<clsLdrNet>(net->GetReplica());
  ASSERT_TRUE(replica);
  EXPECT_EQ(replica->Height(), 9);
  EXPECT_EQ(replica->StripNote(), "copied");
  ASSERT_EQ(replica->GetAllElements()->Count(), 2u);
  EXPECT_EQ(replica->GetAllElements()->At(0)->ObjectID(), -1);
  EXPECT_EQ(replica->GetAllElements()->At(1)->Outlet(), (tyLdrPoint{14, 4}));

  replica->SetSeqNum(40);
  replica->AddToDB(1);
  EXPECT_TRUE(mLog->Contains("Do Not Use"));
  const std::string id = std::to_string(replica->StripID());
  EXPECT_NE(replica->StripID(), mStrip);
  EXPECT_EQ(Scalar("SELECT FuncID FROM LdrStrips WHERE StripID=" + id), 1);
  EXPECT_EQ(Scalar("SELECT SeqNum FROM LdrStrips WHERE StripID=" + id), 40);
  EXPECT_EQ(Scalar("SELECT CompileDirtyBit FROM LdrStrips WHERE StripID=" + id), -1);
  EXPECT_EQ(Scalar("SELECT StrpType FROM LdrStrips WHERE StripID=" + id), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE StripID=" + id), 2);
  EXPECT_EQ(Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs INNER JOIN LdrElements ON "
                   "LdrElements.ElmntID=LdrElmsOprs.ElmntID WHERE StripID=" +
                   id),
            11);
  ASSERT_EQ(replica->GetAllElements()->Count(), 2u);
  EXPECT_GT(replica->GetAllElements()->At(0)->ObjectID(), 0);
  EXPECT_TRUE(replica->CompileDirtyBit());
  // The original is untouched.
  EXPECT_EQ(ElementRows(), 2);
}

TEST_F(NetEdit, DamagedPropertyBagLeavesTheNetAsItWas) {
  AddContact(mStrip, 0, 4, 1);
  auto net = LoadNet(mStrip);
  PropertyBag bag = net->GetPropertyBag();
  bag.WriteProperty("Elements", db::Blob{1, 2, 3});
  EXPECT_THROW(net->SetPropertyBag(bag), std::invalid_argument);
  EXPECT_EQ(net->GetAllElements()->Count(), 1u);
  PropertyBag other;
  other.WriteProperty("StripType", 2L);
  EXPECT_THROW(net->SetPropertyBag(other), std::invalid_argument);
}

} // namespace
} // namespace ldr::test
