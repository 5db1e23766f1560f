#pragma once
// A picture board held in memory: the boards of the headless host and of
// the tests. Mouse events are raised by calling MouseDown and the others, as
// a host window would on user input.

#include "platform/boards/ListenerList.h"
#include "platform/boards/PictureBoard.h"

#include <memory>

namespace ldr {

class MemoryPictureBoard : public PictureBoard {
public:
  MemoryPictureBoard(int width, int height, gdi::COLORREF backColor = gdi::RGB(255, 255, 255));

  bool AutoRedraw() const override { return mAutoRedraw; }
  void SetAutoRedraw(bool persistent) override { mAutoRedraw = persistent; }
  gdi::DeviceContext& hDC() override { return mAutoRedraw ? *mPersistentDC : *mVisibleDC; }
  void Refresh() override;

  std::string ToolTipText() const override { return mToolTip; }
  void SetToolTipText(const std::string& text) override { mToolTip = text; }

  int Width() const override { return mPersistent.Width(); }
  int Height() const override { return mPersistent.Height(); }
  void Resize(int width, int height) override;
  gdi::COLORREF BackColor() const override { return mBackColor; }

  int MousePointer() const override { return mMousePointer; }
  void SetMousePointer(int code) override { mMousePointer = code; }
  const gdi::Picture& MouseIcon() const override { return mMouseIcon; }
  void SetMouseIcon(const gdi::Picture& icon) override { mMouseIcon = icon; }

  gdi::Bitmap PersistentImage() const override { return mPersistent; }
  gdi::Bitmap VisibleImage() const override { return mVisible; }

  void AddListener(PictureBoardEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(PictureBoardEvents* listener) override { mListeners.Remove(listener); }

  // User input. A left-button mouse-up after a mouse-down on the board also
  // raises Click.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  void DblClick(int button, int shift, int x, int y);

private:
  static gdi::Bitmap Resized(const gdi::Bitmap& old, int width, int height, gdi::COLORREF fill);

  gdi::COLORREF mBackColor;
  gdi::Bitmap mPersistent;
  gdi::Bitmap mVisible;
  std::unique_ptr<gdi::DeviceContext> mPersistentDC;
  std::unique_ptr<gdi::DeviceContext> mVisibleDC;
  bool mAutoRedraw = false;
  std::string mToolTip;
  int mMousePointer = 0;
  gdi::Picture mMouseIcon;
  bool mLeftDown = false;
  ListenerList<PictureBoardEvents> mListeners;
};

} // namespace ldr
