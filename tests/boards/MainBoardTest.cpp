// The main board: named controls, focus and validation, keys and scroll bars.

#include "platform/boards/MemoryMainBoard.h"

#include <gtest/gtest.h>

#include <vector>

namespace ldr::test {
namespace {

struct BarListener : ScrollBarEvents {
  std::vector<int> Changes;
  std::vector<int> Scrolls;
  void OnChange(BoardScrollBar&, int value) override { Changes.push_back(value); }
  void OnScroll(BoardScrollBar&, int value) override { Scrolls.push_back(value); }
};

struct BoxListener : TextBoxEvents {
  bool Refuse = false;
  int Validations = 0;
  int Changes = 0;
  std::vector<int> Keys;
  void OnChange(BoardTextBox&) override { ++Changes; }
  void OnValidate(BoardTextBox&, bool& cancel) override {
    ++Validations;
    cancel = Refuse;
  }
  void OnKeyDown(BoardTextBox&, int key, int) override { Keys.push_back(key); }
};

struct KeyListener : MainBoardEvents {
  std::vector<std::string> Keys;
  void OnKeyDown(MainBoard&, int key, int shift) override {
    Keys.push_back("down " + std::to_string(key) + " " + std::to_string(shift));
  }
  void OnKeyUp(MainBoard&, int key, int shift) override {
    Keys.push_back("up " + std::to_string(key) + " " + std::to_string(shift));
  }
};

TEST(MainBoard, HoldsTheFourNamedControls) {
  MemoryMainBoard board;
  for (const char* name : {"vscrl", "hscrl", "txtComment", "txtLblComment"}) EXPECT_TRUE(board.HasControl(name));
  EXPECT_EQ(board.ScrollBar("vscrl").Name(), "vscrl");
  EXPECT_EQ(board.TextBox("txtLblComment").Name(), "txtLblComment");
  EXPECT_FALSE(board.HasControl("txtOther"));
  try {
    board.TextBox("vscrl");
    FAIL() << "a scroll bar is not a text box";
  } catch (const std::out_of_range& e) {
    EXPECT_NE(std::string(e.what()).find("vscrl"), std::string::npos);
  }
  EXPECT_THROW(board.ScrollBar("txtComment"), std::out_of_range);
}

TEST(ScrollBar, SettingADifferentValueRaisesChange) {
  MemoryMainBoard board;
  BoardScrollBar& bar = board.ScrollBar("vscrl");
  BarListener listener;
  bar.AddListener(&listener);
  bar.SetRange(0, 100);
  bar.SetValue(40);
  bar.SetValue(40);  // unchanged: nothing
  bar.SetValue(500); // held at the maximum
  EXPECT_EQ(listener.Changes, (std::vector<int>{40, 100}));
  bar.SetRange(0, 60); // the range pulls the value in
  EXPECT_EQ(bar.Value(), 60);
  EXPECT_EQ(listener.Changes.back(), 60);
  bar.RemoveListener(&listener);
  bar.SetValue(0);
  EXPECT_EQ(listener.Changes.size(), 3u);
}

TEST(ScrollBar, AListenerMayMoveTheBarAgainFromItsChange) {
  // The main object snaps a dragged value and sets it back into the bar.
  MemoryMainBoard board;
  MemoryScrollBar& bar = board.MemoryBar("vscrl");
  bar.SetRange(0, 100);
  struct Snapper : ScrollBarEvents {
    std::vector<int> Seen;
    void OnChange(BoardScrollBar& b, int value) override {
      Seen.push_back(value);
      b.SetValue(value / 10 * 10);
    }
  } snapper;
  bar.AddListener(&snapper);
  bar.UserScroll(37);
  EXPECT_TRUE(snapper.Seen.empty()); // a drag only scrolls
  bar.UserChange(37);
  EXPECT_EQ(snapper.Seen, (std::vector<int>{37, 30}));
  EXPECT_EQ(bar.Value(), 30);
  bar.UserChange(30); // a user's change is told even when the value stays
  EXPECT_EQ(snapper.Seen.size(), 3u);
}

TEST(ScrollBar, KeysMoveByTheSmallAndLargeChange) {
  MemoryScrollBar bar("vscrl");
  bar.SetRange(0, 50);
  bar.SetSmallChange(1);
  bar.SetLargeChange(10);
  bar.SendKey(40, 0); // down
  bar.SendKey(34, 0); // page down
  EXPECT_EQ(bar.Value(), 11);
  bar.SendKey(38, 0); // up
  EXPECT_EQ(bar.Value(), 10);
  bar.SendKey(35, 0); // end
  EXPECT_EQ(bar.Value(), 50);
  bar.SendKey(34, 0);
  EXPECT_EQ(bar.Value(), 50);
  bar.SendKey(33, 0); // page up
  bar.SendKey(36, 0); // home
  EXPECT_EQ(bar.Value(), 0);
  bar.SetEnabled(false);
  bar.SendKey(40, 0);
  EXPECT_EQ(bar.Value(), 0);
}

TEST(TextBox, TextChangesAndValidation) {
  MemoryMainBoard board;
  BoardTextBox& box = board.TextBox("txtComment");
  BoxListener listener;
  box.AddListener(&listener);
  box.SetText("first");
  box.SetText("first");
  EXPECT_EQ(listener.Changes, 1);
  box.Move(28, 14, 742, 42);
  EXPECT_EQ(box.Width(), 742);
  box.SetTag("17");
  EXPECT_EQ(box.Tag(), "17");

  EXPECT_FALSE(box.SetFocus()); // hidden boxes take no focus
  box.SetVisible(true);
  ASSERT_TRUE(box.SetFocus());
  EXPECT_EQ(board.ActiveControl(), "txtComment");
  EXPECT_FALSE(board.HasFocus());

  EXPECT_TRUE(board.ValidateControls());
  EXPECT_EQ(listener.Validations, 1);
  EXPECT_TRUE(box.HasFocus()); // validating does not move the focus

  listener.Refuse = true;
  EXPECT_FALSE(board.ValidateControls());
  EXPECT_FALSE(board.SetFocus()); // the box keeps the focus
  EXPECT_TRUE(box.HasFocus());
  listener.Refuse = false;
  EXPECT_TRUE(board.ScrollBar("vscrl").SetFocus());
  EXPECT_EQ(listener.Validations, 4);
  EXPECT_EQ(board.ActiveControl(), "vscrl");
  EXPECT_TRUE(board.ValidateControls()); // nothing to validate on a scroll bar
  EXPECT_EQ(listener.Validations, 4);
}

TEST(TextBox, HidingTheFocusedBoxGivesTheFocusBackWithoutValidating) {
  MemoryMainBoard board;
  BoardTextBox& box = board.TextBox("txtLblComment");
  BoxListener listener;
  box.AddListener(&listener);
  box.SetVisible(true);
  box.SetFocus();
  box.SetVisible(false);
  EXPECT_TRUE(board.HasFocus());
  EXPECT_EQ(listener.Validations, 0);
}

TEST(MainBoard, KeysGoToTheBoardFirstThenToTheFocusedControl) {
  MemoryMainBoard board;
  KeyListener keys;
  board.AddListener(&keys);
  MemoryScrollBar& bar = board.MemoryBar("vscrl");
  bar.SetRange(0, 10);
  board.KeyDown(40, 0);
  EXPECT_EQ(bar.Value(), 0); // the board had the focus
  bar.SetFocus();
  board.KeyDown(40, 1);
  board.KeyUp(40, 1);
  EXPECT_EQ(bar.Value(), 1);
  EXPECT_EQ(keys.Keys, (std::vector<std::string>{"down 40 0", "down 40 1", "up 40 1"}));

  BoardTextBox& box = board.TextBox("txtLblComment");
  BoxListener boxKeys;
  box.AddListener(&boxKeys);
  box.SetVisible(true);
  box.SetFocus();
  board.KeyDown(13, 0);
  EXPECT_EQ(boxKeys.Keys, (std::vector<int>{13}));
  EXPECT_EQ(bar.Value(), 1);
}

TEST(MainBoard, PointerFocusAndVisibility) {
  MemoryMainBoard board;
  board.SetMousePointer(99);
  EXPECT_EQ(board.MousePointer(), 99);
  board.SetMouseIcon(gdi::Picture("ELMNT_MOVE", gdi::ResourceKind::eRK_Icon, gdi::Bitmap(32, 32)));
  EXPECT_EQ(board.MouseIcon().Name(), "ELMNT_MOVE");
  board.SetEnabled(false);
  EXPECT_FALSE(board.ScrollBar("hscrl").SetFocus());
  board.SetEnabled(true);
  EXPECT_TRUE(board.ScrollBar("hscrl").SetFocus());
  EXPECT_TRUE(board.SetFocus());
  EXPECT_TRUE(board.HasFocus());
}

} // namespace
} // namespace ldr::test
