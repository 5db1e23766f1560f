// Whole scripts through the runner, as `ldr script` runs them.
#include "apps/ldr/script/ScriptRunner.h"
#include "outside/operands/HitRecord.h"
#include "platform/boards/PictureBoardEvents.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <sstream>

namespace {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

class Script : public ::testing::Test {
protected:
  ScriptResult Run(const std::string& text) {
    std::ostringstream out, err;
    std::istringstream in(text);
    ldr::script::ScriptRunner runner(out, err);
    int status = runner.Run(in);
    return {status, out.str(), err.str()};
  }
  // A fresh project path for each script.
  std::string NewProject() { return mDir.File("p" + std::to_string(++mProjects) + ".ldrp"); }
  std::string Project() const { return mDir.File("p" + std::to_string(mProjects) + ".ldrp"); }

  ldr::test::TempDir mDir;
  int mProjects = 0;
};

// The grid cells (as the editor reckons them) the moves a board receives
// pass through, a cell moved in twice running counted once.
class MoveCells : public ldr::PictureBoardEvents {
public:
  void OnMouseDown(ldr::PictureBoard&, int, int, int, int) override {}
  void OnMouseMove(ldr::PictureBoard&, int, int, int x, int y) override {
    const std::pair<int, int> cell{ldr::HitRecord::PixelToGrid(x), ldr::HitRecord::PixelToGrid(y)};
    if (Cells.empty() || Cells.back() != cell) Cells.push_back(cell);
  }
  void OnMouseUp(ldr::PictureBoard&, int, int, int, int) override {}
  void OnDblClick(ldr::PictureBoard&, int, int, int, int) override {}
  std::vector<std::pair<int, int>> Cells;
};

} // namespace

// Every cell of the path in turn, the last one the end's: across, down and
// on a slant.
TEST_F(Script, DragMovesThroughEveryGridCellOfThePath) {
  std::ostringstream out, err;
  ldr::script::ScriptRunner runner(out, err);
  runner.Execute({"new", NewProject()});
  runner.Execute({"init"});
  runner.Execute({"load", "2"});
  MoveCells moves;
  runner.Editor().RightBoard().AddListener(&moves);
  runner.Execute({"drag", "70", "70", "140", "70"});
  EXPECT_EQ(moves.Cells, (std::vector<std::pair<int, int>>{{6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}}));
  moves.Cells.clear();
  runner.Execute({"drag", "84", "28", "84", "98"});
  EXPECT_EQ(moves.Cells, (std::vector<std::pair<int, int>>{{6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}}));
  moves.Cells.clear();
  runner.Execute({"drag", "28", "28", "84", "56"});
  ASSERT_FALSE(moves.Cells.empty());
  EXPECT_EQ(moves.Cells.back(), std::make_pair(6, 4));
  std::pair<int, int> last{2, 2};
  for (const auto& cell : moves.Cells) {
    EXPECT_LE(std::abs(cell.first - last.first), 1);
    EXPECT_LE(std::abs(cell.second - last.second), 1);
    last = cell;
  }
  runner.Editor().RightBoard().RemoveListener(&moves);
}

TEST_F(Script, StateAndRowsArePrintedAsTheContractSays) {
  auto result = Run("new " + NewProject() +
                    "\ninit\nstate\nsql \"SELECT StrpType, LblName FROM LdrStrips WHERE "
                    "FuncID=2 AND SeqNum IN (1, 17) ORDER BY SeqNum\"\ncall FunctionID\n");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "state MouseProcess=1 NoDrop=0 WorkMode=0 NeedToSave=0 NeedToCompile=0 ReloadRequest=0\n"
                        "1|NULL\n1|NULL\n0\n");
}

// A tool tip is printed when the component hands the host a new one, so
// resting over the same operand twice or crossing empty ladder says nothing.
TEST_F(Script, ToolTipsArePrintedWhenTheyChange) {
  auto result = Run("new " + NewProject() +
                    "\ninit\nload 2\nclick 84 70\ntool ID_LDirectContact\noperand MB 5\nclick 84 70\nkey 27\n"
                    "move 0 0 70 56\nmove 0 0 84 56\nmove 0 0 300 300\nmove 0 0 400 300\n");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "tooltip \"MB 5\"\ntooltip \"\"\n");
}

TEST_F(Script, ExpectSearchesTheLogSoFar) {
  auto result = Run("new " + NewProject() +
                    "\ninit\n# a comment line\n\ncall OnFBFatherDeleted 7\nexpect \"Orphand\"\n"
                    "expect \"not there\"\nstate\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "fail 7: the log holds no line containing \"not there\"\n");
  EXPECT_EQ(result.out, "msgbox \"Orphand Subroutine\"\n");
}

TEST_F(Script, BadLinesFailWithTheirLineNumber) {
  EXPECT_EQ(Run("frobnicate 1\n").err, "fail 1: unknown command: frobnicate\n");
  EXPECT_EQ(Run("\n\ntype \"open\n").err, "fail 3: unclosed quote\n");
  EXPECT_NE(Run("new " + NewProject() + "\ninit\nclick 10\n").err.find("fail 3: usage: click X Y"), std::string::npos);
  EXPECT_NE(Run("new " + NewProject() + "\ninit\nclick ten 10\n").err.find("fail 3: not a number: ten"),
            std::string::npos);
  EXPECT_NE(Run("click 10 10\n").err.find("fail 1: no project is open"), std::string::npos);
  EXPECT_NE(Run("open " + mDir.File("none.ldrp") + "\n").err.find("fail 1: "), std::string::npos);
  EXPECT_NE(Run("new " + NewProject() + "\nstate\n").err.find("fail 2: the editor is not initialised"),
            std::string::npos);
  EXPECT_NE(Run("new " + NewProject() + "\ninit\nanswer maybe\n").err.find("fail 3:"), std::string::npos);
  EXPECT_NE(Run("new " + NewProject() + "\ninit\ncall NoSuchThing\n").err.find("fail 3: call: no operation named"),
            std::string::npos);
  EXPECT_NE(Run("new " + NewProject() + "\ninit\ncall Resize 1\n").err.find("takes 2 arguments"), std::string::npos);
}

TEST_F(Script, NewRefusesAnExistingFileAndOpenReadsIt) {
  ASSERT_EQ(Run("new " + NewProject() + "\n").status, 0);
  EXPECT_NE(Run("new " + Project() + "\n").err.find("fail 1: database error"), std::string::npos);
  auto reopened = Run("open " + Project() + "\ninit 400 300\nsql \"SELECT COUNT(*) FROM LdrFunctions\"\n");
  EXPECT_EQ(reopened.status, 0) << reopened.err;
  EXPECT_EQ(reopened.out, "2\n");
}

TEST_F(Script, RenderPutsTheBoardsSideBySide) {
  const std::string png = mDir.File("boards.png");
  ASSERT_EQ(Run("new " + NewProject() + "\ninit 500 210\nrender " + png + "\n").status, 0);
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(image), 500);
  EXPECT_EQ(cairo_image_surface_get_height(image), 210);
  cairo_surface_destroy(image);
  EXPECT_NE(Run("new " + mDir.File("q.ldrp") + "\ninit\nrender " + mDir.File("x.bmp") + "\n").status, 0);
}
