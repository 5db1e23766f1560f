// Function blocks as a user places and copies them through `ldr script`, on
// the demo block library: a configuration method makes an instance, a method
// works on one, a double click configures a placed one again, and pasted
// blocks never take an instance the project has.
// Element point (x, y) of net n lies at board pixel (14 (x + 2), 14 (14 (n - 1) + y)).

#include "apps/ldr/ElementSample.h"
#include "apps/ldr/script/ScriptLine.h"
#include "apps/ldr/script/ScriptRunner.h"
#include "outside/operands/FunctionBlockLibrary.h"
#include "outside/operands/ParamsBlock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace ldr::test {
namespace {

class BlockEditor {
public:
  explicit BlockEditor(const std::string& project) {
    Do("new " + project);
    FunctionBlockLibrary::InstallDemoLibrary(Db());
    Do("init");
    Do("load 2");
  }
  void Do(const std::string& line) { mRunner.Execute(script::ScriptLine::Split(line)); }
  db::Connection& Db() { return mRunner.Editor().Db(); }
  std::string Log() const { return mOut.str(); }
  std::vector<std::string> Texts(const std::string& sql) {
    std::vector<std::string> values;
    const auto rows = Db().Query(sql);
    for (const auto& row : rows.Rows()) values.push_back(row[0].AsText());
    return values;
  }
  static std::string At(int net, int x, int y) {
    return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * (14 * (net - 1) + y));
  }
  // The configuration method (setting 5, operands MI 1 and MI 2) at (4, 5).
  void PlaceConfiguration(int net) {
    Do("call CreateFunctionBlock 100201");
    Do("dialog 5");
    Do("operand MI 1");
    Do("operand MI 2");
    Do("click " + At(net, 4, 5));
  }
  void PlaceCount(int net, int instance) {
    Do("call CreateFunctionBlock 100202");
    Do("dialog " + std::to_string(instance));
    Do("operand MI 3");
    Do("operand MB 4");
    Do("click " + At(net, 30, 5));
  }
  void SelectNet(int net) {
    const std::string header = "10 " + std::to_string(14 * (14 * (net - 1) + 5));
    Do("ldown 1 0 " + header);
    Do("lup 1 0 " + header);
  }

private:
  std::ostringstream mOut, mErr;
  script::ScriptRunner mRunner{mOut, mErr};
};

class FunctionBlockGesture : public ::testing::Test {
protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", mDir.File("config").c_str(), 1); }
  void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
  // "number description" of every instance row, and "type number" of every block element, in net order.
  static std::vector<std::string> Instances(BlockEditor& ed) {
    return ed.Texts("SELECT InstanceNumber || ' ' || InstanceDescription FROM FB_Instance_Details ORDER BY "
                    "InstanceNumber");
  }
  static std::vector<std::string> Blocks(BlockEditor& ed) {
    return ed.Texts("SELECT e.ElmntType || ' ' || e.MoreParamsLng FROM LdrElements e JOIN LdrStrips s ON "
                    "s.StripID=e.StripID WHERE e.ElmntType>=100000 ORDER BY s.SeqNum, e.Xs");
  }

  TempDir mDir;
};

TEST_F(FunctionBlockGesture, AConfigurationMakesAnInstanceAndAMethodWorksOnIt) {
  BlockEditor ed(mDir.File("p.ldrp"));
  ed.PlaceConfiguration(1);
  ed.PlaceCount(1, 1);
  EXPECT_NE(ed.Log().find("dialog config \"0\" -> 5"), std::string::npos) << ed.Log();
  EXPECT_NE(ed.Log().find("dialog config \"1\" -> 1"), std::string::npos);
  EXPECT_EQ(Instances(ed), (std::vector<std::string>{"1 Counter1"}));
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1", "100202 1"}));
  EXPECT_EQ(ed.Texts("SELECT group_concat(t, ' ') FROM (SELECT o.Elmnt_Oprnd_Type || ':' || o.Elmnt_Oprnd_Adrs AS t "
                     "FROM LdrElmsOprs o JOIN LdrElements e ON e.ElmntID=o.ElmntID WHERE e.ElmntType>=100000 ORDER "
                     "BY e.ElmntID, o.OprndOutIdx, o.OprndInIdx)"),
            (std::vector<std::string>{"3:1 3:2 3:3 1:4"}));
  ed.Do("key 27");
  ed.Do("move 0 0 " + BlockEditor::At(1, 13, 6));
  EXPECT_NE(ed.Log().find("tooltip \"Demo Counter - Configure - Instance 1 (Counter1)\""), std::string::npos);
}

TEST_F(FunctionBlockGesture, ACtrlDragCopyOfAConfigurationStartsANewInstance) {
  BlockEditor ed(mDir.File("p.ldrp"));
  ed.PlaceConfiguration(1);
  ed.Do("click " + BlockEditor::At(1, 13, 6));
  ed.Do("down 1 0 " + BlockEditor::At(1, 13, 6));
  ed.Do("move 1 2 " + BlockEditor::At(1, 23, 6));
  ed.Do("move 1 2 " + BlockEditor::At(1, 33, 6));
  ed.Do("up 1 2 " + BlockEditor::At(1, 33, 6));
  // The copy left behind keeps instance 1; the moved one starts instance 2.
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1", "100201 2"}));
  EXPECT_EQ(Instances(ed), (std::vector<std::string>{"1 Counter1", "2 Counter1(1)"}));
  // Undo takes the new instance away with the copy.
  ed.Do("undo");
  EXPECT_EQ(Instances(ed), (std::vector<std::string>{"1 Counter1"}));
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1"}));
}

TEST_F(FunctionBlockGesture, PastingANetTwiceGivesEachCopyItsOwnInstance) {
  BlockEditor ed(mDir.File("p.ldrp"));
  ed.PlaceConfiguration(1);
  ed.PlaceCount(1, 1);
  ed.SelectNet(1);
  ed.Do("edit copy");
  for (int i = 0; i < 2; ++i) {
    ed.Do("edit paste");
    ed.Do("click " + BlockEditor::At(1, 10, 3));
  }
  EXPECT_EQ(Instances(ed), (std::vector<std::string>{"1 Counter1", "2 Counter1(1)", "3 Counter1(2)"}));
  // Net 1, then the second paste (in front of the first): each method stays with its own configuration.
  EXPECT_EQ(Blocks(ed),
            (std::vector<std::string>{"100201 1", "100202 1", "100201 3", "100202 3", "100201 2", "100202 2"}));
}

TEST_F(FunctionBlockGesture, APasteIntoAnotherProjectTakesNoInstanceOfIt) {
  BlockEditor source(mDir.File("a.ldrp"));
  source.PlaceConfiguration(1);
  source.PlaceCount(1, 1);
  BlockEditor target(mDir.File("b.ldrp"));
  target.PlaceConfiguration(1);
  target.PlaceConfiguration(2);
  source.SelectNet(1);
  source.Do("edit copy");
  target.Do("edit paste");
  target.Do("click " + BlockEditor::At(2, 10, 3));
  EXPECT_EQ(Instances(target), (std::vector<std::string>{"1 Counter1", "2 Counter2", "3 Counter1(1)"}));
  EXPECT_EQ(Blocks(target), (std::vector<std::string>{"100201 1", "100201 2", "100201 3", "100202 3"}));
  // A method copied without its configuration arrives orphaned and gets a fresh number, not instance 1 or 2.
  source.Do("click " + BlockEditor::At(1, 39, 6));
  source.Do("edit copy");
  target.Do("edit paste");
  target.Do("click " + BlockEditor::At(4, 30, 5));
  EXPECT_EQ(target.Texts("SELECT MoreParamsLng FROM LdrElements WHERE ElmntType=100202 ORDER BY ElmntID").back(), "4");
  EXPECT_EQ(Instances(target).size(), 3u);
}

TEST_F(FunctionBlockGesture, ADoubleClickConfiguresAPlacedBlockAgainAsOneEditThatIsStored) {
  BlockEditor ed(mDir.File("p.ldrp"));
  ed.PlaceConfiguration(1);
  ed.PlaceConfiguration(2);
  ed.PlaceCount(1, 1);
  const auto countOperands = [&] {
    return ed.Texts("SELECT group_concat(t, ' ') FROM (SELECT o.Elmnt_Oprnd_Type || ':' || o.Elmnt_Oprnd_Adrs AS t "
                    "FROM LdrElmsOprs o JOIN LdrElements e ON e.ElmntID=o.ElmntID WHERE e.ElmntType=100202 ORDER BY "
                    "o.OprndOutIdx, o.OprndInIdx)");
  };
  const auto settings = [&](const std::string& sql) {
    return ParamsBlock::Parse(ed.Db().QueryValue(sql).AsBlob()).Values;
  };
  const std::string firstConfiguration =
      "SELECT e.MoreParamsBin FROM LdrElements e JOIN LdrStrips s ON s.StripID=e.StripID WHERE e.ElmntType=100201 "
      "ORDER BY s.SeqNum LIMIT 1";
  const std::string firstInstance = "SELECT ConfigInstanceData FROM FB_Instance_Details WHERE InstanceNumber=1";
  // The method moves to the other instance and takes new operands.
  ed.Do("dialog 2");
  ed.Do("operand MI 7");
  ed.Do("operand MB 8");
  ed.Do("dblclick " + BlockEditor::At(1, 39, 6));
  EXPECT_NE(ed.Log().find("dialog config \"1\" -> 2"), std::string::npos) << ed.Log();
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1", "100202 2", "100201 2"}));
  EXPECT_EQ(countOperands(), (std::vector<std::string>{"3:7 1:8"}));
  // The configuration keeps its instance; the instance row takes the new setting.
  ed.Do("dialog 9");
  ed.Do("operand MI 1");
  ed.Do("operand MI 2");
  ed.Do("dblclick " + BlockEditor::At(1, 13, 6));
  EXPECT_NE(ed.Log().find("dialog config \"5\" -> 9"), std::string::npos) << ed.Log();
  EXPECT_EQ(Instances(ed), (std::vector<std::string>{"1 Counter1", "2 Counter2"}));
  EXPECT_EQ(settings(firstConfiguration), (std::vector<std::int32_t>{9}));
  EXPECT_EQ(settings(firstInstance), (std::vector<std::int32_t>{9}));
  // One undo takes back the second double click only.
  ed.Do("undo");
  EXPECT_EQ(settings(firstConfiguration), (std::vector<std::int32_t>{5}));
  EXPECT_EQ(settings(firstInstance), (std::vector<std::int32_t>{5}));
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1", "100202 2", "100201 2"}));
  // A cancel, at the instance or at an operand, leaves the method as it was.
  ed.Do("dialog cancel");
  ed.Do("dblclick " + BlockEditor::At(1, 39, 6));
  ed.Do("dialog 1");
  ed.Do("operand MI 5");
  ed.Do("operand cancel");
  ed.Do("dblclick " + BlockEditor::At(1, 39, 6));
  EXPECT_EQ(Blocks(ed), (std::vector<std::string>{"100201 1", "100202 2", "100201 2"}));
  EXPECT_EQ(countOperands(), (std::vector<std::string>{"3:7 1:8"}));
}

TEST(FunctionBlockSample, RenderElementDrawsTheDemoBlockAndAMissingOne) {
  const auto block = ElementSample::Render(100202);
  const auto missing = ElementSample::Render(555502);
  const int inlet = 14, pinY = 14 * 5 + 42;
  const auto black = gdi::RGB(0, 0, 0);
  EXPECT_EQ(block.GetPixel(inlet + 94, pinY), black) << "the input pin";
  EXPECT_EQ(block.GetPixel(inlet + 172, pinY), black) << "the output pin";
  EXPECT_NE(missing.GetPixel(inlet + 94, pinY), black) << "a missing block has no pins";
  EXPECT_EQ(missing.GetPixel(inlet + 98, pinY), black) << "but its frame";
}

} // namespace
} // namespace ldr::test
