// The parameter objects of the communication boxes and the second utility
// set: every kind of the table stores and reloads what it holds, old layouts
// read back, and damaged blocks of any kind give the kind's defaults.
#include "OutsideFixture.h"

#include "outside/operands/KindParamsObject.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/operands/ParamsBlock.h"

#include <random>

namespace ldr::test {
namespace {

class KindParams : public OutsideFixture {
protected:
  std::shared_ptr<KindParamsObject> Make(long type) {
    auto object = MakeKindParamsObject(Host().Operands, type, "Title");
    if (!object) throw std::invalid_argument("no kind for " + std::to_string(type));
    return object;
  }
  // Every field away from its default: numbers at their maximum, texts with
  // the characters the configuration text escapes, constants in the block.
  static void FillAwayFromDefaults(KindParamsObject& object) {
    std::string text;
    long constant = 7;
    for (const auto& field : object.Kind().Fields) {
      if (ParamsKinds::IsValueField(field)) text += std::string(field.Name) + "=" + std::to_string(field.Max) + ";";
      if (field.Kind == ParamsFieldKind::Text) text += std::string(field.Name) + "=a\\;b\\\\c;";
      if (field.Kind == ParamsFieldKind::Operand) object.FieldOperand(field.Name)->SetKey({15, constant++, 0});
    }
    std::string problem;
    if (!object.ApplyConfigurationText(text, problem)) throw std::logic_error(problem);
  }
  static std::vector<OperandKey> InnerKeys(const KindParamsObject& object) {
    std::vector<OperandKey> keys;
    for (const auto& operand : object.FindOnlyOperands()) keys.push_back(operand->Key());
    return keys;
  }
};

TEST_F(KindParams, EveryKindStoresAndReloadsWhatItHolds) {
  for (const auto& kind : ParamsKinds::All()) {
    auto stored = Make(kind.Types.front().First);
    FillAwayFromDefaults(*stored);
    auto reloaded = Make(kind.Types.front().First);
    reloaded->SetMoreParamsBin(stored->MoreParamsBin());
    EXPECT_EQ(reloaded->ConfigurationText(), stored->ConfigurationText()) << kind.Name;
    EXPECT_EQ(InnerKeys(*reloaded), InnerKeys(*stored)) << kind.Name;
    EXPECT_EQ(reloaded->MoreParamsBin(), stored->MoreParamsBin()) << kind.Name;
    if (!kind.Fields.empty()) {
      EXPECT_NE(stored->MoreParamsBin(), Make(kind.Types.front().First)->MoreParamsBin()) << kind.Name;
    }
  }
}

TEST_F(KindParams, AnOldComInitBlockReadsBackWithTheNewFieldsAtTheirDefaults) {
  // Layout 1 of the serial port: port and baud rate only.
  ParamsBlock old;
  old.ElementType = 1400;
  old.Values = {2, 19200};
  old.Extra = {1};
  auto object = Make(1400);
  object->SetMoreParamsBin(old.Serialize());
  EXPECT_EQ(object->ConfigurationText(), "port=2;baud=19200;dataBits=8;parity=0;stopBits=1");
  // Written back in the current layout, with the version byte first.
  const ParamsBlock current = ParamsBlock::Parse(object->MoreParamsBin());
  EXPECT_EQ(current.Values, (std::vector<std::int32_t>{2, 19200, 8, 0, 1}));
  EXPECT_EQ(current.Extra, (db::Blob{2}));
  // A layout newer than the reader knows is foreign: defaults.
  old.Extra = {3};
  object->SetMoreParamsBin(old.Serialize());
  EXPECT_EQ(object->Number("port"), 0);
  EXPECT_EQ(object->Number("baud"), 9600);
}

TEST_F(KindParams, ForeignOrDamagedBlocksOfAnyKindGiveTheDefaults) {
  std::mt19937 random(1234);
  auto byte = [&] { return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random)); };
  int cases = 0;
  for (const auto& kind : ParamsKinds::All()) {
    const long type = kind.Types.front().First;
    const std::string defaults = Make(type)->ConfigurationText();
    auto filled = Make(type);
    FillAwayFromDefaults(*filled);
    const db::Blob good = filled->MoreParamsBin();
    auto reader = Make(type);
    // Every cut of a good block.
    for (std::size_t cut = 0; cut < good.size(); ++cut, ++cases) {
      reader->SetMoreParamsBin(db::Blob(good.begin(), good.begin() + static_cast<long>(cut)));
      ASSERT_EQ(reader->ConfigurationText(), defaults) << kind.Name << " cut at " << cut;
    }
    // Random bytes, and good blocks with one byte changed: whatever is taken
    // must be a block the kind itself would write, with values in range.
    for (int i = 0; i < 80; ++i, ++cases) {
      db::Blob bytes = i % 2 ? good : db::Blob(static_cast<std::size_t>(byte() % 48));
      if (i % 2)
        bytes[static_cast<std::size_t>(byte()) % bytes.size()] = byte();
      else
        for (auto& b : bytes) b = byte();
      ASSERT_NO_THROW(reader->SetMoreParamsBin(bytes)) << kind.Name;
      auto again = Make(type);
      again->SetMoreParamsBin(reader->MoreParamsBin());
      ASSERT_EQ(again->ConfigurationText(), reader->ConfigurationText()) << kind.Name;
      for (std::size_t f = 0, v = 0; f < kind.Fields.size(); ++f) {
        if (!ParamsKinds::IsValueField(kind.Fields[f])) continue;
        ASSERT_GE(reader->Values()[v], kind.Fields[f].Min) << kind.Name;
        ASSERT_LE(reader->Values()[v++], kind.Fields[f].Max) << kind.Name;
      }
    }
    // Another kind's block.
    reader->SetMoreParamsBin(Make(type == 1400 ? 1613 : 1400)->MoreParamsBin());
    EXPECT_EQ(reader->ConfigurationText(), defaults) << kind.Name;
  }
  EXPECT_GT(cases, 2000);
}

TEST_F(KindParams, TheOperationsByNameWorkOnEveryKindThatHoldsOperands) {
  int holders = 0;
  for (const auto& kind : ParamsKinds::All()) {
    auto object = Make(kind.Types.front().First);
    FillAwayFromDefaults(*object);
    const auto before = InnerKeys(*object);
    db::Blob bytes = object->MoreParamsBin();
    EXPECT_EQ(ParamsBlock::RunOperation("AddOffsetToAllConstsOperands", bytes, {100}), !before.empty()) << kind.Name;
    if (before.empty()) continue;
    ++holders;
    EXPECT_TRUE(ParamsBlock::RunOperation("ReplaceFindOnlyOperand", bytes, {15, before[0].Address + 100, 0, 3, 44, 0}));
    auto moved = Make(kind.Types.front().First);
    moved->SetMoreParamsBin(bytes);
    const auto after = InnerKeys(*moved);
    ASSERT_EQ(after.size(), before.size()) << kind.Name;
    EXPECT_EQ(after[0], (OperandKey{3, 44, 0})) << kind.Name;
    for (std::size_t i = 1; i < after.size(); ++i) EXPECT_EQ(after[i].Address, before[i].Address + 100) << kind.Name;
    EXPECT_EQ(moved->ConfigurationText(), object->ConfigurationText()) << kind.Name;
  }
  EXPECT_GE(holders, 4);
}

TEST_F(KindParams, ConfigurationAnswersNameSomeFieldsAndAreCheckedWhole) {
  auto object = Make(1409);
  std::string problem;
  EXPECT_TRUE(object->ApplyConfigurationText("phone=+49 30\\;1", problem));
  EXPECT_EQ(object->Text("phone"), "+49 30;1");
  EXPECT_EQ(object->ConfigurationText(), "port=0;phone=+49 30\\;1");
  EXPECT_FALSE(object->ApplyConfigurationText("port=2;speed=3", problem));
  EXPECT_FALSE(object->ApplyConfigurationText("port=2;phone=x;port=9", problem));
  EXPECT_NE(problem.find("COM port"), std::string::npos);
  EXPECT_EQ(object->ConfigurationText(), "port=0;phone=+49 30\\;1") << "a refused answer changes nothing";
}

TEST_F(KindParams, ConfigureAsksTheSettingsThenTheBlockOperandsThenThePinsAndACancelUndoesAll) {
  auto object = Make(1686); // a data-table query: table number, two inputs, one output
  object->CreateOperands();
  ASSERT_EQ(object->InputOperands().size(), 2u);
  ASSERT_EQ(object->OutputOperands().size(), 1u);
  EXPECT_EQ(object->InputOperands()[1]->DefaultText(), "Select Column Or Vector Operand");
  EXPECT_EQ(object->OutputOperands()[0]->DefaultText(), "Select Status Operand");
  auto sum = Make(1613);
  sum->CreateOperands();
  EXPECT_EQ(sum->InputOperands()[1]->DefaultText(), "Select Operand B");
  EXPECT_EQ(sum->OutputOperands()[0]->DefaultText(), "Select Result Operand");
  mHost.Answers->QueueDialog("table=300");
  mHost.Answers->QueueDialog("table=12");
  for (const char* address : {"1", "2", "3"})
    mHost.Answers->QueueOperandWords({"MI", address}, Host().Operands->Types());
  EXPECT_TRUE(object->Configure(*Host().Dialogs, *Host().Messages));
  EXPECT_EQ(object->Number("table"), 12);
  EXPECT_EQ(object->OutputOperands()[0]->Key(), (OperandKey{3, 3, 0}));
  EXPECT_EQ(object->Texts()[0], "Title (data table 12)");

  mHost.Answers->QueueDialog("table=40");
  mHost.Answers->QueueOperandWords({"MI", "9"}, Host().Operands->Types());
  mHost.Answers->QueueOperandCancel();
  EXPECT_FALSE(object->Configure(*Host().Dialogs, *Host().Messages));
  EXPECT_EQ(object->Number("table"), 12);
  EXPECT_EQ(object->InputOperands()[0]->Key(), (OperandKey{3, 1, 0}));
}

} // namespace
} // namespace ldr::test
