#include "apps/studio/BoardWidget.h"

#include "apps/studio/QtInputCodes.h"
#include "apps/studio/QtPointerShapes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ldr::studio {

namespace {

QColor ToQColor(gdi::COLORREF color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

} // namespace

BoardWidget::BoardWidget(std::shared_ptr<QtPictureBoard> board, std::shared_ptr<EventBoundary> boundary,
                         QWidget* parent)
    : QWidget(parent), mBoard(std::move(board)), mBoundary(std::move(boundary)) {
  setMouseTracking(true); // moves without a button: a new element follows the pointer
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus); // the keyboard belongs to the main board
  mRepeat.setInterval(kRepeatMilliseconds);
  connect(&mRepeat, &QTimer::timeout, this, [this] { RepeatMove(); });
  mBoard->AttachView(this);
}

BoardWidget::~BoardWidget() {
  if (mBoard && mBoard->View() == this) mBoard->AttachView(nullptr);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage image = QtPointerShapes::ToImage(mBoard->VisibleImage());
  painter.drawImage(0, 0, image);
  // Space the board does not cover yet (while a resize is on its way).
  const QColor back = ToQColor(mBoard->BackColor());
  if (image.width() < width()) painter.fillRect(image.width(), 0, width() - image.width(), height(), back);
  if (image.height() < height()) painter.fillRect(0, image.height(), width(), height() - image.height(), back);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
  const int w = std::max(1, width()), h = std::max(1, height());
  mBoard->Resize(w, h);
  if (mOnResized) Deliver("Resize", [&] { mOnResized(w, h); });
}

void BoardWidget::Deliver(const char* action, const std::function<void()>& call) {
  if (mBoundary)
    mBoundary->Run(action, call);
  else
    call();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const int button = QtInputCodes::Button(event->button());
  if (button == 0) return;
  const QPoint at = event->position().toPoint();
  const int shift = QtInputCodes::ShiftBits(event->modifiers());
  Deliver("Mouse down", [&] { mBoard->MouseDown(button, shift, at.x(), at.y()); });
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  mLastMove = {QtInputCodes::Buttons(event->buttons()), QtInputCodes::ShiftBits(event->modifiers()), at.x(), at.y()};
  Deliver("Mouse move", [&] { mBoard->MouseMove(mLastMove.Buttons, mLastMove.Shift, at.x(), at.y()); });
  const bool outside = at.y() < 0 || at.y() > height();
  if (mLastMove.Buttons != 0 && outside) {
    if (!mRepeat.isActive()) mRepeat.start();
  } else {
    mRepeat.stop();
  }
}

void BoardWidget::RepeatMove() {
  // A dialog or a menu that opened meanwhile has taken the mouse.
  if (mLastMove.Buttons == 0 || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
    mRepeat.stop();
    return;
  }
  const Move move = mLastMove;
  Deliver("Mouse move", [&] { mBoard->MouseMove(move.Buttons, move.Shift, move.X, move.Y); });
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  mRepeat.stop();
  mLastMove.Buttons = QtInputCodes::Buttons(event->buttons());
  const int button = QtInputCodes::Button(event->button());
  if (button == 0) return;
  const QPoint at = event->position().toPoint();
  const int shift = QtInputCodes::ShiftBits(event->modifiers());
  Deliver("Mouse up", [&] { mBoard->MouseUp(button, shift, at.x(), at.y()); });
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const int button = QtInputCodes::Button(event->button());
  if (button == 0) return;
  const QPoint at = event->position().toPoint();
  const int shift = QtInputCodes::ShiftBits(event->modifiers());
  Deliver("Double click", [&] { mBoard->DblClick(button, shift, at.x(), at.y()); });
}

} // namespace ldr::studio
