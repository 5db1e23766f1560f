// Operand entries as one line of text: written, read back, and refused
// with a reason.
#include "outside/operands/OperandEntryText.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

TEST(OperandEntryText, WrittenAndReadBack) {
  const OperandTypeCatalogue types;
  const std::vector<OperandEntry> entries = {
      {eOT_MI, 5, 0}, {eOT_ML, 7, 3}, {eOT_ConstFloat, 0, 0, 1.5}, {eOT_MB, 0, 0}};
  const std::string text = OperandEntryText::FormatList(entries, types);
  EXPECT_EQ(text, "MI 5, ML 7 3, CF 1.5, MB 0");
  std::string problem;
  const auto read = OperandEntryText::ParseList(text, entries.size(), types, problem);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(*read, entries);
  // Slots without an operand: nothing to propose at all, or "-" among others.
  EXPECT_EQ(OperandEntryText::FormatList({{}, {}}, types), "");
  EXPECT_EQ(OperandEntryText::FormatList({{}, {eOT_MI, 1, 0}}, types), "-, MI 1");
}

TEST(OperandEntryText, RefusedWithAReason) {
  const OperandTypeCatalogue types;
  const std::pair<const char*, const char*> cases[] = {
      {"MI 1, -", "Operand 2: \"-\" is no operand: write TYPE ADDRESS [NETWORK]."},
      {"MI 1,", "Operand 2: \"\" is no operand: write TYPE ADDRESS [NETWORK]."},
      {"MI 1", "Enter 2 operands separated by commas (found 1)."},
      {"MI 1, MI 2, MI 3", "Enter 2 operands separated by commas (found 3)."},
      {"MI 1, QQ 2", "Operand 2: \"QQ\" is no operand type."},
      {"MI x, MI 2", "Operand 1: The address must be a whole number, not \"x\"."},
      {"MI 99999999999, MI 2", "Operand 1: The address must be a whole number, not \"99999999999\"."},
      {"CF nan, MI 2", "Operand 1: The value of a constant must be a number, not \"nan\"."},
      {"MI 1 n, MI 2", "Operand 1: The network ID must be a whole number, not \"n\"."},
      {"MI 1 2 3, MI 2", "Operand 1: \"MI 1 2 3\" is no operand: write TYPE ADDRESS [NETWORK]."},
  };
  for (const auto& [text, reason] : cases) {
    std::string problem;
    EXPECT_FALSE(OperandEntryText::ParseList(text, 2, types, problem)) << text;
    EXPECT_EQ(problem, reason) << text;
  }
}

} // namespace
} // namespace ldr::test
