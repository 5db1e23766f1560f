// Pasted function-block instances: renumbered clear of the project's,
// descriptions made unique, instance IDs given out up to 256.

#include "core/LdrError.h"
#include "exchange/clsBufferServices.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class BlockInstanceBuffers : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mBuffers = std::make_unique<clsBufferServices>(Db());
    for (const char* table : {"LdrElements", "FB_Instance_Details"})
      Db().Execute(std::string("CREATE TABLE b_") + table + " AS SELECT * FROM " + table + " WHERE 0");
  }
  void AddElement(const std::string& prefix, long type, long instance) {
    Db().Execute("INSERT INTO " + prefix + "LdrElements (StripID, ElmntType, Xs, Ys, MoreParamsLng) VALUES (1,?,0,0,?)",
                 {type, instance});
  }
  void AddInstance(const std::string& prefix, long id, long number, const std::string& description) {
    Db().Execute("INSERT INTO " + prefix +
                     "FB_Instance_Details (InstanceID, FatherID, InstanceNumber, InstanceDescription) "
                     "VALUES (?,100200,?,?)",
                 {id, number, description});
  }
  std::vector<std::string> Texts(const std::string& sql) {
    std::vector<std::string> values;
    const auto rows = Db().Query(sql);
    for (const auto& row : rows.Rows()) values.push_back(row[0].AsText());
    return values;
  }

  std::unique_ptr<clsBufferServices> mBuffers;
};

TEST_F(BlockInstanceBuffers, PastedInstancesTakeNumbersNothingInTheProjectUses) {
  // The project: instances 1 and 2, an element of instance 4 without a row, an orphan.
  AddInstance("", 1, 1, "Counter1");
  AddInstance("", 2, 2, "Counter2");
  AddElement("", 100201, 4);
  AddElement("", 100202, 32000);
  // The buffer: configurations 1 and 2 with their rows, one without a row,
  // a method of buffer instance 2, one of the project's instance 1, an orphan.
  AddInstance("b_", 7, 1, "Counter1");
  AddInstance("b_", 8, 2, "Other");
  for (const auto& [type, instance] : std::vector<std::pair<long, long>>{
           {100201, 1}, {100201, 2}, {100201, 3}, {100202, 2}, {100203, 9}, {100202, 32000}})
    AddElement("b_", type, instance);
  mBuffers->HandleFBsDuplicateConfigInstancesForExternal("FB_Instance_Details", "LdrElements", "b_", true);
  mBuffers->HandleFBsInstanceDescriptions("FB_Instance_Details", "LdrElements", "b_");
  EXPECT_EQ(Texts("SELECT ElmntType || ' ' || MoreParamsLng FROM b_LdrElements ORDER BY rowid"),
            (std::vector<std::string>{"100201 5", "100201 6", "100201 7", "100202 6", "100203 9", "100202 32000"}));
  EXPECT_EQ(Texts("SELECT InstanceNumber || ' ' || InstanceID || ' ' || InstanceDescription FROM "
                  "b_FB_Instance_Details ORDER BY InstanceNumber"),
            (std::vector<std::string>{"5 -1 Counter1(1)", "6 -1 Other", "7 -1 Block7"}));
  mBuffers->AppendInstancesBufferTables("b_");
  mBuffers->GiveInstanceIDsToNewlyAddedFB();
  EXPECT_EQ(Texts("SELECT InstanceID FROM FB_Instance_Details ORDER BY InstanceNumber"),
            (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST_F(BlockInstanceBuffers, DescriptionsDifferInCaseAsWellAndGrowNoLongerThanTheColumn) {
  AddInstance("", 1, 1, "Counter1");
  const std::string longName(60, 'x');
  AddInstance("b_", 1, 1, "COUNTER1");
  AddInstance("b_", 2, 2, "counter1");
  AddInstance("b_", 3, 3, longName);
  AddInstance("b_", 4, 4, longName);
  mBuffers->HandleFBsInstanceDescriptions("FB_Instance_Details", "LdrElements", "b_");
  EXPECT_EQ(
      Texts("SELECT InstanceDescription FROM b_FB_Instance_Details ORDER BY rowid"),
      (std::vector<std::string>{"COUNTER1(1)", "counter1(2)", std::string(50, 'x'), std::string(47, 'x') + "(1)"}));
}

TEST_F(BlockInstanceBuffers, InstanceIDsFillGapsAndRunOutAfter256) {
  for (long id : {1, 2, 4}) AddInstance("", id, id, "I" + std::to_string(id));
  AddInstance("", -1, 10, "A");
  AddInstance("", -1, 11, "B");
  mBuffers->GiveInstanceIDsToNewlyAddedFB();
  EXPECT_EQ(Texts("SELECT InstanceID FROM FB_Instance_Details ORDER BY InstanceNumber"),
            (std::vector<std::string>{"1", "2", "4", "3", "5"}));
  for (long id = 6; id <= 256; ++id) AddInstance("", id, id + 100, "J" + std::to_string(id));
  AddInstance("", -1, 500, "Late");
  try {
    mBuffers->GiveInstanceIDsToNewlyAddedFB();
    FAIL() << "no error";
  } catch (const LdrError& e) {
    EXPECT_EQ(e.Message(), "No Free Instance ID");
    EXPECT_EQ(e.Title(), "InstanceID retriver");
  }
  EXPECT_EQ(Texts("SELECT InstanceID FROM FB_Instance_Details WHERE InstanceNumber=500"),
            (std::vector<std::string>{"-1"}));
}

TEST_F(BlockInstanceBuffers, OrphansPastedFromAnotherProjectShareOneFreshNumberPerFather) {
  AddInstance("", 1, 3, "Counter3");
  AddElement("", 100202, 32000); // an orphan of an earlier paste stays one
  const long first = Db().QueryValue("SELECT MAX(ElmntID) FROM LdrElements").AsLong() + 1;
  AddElement("", 100202, 32000);
  AddElement("", 100203, 32000);
  AddElement("", 100302, 32000);
  mBuffers->HandleFBsOrphandChildsInTargetForExternalPaste("clpbrd_", first, first + 2);
  EXPECT_EQ(Texts("SELECT MoreParamsLng FROM LdrElements WHERE ElmntType>=100000 ORDER BY ElmntID"),
            (std::vector<std::string>{"32000", "4", "4", "1"}));
  EXPECT_EQ(mBuffers->GetNewInstanceNumberFromLdrElementsTable(100200), 5);
}

} // namespace
} // namespace ldr::test
