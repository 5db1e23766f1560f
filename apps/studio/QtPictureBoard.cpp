#include "apps/studio/QtPictureBoard.h"

#include "apps/studio/QtPointerShapes.h"

#include <QCursor>
#include <QToolTip>

namespace ldr::studio {

QtPictureBoard::QtPictureBoard(int width, int height, gdi::COLORREF backColor) : mImages(width, height, backColor) {}

void QtPictureBoard::AttachView(QWidget* view) {
  mView = view;
  ApplyPointer();
  RequestRepaint();
}

void QtPictureBoard::RequestRepaint() {
  ++mRepaintRequests;
  // update() only schedules a paint: the drawing that follows a request for
  // the device context is on the surface when the paint comes.
  if (mView) mView->update();
}

gdi::DeviceContext& QtPictureBoard::hDC() {
  RequestRepaint();
  return mImages.hDC();
}

void QtPictureBoard::Refresh() {
  mImages.Refresh();
  RequestRepaint();
}

void QtPictureBoard::SetToolTipText(const std::string& text) {
  if (text == mImages.ToolTipText()) return;
  mImages.SetToolTipText(text);
  if (!mView) return;
  const QString tip = QString::fromStdString(text);
  mView->setToolTip(tip);
  // A tip that changes under a resting pointer is shown at once.
  if (mView->underMouse()) {
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(QCursor::pos(), tip, mView);
  }
}

void QtPictureBoard::Resize(int width, int height) {
  mImages.Resize(width, height);
  RequestRepaint();
}

void QtPictureBoard::SetMousePointer(int code) {
  mImages.SetMousePointer(code);
  ApplyPointer();
}

void QtPictureBoard::SetMouseIcon(const gdi::Picture& icon) {
  mImages.SetMouseIcon(icon);
  ApplyPointer();
}

void QtPictureBoard::ApplyPointer() {
  if (!mView) return;
  // Code 0 leaves the pointer to the main board (the parent widget).
  if (mImages.MousePointer() == 0)
    mView->unsetCursor();
  else
    mView->setCursor(QtPointerShapes::CursorFor(mImages.MousePointer(), mImages.MouseIcon()));
}

void QtPictureBoard::MouseDown(int button, int shift, int x, int y) {
  if (button == 1) mLeftDown = true;
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseDown(*this, button, shift, x, y); });
}

void QtPictureBoard::MouseMove(int button, int shift, int x, int y) {
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseMove(*this, button, shift, x, y); });
}

void QtPictureBoard::MouseUp(int button, int shift, int x, int y) {
  // Settled before the listeners run, so that a failing listener leaves no
  // press behind.
  const bool click = button == 1 && mLeftDown;
  if (button == 1) mLeftDown = false;
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseUp(*this, button, shift, x, y); });
  if (click) mListeners.Notify([&](PictureBoardEvents& l) { l.OnClick(*this); });
}

void QtPictureBoard::DblClick(int button, int shift, int x, int y) {
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnDblClick(*this, button, shift, x, y); });
}

} // namespace ldr::studio
