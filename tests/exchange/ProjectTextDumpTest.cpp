// The text dump: the same text whatever keys the rows have, and an edit
// shows as exactly the lines it changes.
#include "exchange/plcopen/ProjectTextDump.h"
#include "core/ProjectDatabase.h"
#include "exchange/plcopen/LadderProjectReader.h"
#include "support/LadderRows.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <vector>

namespace ldr::test {

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr long kMain = ProjectDatabase::kMainFunctionID;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ProjectTextDumpTest : public ProjectFixture {
protected:
  std::string Dump(const std::vector<long>& funcIDs = {}) {
    return plcopen::ProjectTextDump(plcopen::LadderProjectReader(Db()).Read(funcIDs)).Text();
  }

  // A label, a jump to it, a call, a contact with a described operand and a wire.
  void FillMain() {
    const long label = StripAt(Db(), kMain, 2);
    MakeLabel(Db(), label, "Again", "from the top");
    const long net = StripAt(Db(), kMain, 1);
    AddContact(Db(), net, 200, 0, 3, 9, 4);
    AddElement(Db(), net, 100, 6, 3, 10, 0);
    const long jump = AddElement(Db(), net, 600, 16, 3);
    AddOperand(Db(), jump, 0, 1, 29, label);
    const long call = AddElement(Db(), net, 601, 0, 6);
    AddOperand(Db(), call, 0, 1, 31, ProjectDatabase::kStartFunctionID);
    DescribeOperand(Db(), 9, 4, "Door \"closed\"");
  }
};

TEST_F(ProjectTextDumpTest, WritesReferencesByNameAndDescriptionsOnce) {
  FillMain();
  const std::string text = Dump({kMain});
  EXPECT_THAT(text, HasSubstr("subroutine \"Module 1.Main\" main\n  net 1 height 14\n"
                              "    \"Direct Contact\" 200 at 0,3 in1=I 4\n"
                              "    line 100 at 6,3 size 10,0\n"
                              "    \"Jump To Label\" 600 at 16,3 out1=LBL \"Again\"\n"
                              "    \"CALL Subroutine\" 601 at 0,6 out1=SUB \"Module 1.Start\"\n"
                              "  label \"Again\" comment \"from the top\"\n"));
  EXPECT_THAT(text, HasSubstr("\noperand I 4 \"Door \\\"closed\\\"\"\n"));
  EXPECT_THAT(text, Not(HasSubstr("Module 1.Start\" start"))); // only the subroutine asked for
  EXPECT_THROW(Dump({999}), std::invalid_argument);
}

TEST_F(ProjectTextDumpTest, NewKeysForEveryRowLeaveTheTextAsItWas) {
  FillMain();
  const std::string before = Dump();
  Db().Execute("PRAGMA foreign_keys=OFF");
  Db().Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Adrs=Elmnt_Oprnd_Adrs+500 WHERE Elmnt_Oprnd_Type=29 AND "
               "Elmnt_Oprnd_Adrs>0");
  Db().Execute("UPDATE LdrStrips SET StripID=StripID+500");
  Db().Execute("UPDATE LdrElements SET StripID=StripID+500, ElmntID=ElmntID+1000");
  Db().Execute("UPDATE LdrElmsOprs SET ElmntID=ElmntID+1000");
  Db().Execute("UPDATE LdrFunctions SET FuncID=FuncID+50");
  Db().Execute("UPDATE LdrStrips SET FuncID=FuncID+50");
  Db().Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Adrs=Elmnt_Oprnd_Adrs+50 WHERE Elmnt_Oprnd_Type=31");
  Db().Execute("PRAGMA foreign_keys=ON");
  EXPECT_EQ(Dump(), before);
}

TEST_F(ProjectTextDumpTest, AnEditChangesExactlyItsOwnLine) {
  FillMain();
  const auto before = Lines(Dump());
  Db().Execute("UPDATE LdrElements SET Xs=7 WHERE ElmntType=100");
  const auto after = Lines(Dump());
  ASSERT_EQ(before.size(), after.size());
  std::vector<std::string> changed;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) changed.push_back(after[i]);
  EXPECT_EQ(changed, std::vector<std::string>{"    line 100 at 7,3 size 10,0"});
}

} // namespace

} // namespace ldr::test
