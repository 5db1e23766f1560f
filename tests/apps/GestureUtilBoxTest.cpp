// Communication and second-set boxes through `ldr script`: a box placed by
// its tool with its settings answered through `dialog`, configured again by a
// double click, a cancelled configuration that takes the box away, and a
// data-table row box pasted with the constants its block holds moved with
// the constants of the operand list. Net n's element point (x, y) lies at
// board pixel (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/ElementSample.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "outside/operands/ParamsBlock.h"
#include "platform/database/Connection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace ldr::test {
namespace {

class GestureUtilBox : public ::testing::Test {
protected:
  std::string Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in("new " + mPath + "\ninit\nload 2\n" + lines);
    script::ScriptRunner runner(out, err);
    EXPECT_EQ(runner.Run(in), 0) << err.str();
    mProject = db::Connection::Open(mPath, db::OpenMode::ExistingReadOnly);
    return out.str();
  }
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  ParamsBlock Block(long elementID) {
    return ParamsBlock::Parse(
        mProject->QueryValue("SELECT MoreParamsBin FROM LdrElements WHERE ElmntID=?", {elementID}).AsBlob());
  }
  long Scalar(const std::string& sql) { return mProject->QueryValue(sql).AsLong(); }

  TempDir mDir;
  std::string mPath = mDir.File("boxes.ldrp");
  std::shared_ptr<db::Connection> mProject;
};

TEST_F(GestureUtilBox, ASecondSetBoxIsPlacedConfiguredAgainAndStored) {
  const std::string out =
      Run("tool ID_CANopenMiniConfig\ndialog node=200\ndialog node=42\n"
          "operand MI 1\noperand MI 2\noperand MB 3\nclick " +
          At(1, 10, 5) + "\ntool ID_CANopenMiniConfig\ndialog cancel\nclick " + At(2, 10, 5) +
          "\ndialog node=7\noperand MI 8\noperand MI 9\noperand MB 10\ndblclick " + At(1, 20, 7) + "\n");
  EXPECT_NE(out.find("dialog config \"node=1\" -> node=200"), std::string::npos) << out;
  EXPECT_NE(out.find("msgbox \"node ID: a whole number from 1 to 127.\""), std::string::npos) << out;
  EXPECT_NE(out.find("dialog config \"node=42\" -> node=7"), std::string::npos) << out;
  ASSERT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=1647"), 1) << "the cancelled box is gone";
  const long box = Scalar("SELECT ElmntID FROM LdrElements WHERE ElmntType=1647");
  EXPECT_EQ(Block(box).Values, (std::vector<std::int32_t>{7}));
  EXPECT_EQ(mProject
                ->QueryValue("SELECT group_concat(Elmnt_Oprnd_Adrs) FROM (SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs "
                             "WHERE ElmntID=? ORDER BY OprndOutIdx, OprndInIdx)",
                             {box})
                .AsText(),
            "8,9,10");
}

TEST_F(GestureUtilBox, APastedRowBoxMovesTheConstantsItsBlockHolds) {
  Run("tool ID_DB_Read_Line\ndialog table=3\noperand 15 77\noperand MI 5\nclick " + At(1, 10, 5) + "\nclick " +
      At(1, 20, 7) + "\nedit copy\nedit paste\nclick " + At(2, 10, 5) + "\n");
  auto rows = mProject->Query("SELECT ElmntID FROM LdrElements WHERE ElmntType=1402 ORDER BY ElmntID");
  std::vector<long> ids;
  for (const auto& row : rows.Rows()) ids.push_back(row[0].AsLong());
  ASSERT_EQ(ids.size(), 2u);
  for (long id : ids) {
    const ParamsBlock block = Block(id);
    ASSERT_EQ(block.InnerOperands.size(), 2u);
    // The block and the operand row that lets searches find it agree.
    EXPECT_EQ(
        block.InnerOperands[0].Key.Address,
        Scalar("SELECT Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE OprndInIdx=230 AND ElmntID=" + std::to_string(id)));
    EXPECT_EQ(block.InnerOperands[1].Key, (OperandKey{3, 5, 0}));
    EXPECT_EQ(block.Values, (std::vector<std::int32_t>{3}));
  }
  EXPECT_EQ(Block(ids[1]).InnerOperands[0].Key.Address, Block(ids[0]).InnerOperands[0].Key.Address + 1)
      << "the pasted constant lands above the project's";
}

TEST(UtilBoxSample, RenderElementDrawsEveryBoxOfTheTwoSetsInItsCell) {
  for (std::int32_t type : {1400, 1425, 1601, 1632, 1699, 1801, 1830, 1268}) {
    const gdi::Bitmap picture = ElementSample::Render(type);
    // The plain look's right box edge (x 98 + 154 from the inlet at column 1)
    // halfway down the box, inside its own cell.
    ASSERT_GE(picture.Width() / 2, 14 * (1 + 25)) << type;
    EXPECT_EQ(picture.GetPixel(14 + 251, 14 * 5 + 60), gdi::RGB(0, 0, 0)) << type;
  }
}

} // namespace
} // namespace ldr::test
