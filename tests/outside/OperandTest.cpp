#include "OutsideFixture.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/operands/Operand.h"
#include "outside/operands/VirtualController.h"
#include "outside/utilities/DialogService.h"

using namespace ldr;
using ldr::test::OutsideFixture;

class OperandTest : public OutsideFixture {
protected:
  std::shared_ptr<Operand> Contact() { return Host().Operands->NewSlotOperand(200, true, 1, true); }
  bool Open(Operand& operand) { return operand.OpenForUser(*Host().Dialogs, *Host().Messages); }
  void Queue(const std::vector<std::string>& words) {
    mHost.Answers->QueueOperandWords(words, Host().Operands->Types());
  }
};

TEST_F(OperandTest, ANewContactSlotIsEmptyAndConfigured) {
  auto operand = Contact();
  EXPECT_EQ(operand->OprndType(), 0);
  EXPECT_TRUE(operand->IsNewSlot());
  EXPECT_EQ(operand->Display(), (OperandDisplay{2, 50, 0, -3}));
  EXPECT_EQ(operand->DefaultText(), "Select Contact Operand");
  EXPECT_EQ(operand->AcceptedTypes().size(), 8u);
  EXPECT_EQ(operand->DisplayName(), "");
  EXPECT_EQ(operand->ToolTipText(), "Select Contact Operand");
}

TEST_F(OperandTest, ConfirmedEntryIsTakenWithItsOperandListData) {
  mDb->Execute("INSERT INTO LdrOperands VALUES (1, 5, 0, 'Motor on', 0, 0)");
  auto operand = Contact();
  Queue({"MB", "5"});
  EXPECT_TRUE(Open(*operand));
  EXPECT_EQ(operand->Key(), (OperandKey{1, 5, 0}));
  EXPECT_EQ(operand->Description(), "Motor on");
  EXPECT_FALSE(operand->IsNewSlot());
  EXPECT_EQ(operand->DisplayName(), "MB 5");
  EXPECT_EQ(operand->ToolTipText(), "MB 5 - Motor on");
  EXPECT_TRUE(Lines().empty());
}

// A dialog whose user types the operand and a description of it.
class DescribingDialogs : public DialogService {
public:
  explicit DescribingDialogs(OperandEntry entry) : mEntry(std::move(entry)) {}
  std::optional<OperandEntry> AskOperand(const OperandRequest&) override { return mEntry; }
  std::optional<std::string> AskFileName(FileDialog, const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> AskPassword(const std::string&) override { return {}; }
  std::optional<std::string> AskLabelName(const std::string&) override { return {}; }
  std::optional<std::string> AskConfiguration(long, const std::string&) override { return {}; }

private:
  OperandEntry mEntry;
};

// Whatever host asks the user, the confirmed operand has its list row; an
// existing row keeps its description unless the user typed a new one.
TEST_F(OperandTest, ConfirmationRegistersTheOperandInTheList) {
  auto operand = Contact();
  Queue({"MB", "7"});
  EXPECT_TRUE(Open(*operand));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=1 AND OprndAddress=7 AND NetworkID=0"), 1);
  Queue({"MB", "7"});
  EXPECT_TRUE(Open(*Contact()));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands"), 1);

  DescribingDialogs dialogs({1, 7, 0, 0.0, std::string("Pump on")});
  auto described = Contact();
  EXPECT_TRUE(described->OpenForUser(dialogs, *Host().Messages));
  EXPECT_EQ(mDb->QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndAddress=7").AsText(), "Pump on");
  EXPECT_EQ(described->Description(), "Pump on");
}

TEST_F(OperandTest, CancelLeavesTheSlotAsItWas) {
  auto operand = Contact();
  operand->SetKey({9, 3, 0});
  Queue({"cancel"});
  EXPECT_FALSE(Open(*operand));
  EXPECT_EQ(operand->Key(), (OperandKey{9, 3, 0}));
}

TEST_F(OperandTest, AnOutOfRangeAddressIsRefusedClearlyAndAskedAgain) {
  auto operand = Contact();
  const long highest = Host().Operands->Types().HighestAddress(eOT_MB);
  Queue({"MB", std::to_string(highest + 1)});
  Queue({"MB", std::to_string(highest)});
  EXPECT_TRUE(Open(*operand));
  EXPECT_EQ(operand->Address(), highest);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0], "msgbox \"Address " + std::to_string(highest + 1) + " is out of range for MB (0 to " +
                            std::to_string(highest) + ").\"");
}

TEST_F(OperandTest, ARefusedEntryThenCancelStoresNothing) {
  auto operand = Contact();
  Queue({"MB", "-1"});
  Queue({"cancel"});
  EXPECT_FALSE(Open(*operand));
  EXPECT_EQ(operand->OprndType(), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands"), 0);
}

TEST_F(OperandTest, ARefusedEntryWithoutAFurtherAnswerFailsTheScript) {
  auto operand = Contact();
  Queue({"MI", "5"});
  EXPECT_THROW(Open(*operand), HeadlessAnswerMissing);
  EXPECT_EQ(operand->OprndType(), 0);
  EXPECT_EQ(Lines().at(0), "msgbox \"MI operands cannot be used here; this slot takes I, O, T, MB, SB, SIB, MIB, C.\"");
}

TEST_F(OperandTest, NetworkIDsAreCheckedPerType) {
  auto operand = Contact();
  EXPECT_EQ(operand->CheckEntry({1, 5, 63, 0}), "");
  EXPECT_EQ(operand->CheckEntry({1, 5, 64, 0}), "Network ID 64 is out of range (0 to 63).");
  EXPECT_EQ(operand->CheckEntry({1, 5, -1, 0}), "Network ID -1 is out of range (0 to 63).");
  auto call = Host().Operands->NewSlotOperand(601, false, 1, true);
  const long mdl = AddModule("M");
  const long func = AddFunction(mdl, "Sub");
  EXPECT_EQ(call->CheckEntry({31, func, 0, 0}), "");
  EXPECT_EQ(call->CheckEntry({31, func, 1, 0}), "Subroutine operands have no network ID; it must be 0.");
  EXPECT_EQ(call->CheckEntry({99, 1, 0, 0}), "There is no operand type 99.");
}

TEST_F(OperandTest, ReferencesMustNameAnExistingTarget) {
  const long mdl = AddModule("M");
  const long main = AddFunction(mdl, "Main");
  const long other = AddFunction(mdl, "Other");
  const long label = AddStrip(main, 1, 3, "Loop");
  const long otherLabel = AddStrip(other, 1, 3, "Far");
  const long net = AddStrip(main, 2, 1);
  mDb->Execute("INSERT INTO Pages (Id, Description) VALUES (4, 'Start page')");

  auto jump = Host().Operands->NewSlotOperand(600, false, 1, true);
  jump->SetScopeFunction(main);
  EXPECT_EQ(jump->CheckEntry({29, label, 0, 0}), "");
  EXPECT_EQ(jump->CheckEntry({29, otherLabel, 0, 0}),
            "There is no label with ID " + std::to_string(otherLabel) + " in this subroutine.");
  EXPECT_EQ(jump->CheckEntry({29, net, 0, 0}),
            "There is no label with ID " + std::to_string(net) + " in this subroutine.");
  Queue({"LBL", std::to_string(label)});
  EXPECT_TRUE(Open(*jump));
  EXPECT_EQ(jump->Description(), "Loop");
  EXPECT_EQ(jump->DisplayName(), "Loop");

  auto page = Host().Operands->NewSlotOperand(603, false, 1, true);
  EXPECT_EQ(page->CheckEntry({30, 5, 0, 0}), "There is no display with ID 5.");
  Queue({"30", "4"});
  EXPECT_TRUE(Open(*page));
  EXPECT_EQ(page->DisplayName(), "Start page");

  auto call = Host().Operands->NewSlotOperand(601, false, 1, true);
  EXPECT_EQ(call->CheckEntry({31, 0, 0, 0}), "There is no subroutine with ID 0.");
  Queue({"SUB", std::to_string(other)});
  EXPECT_TRUE(Open(*call));
  EXPECT_EQ(call->DisplayName(), "Other");
}

TEST_F(OperandTest, AFixedOperandIsNeverAsked) {
  auto ret = Host().Operands->NewSlotOperand(602, false, 1, true);
  ret->SetFixed(true);
  ret->SetOprndType(29);
  EXPECT_TRUE(Open(*ret));
  EXPECT_EQ(ret->OprndType(), 29);
}

TEST_F(OperandTest, AConstantGetsItsOwnRowHoldingTheValue) {
  auto a = Host().Operands->NewSlotOperand(400, true, 1, true);
  auto b = Host().Operands->NewSlotOperand(400, true, 2, true);
  mDb->Execute("INSERT INTO LdrOperands VALUES (34, 7, 0, 'Limit', 100, 0)");
  Queue({"CI", "100"});
  Queue({"CI", "100"});
  EXPECT_TRUE(Open(*a));
  EXPECT_TRUE(Open(*b));
  EXPECT_EQ(a->Key(), (OperandKey{15, 8, 0})) << "above every constant address, named ones included";
  EXPECT_EQ(b->Key(), (OperandKey{15, 9, 0}));
  EXPECT_EQ(a->DisplayName(), "#100");
  EXPECT_DOUBLE_EQ(
      mDb->QueryValue("SELECT OprndPowerUp FROM LdrOperands WHERE OprndType=15 AND OprndAddress=8").AsDouble(), 100.0);

  Queue({"CI", "-7"});
  EXPECT_TRUE(Open(*a));
  EXPECT_EQ(a->Key(), (OperandKey{15, 8, 0})) << "editing a constant keeps its row";
  EXPECT_EQ(a->DisplayName(), "#-7");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=15"), 2);

  EXPECT_EQ(a->CheckEntry({15, 0, 0, 32768}), "The value 32768 is out of range for CI (-32768 to 32767).");
  EXPECT_EQ(a->CheckEntry({15, 0, 0, 1.5}), "CI constants hold whole numbers only; 1.5 is not one.");
  EXPECT_EQ(a->CheckEntry({38, 0, 0, 1.5}), "");
  EXPECT_EQ(a->CheckEntry({34, 7, 0, 0}), "");
  EXPECT_EQ(a->CheckEntry({34, 6, 0, 0}), "There is no named constant NCI 6.");
}

TEST_F(OperandTest, ItReadsItselfFromTheNetsOperandRows) {
  const long func = AddFunction(AddModule("M"), "Main");
  const long net = AddStrip(func, 1, 1);
  const long element = static_cast<long>(mDb->AddRow("LdrElements", {{"StripID", net}, {"ElmntType", 200}}));
  mDb->Execute("INSERT INTO LdrElmsOprs VALUES (?, 1, 0, 9, 12, 3)", {element});
  mDb->Execute("INSERT INTO LdrOperands VALUES (9, 12, 3, 'Door closed', 1.5, -1)");
  auto command = Host().Commands->OperandsCommand();
  command.Bind(":StripID", net);
  auto rs = db::Recordset::Read(command);
  ASSERT_EQ(rs.RecordCount(), 1);
  auto operand = Host().Operands->NewOperand();
  operand->ReadFromRow(rs);
  EXPECT_EQ(operand->Key(), (OperandKey{9, 12, 3}));
  EXPECT_EQ(operand->Description(), "Door closed");
  EXPECT_DOUBLE_EQ(operand->PowerUp(), 1.5);
  EXPECT_TRUE(operand->EnablePowerUp());
  EXPECT_EQ(operand->DisplayName(), "N3.I 12");
}

TEST_F(OperandTest, RefreshRereadsOnlyTheOperandMeant) {
  auto operand = Host().Operands->NewOperand();
  operand->SetKey({1, 5, 0});
  mDb->Execute("INSERT INTO LdrOperands VALUES (1, 5, 0, 'New text', 0, 0)");
  EXPECT_FALSE(operand->RefreshOperand(1, 5, 1));
  EXPECT_FALSE(operand->RefreshOperand(1, 6, 0));
  EXPECT_EQ(operand->Description(), "");
  EXPECT_TRUE(operand->RefreshOperand(1, 5, 0));
  EXPECT_EQ(operand->Description(), "New text");
}

TEST_F(OperandTest, ItsSerialisationRoundTripsAndRefusesDamage) {
  auto operand = Contact();
  operand->SetKey({26, 35, 2});
  operand->SetDescription("bit \"3\" of MI 2, 100%");
  operand->SetFixed(true);
  operand->SetScopeFunction(4);
  operand->SetHighlight(true);
  const db::Blob bytes = operand->Serialize();
  auto copy = Host().Operands->NewOperand();
  copy->Deserialize(bytes);
  EXPECT_EQ(copy->Key(), operand->Key());
  EXPECT_EQ(copy->Description(), operand->Description());
  EXPECT_EQ(copy->AcceptedTypes(), operand->AcceptedTypes());
  EXPECT_EQ(copy->Display(), operand->Display());
  EXPECT_EQ(copy->DefaultText(), operand->DefaultText());
  EXPECT_TRUE(copy->IsFixed());
  EXPECT_EQ(copy->ScopeFunction(), 4);
  EXPECT_EQ(copy->ElementType(), 200);
  EXPECT_FALSE(copy->IsHighlighted()) << "highlight is a state of the screen, not of the operand";
  EXPECT_EQ(copy->DisplayName(), "N2.MIB 2.3");

  db::Blob cut(bytes.begin(), bytes.end() - 1);
  EXPECT_THROW(copy->Deserialize(cut), std::invalid_argument);
  db::Blob longer = bytes;
  longer.push_back(0);
  EXPECT_THROW(copy->Deserialize(longer), std::invalid_argument);
  db::Blob huge = bytes;
  huge[huge.size() - operand->DefaultText().size() - 1] = 0x7f; // a length running past the end
  EXPECT_THROW(copy->Deserialize(huge), std::invalid_argument);
  EXPECT_EQ(copy->Key(), operand->Key()) << "a refused block changes nothing";
}

TEST_F(OperandTest, TestValuesComeFromTheVirtualController) {
  auto controller = std::make_shared<VirtualController>();
  auto operand = Contact();
  operand->SetKey({1, 5, 0});
  operand->AppendTestValue(controller);
  operand->AppendTestValue(controller);
  EXPECT_EQ(controller->Monitored().size(), 1u);
  EXPECT_FALSE(operand->HasTestValue());
  EXPECT_EQ(operand->TestValue(), 0);
  controller->SetValue({1, 5, 0}, 1);
  controller->SetValue({1, 5, 1}, 7);
  EXPECT_EQ(operand->TestValue(), 1);
  controller.reset();
  EXPECT_EQ(operand->TestValue(), 0) << "the operand does not keep the host's controller alive";

  auto empty = Contact();
  auto other = std::make_shared<VirtualController>();
  empty->AppendTestValue(other);
  EXPECT_TRUE(other->Monitored().empty()) << "an empty slot is not monitored";
}
