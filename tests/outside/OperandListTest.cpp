#include "OutsideFixture.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/operands/Operand.h"

using namespace ldr;
using ldr::test::OutsideFixture;

namespace {

// Names a user might type that SQL text would break on.
std::vector<std::string> AwkwardNames() {
  std::string longName(300, 'x');
  longName.replace(0, 10, "O'Brien %s");
  return {"it's", "100% \"sure\"", "a'; DROP TABLE LdrOperands; --", "%1 %2", longName};
}

} // namespace

using OperandListTest = OutsideFixture;

TEST_F(OperandListTest, RegisteringAddsTheRowOnceAndKeepsItsText) {
  auto list = Host().Operands->List();
  EXPECT_TRUE(list.Register({1, 5, 0}, "Motor"));
  EXPECT_FALSE(list.Register({1, 5, 0}, "Other text"));
  EXPECT_TRUE(list.Register({1, 5, 2}, "Remote motor"));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands WHERE OprndType=1 AND OprndAddress=5"), 2);
  EXPECT_EQ(list.Read({1, 5, 0})->Description, "Motor");
  EXPECT_FALSE(list.Read({1, 6, 0}));
}

TEST_F(OperandListTest, AwkwardNamesAreStoredIntact) {
  auto list = Host().Operands->List();
  long address = 0;
  for (const auto& name : AwkwardNames()) {
    ++address;
    EXPECT_TRUE(list.Register({1, address, 0}, name));
    EXPECT_EQ(list.Read({1, address, 0})->Description, name);
    EXPECT_TRUE(list.SetDescription({1, address, 0}, name + "!"));
    EXPECT_EQ(
        mDb->QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=1 AND OprndAddress=?", {address})
            .AsText(),
        name + "!");
  }
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands"), static_cast<long>(AwkwardNames().size()));
}

TEST_F(OperandListTest, RenamingAMissingOperandAddsNothing) {
  auto list = Host().Operands->List();
  EXPECT_FALSE(list.SetDescription({31, 4, 0}, "New name"));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands"), 0);
}

TEST_F(OperandListTest, ASlotIsRegisteredWithItsTargetsCurrentName) {
  const long func = AddFunction(AddModule("M"), "Pump control");
  auto call = Host().Operands->NewSlotOperand(601, false, 1, true);
  call->SetKey({31, func, 0});
  call->SetDescription("old name");
  auto list = Host().Operands->List();
  EXPECT_TRUE(list.Register(*call));
  EXPECT_EQ(list.Read({31, func, 0})->Description, "Pump control");

  auto missing = Host().Operands->NewOperand();
  missing->SetKey({31, kMissingReferenceAddress, 0});
  missing->SetDescription("MISSING (Gone)");
  EXPECT_TRUE(list.Register(*missing));
  EXPECT_EQ(list.Read({31, 32000, 0})->Description, "MISSING (Gone)");

  auto empty = Host().Operands->NewOperand();
  EXPECT_FALSE(list.Register(*empty));
  auto fixed = Host().Operands->NewOperand();
  fixed->SetKey({29, 0, 0});
  fixed->SetFixed(true);
  EXPECT_FALSE(list.Register(*fixed)) << "the return element's operand names nothing";
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrOperands"), 2);
}

TEST_F(OperandListTest, ReferencesAreFoundThroughTheSlots) {
  const long func = AddFunction(AddModule("M"), "Main");
  const long net = AddStrip(func, 1, 1);
  const long element = static_cast<long>(mDb->AddRow("LdrElements", {{"StripID", net}, {"ElmntType", 601}}));
  mDb->Execute("INSERT INTO LdrElmsOprs VALUES (?, 0, 1, 31, 9, 0)", {element});
  auto list = Host().Operands->List();
  EXPECT_TRUE(list.HasReference({31, 9, 0}));
  EXPECT_FALSE(list.HasReference({31, 9, 1}));
  EXPECT_FALSE(list.HasReference({31, 8, 0}));
}

TEST_F(OperandListTest, ACopiedConstantGetsItsOwnAddressWithTheSameValue) {
  auto list = Host().Operands->List();
  const long first = list.AllocateConstant(37, 123456, "");
  const long named = list.AllocateConstant(34, 42, "Answer");
  EXPECT_EQ(named, first + 1);
  auto copy = Host().Operands->NewOperand();
  copy->SetKey({34, named, 0});
  list.ReRegisterConstant(copy.operator*());
  EXPECT_EQ(copy->Key(), (OperandKey{34, named + 1, 0}));
  const auto row = list.Read(copy->Key());
  ASSERT_TRUE(row);
  EXPECT_DOUBLE_EQ(row->PowerUp, 42);
  EXPECT_EQ(row->Description, "Answer");
  EXPECT_TRUE(list.Exists({34, named, 0})) << "the original keeps its row";

  auto plain = Host().Operands->NewOperand();
  plain->SetKey({1, 3, 0});
  list.ReRegisterConstant(*plain);
  EXPECT_EQ(plain->Key(), (OperandKey{1, 3, 0})) << "only constants are re-registered";
}

class LabelNames : public OutsideFixture {
protected:
  void SetUp() override {
    OutsideFixture::SetUp();
    mFunc = AddFunction(AddModule("M"), "Main");
    mOther = AddFunction(AddModule("N"), "Other");
  }
  long mFunc = 0;
  long mOther = 0;
};

TEST_F(LabelNames, TheProposalIsTheFirstFreeNameOfTheSubroutine) {
  auto& labels = *Host().LabelNames;
  EXPECT_EQ(labels.ProposeLabelName(mFunc), "Label 1");
  AddStrip(mFunc, 1, 3, "label 1");
  AddStrip(mFunc, 2, 3, "Label 3");
  AddStrip(mOther, 1, 3, "Label 2");
  EXPECT_EQ(labels.ProposeLabelName(mFunc), "Label 2") << "names compare without case, per subroutine";
  EXPECT_EQ(labels.ProposeLabelName(99999), "") << "no subroutine, no name";
}

TEST_F(LabelNames, RenamingALabelRenamesItsOperandsToo) {
  const long label = AddStrip(mFunc, 1, 3, "Loop");
  mDb->Execute("INSERT INTO LdrOperands VALUES (29, ?, 0, 'Loop', 0, 0)", {label});
  mDb->Execute("INSERT INTO LdrOperands VALUES (1, ?, 0, 'Loop', 0, 0)", {label});
  mHost.Answers->QueueDialog("Main loop");
  EXPECT_TRUE(Host().LabelNames->EditLabelName(label));
  EXPECT_EQ(mDb->QueryValue("SELECT LblName FROM LdrStrips WHERE StripID=?", {label}).AsText(), "Main loop");
  EXPECT_EQ(mDb->QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=29").AsText(), "Main loop");
  EXPECT_EQ(mDb->QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=1").AsText(), "Loop");
}

TEST_F(LabelNames, ADuplicateOrBlankNameIsRefusedAndAskedAgain) {
  AddStrip(mFunc, 1, 3, "Start");
  const long label = AddStrip(mFunc, 2, 3, "Loop");
  AddStrip(mOther, 1, 3, "Elsewhere");
  mHost.Answers->QueueDialog("START");
  mHost.Answers->QueueDialog("  ");
  mHost.Answers->QueueDialog("two\nlines");
  mHost.Answers->QueueDialog("Elsewhere");
  EXPECT_TRUE(Host().LabelNames->EditLabelName(label));
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"dialog label \"Loop\" -> START",
                                      "msgbox \"Another label of this subroutine is already named \\\"START\\\".\"",
                                      "dialog label \"Loop\" -> \"  \"", "msgbox \"A label needs a name.\"",
                                      "dialog label \"Loop\" -> \"two\\nlines\"",
                                      "msgbox \"A label name cannot hold line breaks or tabs.\"",
                                      "dialog label \"Loop\" -> Elsewhere"}));
  EXPECT_EQ(mDb->QueryValue("SELECT LblName FROM LdrStrips WHERE StripID=?", {label}).AsText(), "Elsewhere");
}

TEST_F(LabelNames, CancelOrTheSameNameChangesNothing) {
  const long label = AddStrip(mFunc, 1, 3, "Loop");
  mHost.Answers->QueueDialogCancel();
  mHost.Answers->QueueDialog("Loop");
  EXPECT_FALSE(Host().LabelNames->EditLabelName(label));
  EXPECT_FALSE(Host().LabelNames->EditLabelName(label));
  EXPECT_FALSE(Host().LabelNames->EditLabelName(AddStrip(mFunc, 2, 1))) << "a net has no label name";
  EXPECT_THROW(Host().LabelNames->EditLabelName(label), HeadlessAnswerMissing);
  EXPECT_EQ(mDb->QueryValue("SELECT LblName FROM LdrStrips WHERE StripID=?", {label}).AsText(), "Loop");
}

TEST_F(LabelNames, AwkwardLabelNamesAreStoredIntact) {
  const long label = AddStrip(mFunc, 1, 3, "Loop");
  mDb->Execute("INSERT INTO LdrOperands VALUES (29, ?, 0, 'Loop', 0, 0)", {label});
  for (const auto& name : AwkwardNames()) {
    mHost.Answers->QueueDialog(name);
    EXPECT_TRUE(Host().LabelNames->EditLabelName(label));
    EXPECT_EQ(mDb->QueryValue("SELECT LblName FROM LdrStrips WHERE StripID=?", {label}).AsText(), name);
    EXPECT_EQ(mDb->QueryValue("SELECT OprndDescription FROM LdrOperands WHERE OprndType=29").AsText(), name);
  }
  EXPECT_EQ(Count("SELECT COUNT(*) FROM LdrStrips"), 1);
}
