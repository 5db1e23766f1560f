#pragma once
// The widget that shows a picture board's visible surface and hands the
// user's mouse to it (button 1 left, 2 right, 4 middle; Shift bits 1 Shift,
// 2 Ctrl, 4 Alt). The board takes the widget's size. While a button is held
// with the pointer above or below the widget, the last move is repeated so
// that the editor keeps scrolling automatically.

#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtPictureBoard.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace ldr::studio {

class BoardWidget : public QWidget {
public:
  BoardWidget(std::shared_ptr<QtPictureBoard> board, std::shared_ptr<EventBoundary> boundary,
              QWidget* parent = nullptr);
  ~BoardWidget() override;

  const std::shared_ptr<QtPictureBoard>& Board() const { return mBoard; }
  // Called after the board took a new size.
  void SetResizeHandler(std::function<void(int width, int height)> handler) { mOnResized = std::move(handler); }

  static constexpr int kRepeatMilliseconds = 50;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  struct Move {
    int Buttons = 0, Shift = 0, X = 0, Y = 0;
  };
  void Deliver(const char* action, const std::function<void()>& call);
  void RepeatMove();

  std::shared_ptr<QtPictureBoard> mBoard;
  std::shared_ptr<EventBoundary> mBoundary;
  std::function<void(int, int)> mOnResized;
  QTimer mRepeat;
  Move mLastMove;
};

} // namespace ldr::studio
