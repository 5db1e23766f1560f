// Operands through `ldr script`: the operand list the headless host leaves,
// and the host's operand replacement through the main object, for the
// subroutine on view and for one that is not.

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class OperandGesture : public ::testing::Test {
protected:
  std::string Run(const std::string& lines) {
    std::ostringstream out, err;
    std::istringstream in(lines);
    ldr::script::ScriptRunner runner(out, err);
    EXPECT_EQ(runner.Run(in), 0) << err.str();
    return out.str();
  }
  static std::string Sql(const std::string& query) { return "sql \"" + query + "\"\n"; }
  static std::string Slot() {
    return Sql("SELECT Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE OprndInIdx=1");
  }
  static std::string Dirty() { return Sql("SELECT CompileDirtyBit FROM LdrStrips WHERE FuncID=2 AND SeqNum=1"); }

  ldr::test::TempDir mDir;
  std::string mPath = mDir.File("o.ldrp");
};

TEST_F(OperandGesture, APlacedContactHasItsOperandListRow) {
  EXPECT_EQ(Run("new " + mPath + "\ninit\nload 2\ntool ID_LDirectContact\noperand MB 5\nclick 168 70\n" +
                Sql("SELECT OprndType, OprndAddress, NetworkID FROM LdrOperands")),
            "1|5|0\n");
}

TEST_F(OperandGesture, ReplaceOperandStoresTheSlotAndMarksTheNetOpenOrClosed) {
  Run("new " + mPath + "\ninit\nload 2\ntool ID_LDirectContact\noperand MB 5\nclick 168 70\n");
  const std::string ids =
      Run("open " + mPath + "\n" + Sql("SELECT StripID, ElmntID FROM LdrElements WHERE ElmntType=200"));
  const std::string strip = ids.substr(0, ids.find('|'));
  const std::string element = ids.substr(ids.find('|') + 1, ids.find('\n') - ids.find('|') - 1);
  const std::string replace = "call ReplaceOperand 1 2 " + strip + " " + element + " 1 0 0 1 ";
  const std::string clean = Sql("UPDATE LdrStrips SET CompileDirtyBit=0");
  // Subroutine 2 on view, then with subroutine 1 on view.
  EXPECT_EQ(Run("open " + mPath + "\n" + clean + "init\nload 2\n" + replace + "40\n" + Slot() + Dirty()),
            "-1\n1|40\n-1\n");
  EXPECT_EQ(Run("open " + mPath + "\n" + clean + "init\nload 1\n" + replace + "41\n" + Slot() + Dirty() + "load 2\n" +
                Slot()),
            "-1\n1|41\n-1\n1|41\n");
}

} // namespace
