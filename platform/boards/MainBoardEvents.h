#pragma once
// What the main board tells its listeners: the keys pressed and released
// while it or one of its controls has the focus (the board sees every key
// before its controls do). Shift: 1 Shift, 2 Ctrl, 4 Alt.

namespace ldr {

class MainBoard;

class MainBoardEvents {
public:
  virtual ~MainBoardEvents() = default;
  virtual void OnKeyDown(MainBoard& board, int keyCode, int shift) = 0;
  virtual void OnKeyUp(MainBoard& board, int keyCode, int shift) = 0;
};

} // namespace ldr
