#include "OutsideFixture.h"

#include "outside/operands/Operand.h"
#include "outside/operands/ParamsBlock.h"
#include "outside/operands/ShapedParamsObject.h"

using namespace ldr;
using ldr::test::OutsideFixture;

namespace {

ParamsBlock SampleBlock() {
  ParamsBlock block;
  block.ElementType = 100201;
  block.InstanceNumber = 3;
  block.Values = {1, -2};
  block.InnerOperands = {{{15, 7, 0}, 230}, {{3, 40, 0}, 231}, {{34, 2, 0}, 232}, {{3, 40, 0}, 233}};
  block.Extra = {'h', 'i'};
  return block;
}

} // namespace

TEST(ParamsBlock, TheLayoutIsTheDocumentedOne) {
  ParamsBlock block;
  block.ElementType = 1400;
  block.InstanceNumber = 0x01020304;
  block.Values = {-1};
  block.InnerOperands = {{{15, 0x0a0b, 2}, 230}};
  block.Extra = {0xee};
  const db::Blob expected = {'L',  'P',  'R', 'M', 1,    0,    0,    0,    // tag, version, reserved
                             0x78, 0x05, 0,   0,   4,    3,    2,    1,    // type 1400, instance
                             1,    0,    0,   0,   0xff, 0xff, 0xff, 0xff, // one value: -1
                             1,    0,    0,   0,                           // one inner operand
                             15,   0,    0,   0,   0x0b, 0x0a, 0,    0,    2, 0,   0,
                             0,    230,  0,   0,   0,    1,    0,    0,    0, 0xee}; // extra data
  EXPECT_EQ(block.Serialize(), expected);
  const auto read = ParamsBlock::Parse(expected);
  EXPECT_EQ(read.ElementType, 1400);
  EXPECT_EQ(read.InstanceNumber, 0x01020304);
  EXPECT_EQ(read.Values, std::vector<std::int32_t>{-1});
  EXPECT_EQ(read.InnerOperands, block.InnerOperands);
  EXPECT_EQ(read.Extra, block.Extra);
}

TEST(ParamsBlock, DamagedOrForeignBlocksAreRefusedWhole) {
  const db::Blob good = SampleBlock().Serialize();
  EXPECT_NO_THROW(ParamsBlock::Parse(good));
  EXPECT_TRUE(ParamsBlock::Parse({}).InnerOperands.empty());
  for (std::size_t cut = 1; cut < good.size(); ++cut)
    EXPECT_THROW(ParamsBlock::Parse(db::Blob(good.begin(), good.begin() + static_cast<long>(cut))),
                 std::invalid_argument)
        << cut;
  db::Blob trailing = good;
  trailing.push_back(0);
  EXPECT_THROW(ParamsBlock::Parse(trailing), std::invalid_argument);
  db::Blob future = good;
  future[4] = 2;
  EXPECT_THROW(ParamsBlock::Parse(future), std::invalid_argument);
  db::Blob manyValues = good;
  manyValues[16] = 0xff; // value count far beyond the data
  manyValues[19] = 0x7f;
  EXPECT_THROW(ParamsBlock::Parse(manyValues), std::invalid_argument);
  EXPECT_THROW(ParamsBlock::Parse(db::Blob{'J', 'U', 'N', 'K', 1, 0}), std::invalid_argument);
}

TEST(ParamsBlock, ConstantOffsetTouchesOnlyConstants) {
  db::Blob bytes = SampleBlock().Serialize();
  EXPECT_TRUE(ParamsBlock::RunOperation("AddOffsetToAllConstsOperands", bytes, {100}));
  const auto block = ParamsBlock::Parse(bytes);
  EXPECT_EQ(block.InnerOperands[0].Key, (OperandKey{15, 107, 0}));
  EXPECT_EQ(block.InnerOperands[1].Key, (OperandKey{3, 40, 0}));
  EXPECT_EQ(block.InnerOperands[2].Key, (OperandKey{34, 102, 0}));
  EXPECT_EQ(block.Values, (std::vector<std::int32_t>{1, -2}));
  EXPECT_EQ(block.Extra, SampleBlock().Extra);
}

TEST(ParamsBlock, ReplacingAFindOnlyOperandReplacesEveryUseAndNothingElse) {
  db::Blob bytes = SampleBlock().Serialize();
  EXPECT_TRUE(ParamsBlock::RunOperation("ReplaceFindOnlyOperand", bytes, {3, 40, 0, 5, 9, 1}));
  const auto block = ParamsBlock::Parse(bytes);
  EXPECT_EQ(block.InnerOperands[1], (ParamsOperand{{5, 9, 1}, 231}));
  EXPECT_EQ(block.InnerOperands[3], (ParamsOperand{{5, 9, 1}, 233}));
  EXPECT_EQ(block.InnerOperands[0].Key, (OperandKey{15, 7, 0}));

  const db::Blob before = bytes;
  EXPECT_FALSE(ParamsBlock::RunOperation("ReplaceFindOnlyOperand", bytes, {3, 40, 1, 5, 9, 1}));
  EXPECT_EQ(bytes, before) << "nothing matched, nothing rewritten";
}

TEST(ParamsBlock, OperationsLeaveForeignBlocksAloneAndRefuseUnknownNames) {
  db::Blob foreign = {1, 2, 3};
  EXPECT_FALSE(ParamsBlock::RunOperation("AddOffsetToAllConstsOperands", foreign, {5}));
  EXPECT_EQ(foreign, (db::Blob{1, 2, 3}));
  db::Blob empty;
  EXPECT_FALSE(ParamsBlock::RunOperation("AddOffsetToAllConstsOperands", empty, {5}));
  EXPECT_TRUE(empty.empty());
  EXPECT_THROW(ParamsBlock::RunOperation("DeleteEverything", foreign, {}), std::invalid_argument);
  EXPECT_THROW(ParamsBlock::RunOperation("ReplaceFindOnlyOperand", foreign, {1, 2, 3}), std::invalid_argument);
}

class ParamsObjectTest : public OutsideFixture {
protected:
  std::shared_ptr<ShapedParamsObject> ComInit() {
    ParamsShape shape;
    shape.ElementType = 1400;
    shape.Inputs = 1;
    shape.Outputs = 1;
    shape.ValueCount = 2;
    shape.Box = {19, 9};
    shape.Texts = {"COM Init", "COM INIT"};
    shape.AllowedOnBusBar = false;
    auto object = Host().Operands->NewParamsObject(shape);
    object->CreateOperands();
    return object;
  }
  bool Configure(ParamsObject& object) { return object.Configure(*Host().Dialogs, *Host().Messages); }
};

TEST_F(ParamsObjectTest, ItMakesTheOperandsAndTextsOfItsShape) {
  auto object = ComInit();
  ASSERT_EQ(object->InputOperands().size(), 1u);
  ASSERT_EQ(object->OutputOperands().size(), 1u);
  EXPECT_TRUE(object->InputOperands()[0]->IsNewSlot());
  EXPECT_EQ(object->InputOperands()[0]->DefaultText(), "Select Operand And Address");
  EXPECT_EQ(object->Texts(), (std::vector<std::string>{"COM Init", "COM INIT", ""}));
  EXPECT_EQ(object->BoxSize(), (BoxExtent{19, 9}));
  EXPECT_EQ(object->Values(), (std::vector<std::int32_t>{0, 0}));
}

TEST_F(ParamsObjectTest, ConfigurationAsksTheValuesThenEachOperand) {
  auto object = ComInit();
  mHost.Answers->QueueDialog("1,9600,7");
  mHost.Answers->QueueDialog("1, 9600");
  mHost.Answers->QueueOperandWords({"MI", "3"}, Host().Operands->Types());
  mHost.Answers->QueueOperandWords({"MB", "4"}, Host().Operands->Types());
  EXPECT_TRUE(Configure(*object));
  EXPECT_EQ(object->Values(), (std::vector<std::int32_t>{1, 9600}));
  EXPECT_EQ(object->InputOperands()[0]->Key(), (OperandKey{3, 3, 0}));
  EXPECT_EQ(object->OutputOperands()[0]->Key(), (OperandKey{1, 4, 0}));
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"dialog config \"0,0\" -> 1,9600,7",
                                      "msgbox \"The settings of this box are 2 whole numbers separated by commas.\"",
                                      "dialog config \"0,0\" -> \"1, 9600\""}));
}

TEST_F(ParamsObjectTest, ACancelAnywhereLeavesEverythingAsItWas) {
  auto object = ComInit();
  mHost.Answers->QueueDialog("2,19200");
  mHost.Answers->QueueOperandWords({"MI", "3"}, Host().Operands->Types());
  mHost.Answers->QueueOperandCancel();
  EXPECT_FALSE(Configure(*object));
  EXPECT_EQ(object->Values(), (std::vector<std::int32_t>{0, 0}));
  EXPECT_EQ(object->InputOperands()[0]->OprndType(), 0);
  EXPECT_TRUE(object->InputOperands()[0]->IsNewSlot());
}

TEST_F(ParamsObjectTest, ItsBlockRoundTripsWithInnerOperands) {
  auto object = ComInit();
  object->SetValues({3, 115200});
  object->SetInstanceNumber(4);
  mDb->Execute("INSERT INTO LdrOperands VALUES (3, 50, 0, 'Buffer', 0, 0)");
  object->AddFindOnlyOperand({3, 50, 0});
  const db::Blob bytes = object->MoreParamsBin();

  auto loaded = ComInit();
  loaded->SetMoreParamsBin(bytes);
  EXPECT_EQ(loaded->Values(), (std::vector<std::int32_t>{3, 115200}));
  EXPECT_EQ(loaded->InstanceNumber(), 4);
  ASSERT_EQ(loaded->FindOnlyOperands().size(), 1u);
  EXPECT_EQ(loaded->FindOnlyOperands()[0]->Key(), (OperandKey{3, 50, 0}));
  EXPECT_EQ(loaded->FindOnlyOperands()[0]->Slot(), 230);
  EXPECT_EQ(loaded->FindOnlyOperands()[0]->Description(), "Buffer");
  EXPECT_EQ(loaded->MoreParamsBin(), bytes);

  db::Blob damaged(bytes.begin(), bytes.end() - 2);
  EXPECT_THROW(loaded->SetMoreParamsBin(damaged), std::invalid_argument);
  EXPECT_EQ(loaded->Values(), (std::vector<std::int32_t>{3, 115200})) << "a refused block changes nothing";
  EXPECT_EQ(loaded->FindOnlyOperands().size(), 1u);
}

TEST_F(ParamsObjectTest, PlacementOnTheBusBarIsRefusedWithTheCallersText) {
  auto object = ComInit();
  EXPECT_TRUE(object->CheckPlacement(3, "FB Method Not Allowed On BUSBAR", *Host().Messages));
  EXPECT_FALSE(object->CheckPlacement(0, "FB Method Not Allowed On BUSBAR", *Host().Messages));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"msgbox \"FB Method Not Allowed On BUSBAR\""}));
}
