#pragma once
// A picture board of the desktop host: the two images of a memory board (the
// persistent image and the visible surface) shown by a BoardWidget. Whatever
// the component draws reaches the screen: a refresh repaints the widget, and
// so does every request for the device context, since drawing follows it.
// Mouse input arrives from the widget and goes to the board's listeners.

#include "platform/boards/ListenerList.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/boards/PictureBoard.h"

#include <QPointer>
#include <QWidget>

namespace ldr::studio {

class QtPictureBoard : public PictureBoard {
public:
  QtPictureBoard(int width, int height, gdi::COLORREF backColor = gdi::RGB(255, 255, 255));

  // The widget that shows the board; it is repainted, given the tool tip and
  // the pointer. Nothing: the board runs without a view.
  void AttachView(QWidget* view);
  QWidget* View() const { return mView; }

  bool AutoRedraw() const override { return mImages.AutoRedraw(); }
  void SetAutoRedraw(bool persistent) override { mImages.SetAutoRedraw(persistent); }
  gdi::DeviceContext& hDC() override;
  void Refresh() override;

  std::string ToolTipText() const override { return mImages.ToolTipText(); }
  void SetToolTipText(const std::string& text) override;

  int Width() const override { return mImages.Width(); }
  int Height() const override { return mImages.Height(); }
  void Resize(int width, int height) override;
  gdi::COLORREF BackColor() const override { return mImages.BackColor(); }

  int MousePointer() const override { return mImages.MousePointer(); }
  void SetMousePointer(int code) override;
  const gdi::Picture& MouseIcon() const override { return mImages.MouseIcon(); }
  void SetMouseIcon(const gdi::Picture& icon) override;

  gdi::Bitmap PersistentImage() const override { return mImages.PersistentImage(); }
  gdi::Bitmap VisibleImage() const override { return mImages.VisibleImage(); }

  void AddListener(PictureBoardEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(PictureBoardEvents* listener) override { mListeners.Remove(listener); }

  // User input, in board pixels. A left-button mouse-up after a mouse-down
  // on the board also raises Click.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  void DblClick(int button, int shift, int x, int y);

  // How often the board asked its view to repaint.
  int RepaintRequests() const { return mRepaintRequests; }

private:
  void RequestRepaint();
  void ApplyPointer();

  MemoryPictureBoard mImages;
  QPointer<QWidget> mView;
  ListenerList<PictureBoardEvents> mListeners;
  bool mLeftDown = false;
  int mRepaintRequests = 0;
};

} // namespace ldr::studio
