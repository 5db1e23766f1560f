// The pictures of a drag: every step presents only where the moving
// elements were and are, so after a tour over the neighbours (with their
// operand descriptions) and back, the board must look exactly as the full
// redraw before the press drew it. (The elements keep clear of the top rows,
// whose text a full redraw draws again without clearing.)

#include "apps/ldr/script/ScriptRunner.h"
#include "platform/drawing/Bitmap.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class MovePixels : public ::testing::Test {
protected:
  MovePixels() : mRunner(mOut, mErr) {
    Run("new " + mDir.File("m.ldrp"));
    Run("init");
    for (int address = 1; address <= 4; ++address)
      Run("sql \"INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) VALUES (1, " +
          std::to_string(address) + ", 0, 'Conveyor " + std::to_string(address) + " running fast')\"");
    Run("load 2");
    int address = 0;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{4, 5}, {10, 5}, {4, 10}, {16, 10}}) {
      Run("tool ID_LDirectContact");
      Run("operand MB " + std::to_string(++address));
      Run("click " + At(x, y));
    }
  }
  void Run(const std::string& line) {
    std::istringstream in(line + "\n");
    ASSERT_EQ(mRunner.Run(in), 0) << line << ": " << mErr.str();
  }
  // The board pixel of element point (x, y) of net 1.
  static std::string At(int x, int y) { return std::to_string(14 * (x + 2)) + " " + std::to_string(14 * y); }
  ldr::gdi::Bitmap Visible() { return mRunner.Editor().RightBoard().VisibleImage().Clone(); }

  ldr::test::TempDir mDir;
  std::ostringstream mOut, mErr;
  ldr::script::ScriptRunner mRunner;
};

TEST_F(MovePixels, AGroupMovedAroundAndBackLeavesTheFullRedrawsPicture) {
  Run("click " + At(5, 5));
  Run("down 1 2 " + At(5, 10));
  Run("up 1 2 " + At(5, 10));
  Run("call RedrawAll");
  const auto redrawn = Visible();
  Run("down 1 0 " + At(5, 5));
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{6, 5}, {9, 6}, {11, 5}, {14, 9}, {2, 4}, {5, 9}})
    Run("move 1 0 " + At(x, y));
  EXPECT_FALSE(Visible().SamePixels(redrawn)); // the group is elsewhere
  Run("move 1 0 " + At(5, 5));
  EXPECT_TRUE(Visible().SamePixels(redrawn));
  Run("up 1 0 " + At(5, 5));
}

TEST_F(MovePixels, TheNewElementFollowingThePointerLeavesNothingBehind) {
  Run("tool ID_LDirectContact");
  Run("move 0 0 " + At(30, 5));
  const auto first = Visible();
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{31, 5}, {12, 6}, {10, 10}, {40, 11}})
    Run("move 0 0 " + At(x, y));
  Run("move 0 0 " + At(30, 5));
  EXPECT_TRUE(Visible().SamePixels(first));
  Run("call CancelProcess");
  Run("call RedrawAll");
}

} // namespace
