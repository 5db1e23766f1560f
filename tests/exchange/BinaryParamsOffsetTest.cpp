// The constants kept inside parameter blocks follow a paste's constant
// offset: only the freshly appended elements, only the types that keep
// constants there, and a block that is not ours is left as it is.

#include "exchange/clsBufferServices.h"
#include "outside/operands/ParamsBlock.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class BinaryParamsOffset : public ProjectFixture {
protected:
  long AddElement(long type, const db::Blob& block) {
    const long net = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum LIMIT 1");
    return static_cast<long>(
        Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", type}, {"MoreParamsBin", db::DbValue(block)}}));
  }
  static db::Blob Holding(long type, long constantAddress) {
    ParamsBlock block;
    block.ElementType = type;
    block.InnerOperands = {{{15, constantAddress, 0}, 230}, {{3, constantAddress, 0}, 231}};
    block.Extra = {1};
    return block.Serialize();
  }
  std::vector<long> Addresses(long id) {
    std::vector<long> addresses;
    const auto block =
        ParamsBlock::Parse(Db().QueryValue("SELECT MoreParamsBin FROM LdrElements WHERE ElmntID=?", {id}).AsBlob());
    for (const auto& operand : block.InnerOperands) addresses.push_back(operand.Key.Address);
    return addresses;
  }
};

TEST_F(BinaryParamsOffset, OnlyTheAppendedHoldersMoveTheirConstants) {
  const long before = AddElement(1402, Holding(1402, 4));
  const long readRow = AddElement(1402, Holding(1402, 4));
  const long writeRow = AddElement(1403, Holding(1403, 5));
  const long readColumn = AddElement(1419, Holding(1419, 6));
  const long clear = AddElement(1413, Holding(1413, 6));
  const db::Blob foreign = {'n', 'o', 't', ' ', 'o', 'u', 'r', 's'};
  const long damaged = AddElement(1403, foreign);
  clsBufferServices(Db()).UpdateConstsAddressesInBinaryParams(10, readRow, damaged);
  EXPECT_EQ(Addresses(before), (std::vector<long>{4, 4}));
  EXPECT_EQ(Addresses(readRow), (std::vector<long>{14, 4})) << "the constant moves, the memory operand stays";
  EXPECT_EQ(Addresses(writeRow), (std::vector<long>{15, 5}));
  // The column box's operand row moves too: its block must follow it.
  EXPECT_EQ(Addresses(readColumn), (std::vector<long>{16, 6}));
  EXPECT_EQ(Addresses(clear), (std::vector<long>{6, 6})) << "a table clear box holds no operands";
  EXPECT_EQ(Db().QueryValue("SELECT MoreParamsBin FROM LdrElements WHERE ElmntID=?", {damaged}).AsBlob(), foreign);
}

} // namespace
} // namespace ldr::test
