#pragma once
// What a picture board tells its listeners. Button: 1 left, 2 right, 4
// middle. Shift: the bit set 1 Shift, 2 Ctrl, 4 Alt. X and Y are pixels of
// the board (they may lie outside it while a button is held).

namespace ldr {

class PictureBoard;

class PictureBoardEvents {
public:
  virtual ~PictureBoardEvents() = default;
  virtual void OnMouseDown(PictureBoard& board, int button, int shift, int x, int y) = 0;
  virtual void OnMouseMove(PictureBoard& board, int button, int shift, int x, int y) = 0;
  virtual void OnMouseUp(PictureBoard& board, int button, int shift, int x, int y) = 0;
  virtual void OnDblClick(PictureBoard& board, int button, int shift, int x, int y) = 0;
  // A press and release of the left button on the board, after its mouse-up.
  virtual void OnClick(PictureBoard& /*board*/) {}
};

} // namespace ldr
