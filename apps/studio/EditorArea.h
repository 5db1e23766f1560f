#pragma once
// The editor area of the studio: the left board (28 pixels of strip
// headers), the right board with the nets, the vertical and horizontal
// scroll bars, and the comment and label text boxes laid over the right
// board. The area itself is the main board's surface: it takes the keyboard.

#include "apps/studio/BoardWidget.h"
#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtMainBoard.h"
#include "apps/studio/QtPictureBoard.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace ldr::studio {

class EditorArea : public QWidget {
public:
  static constexpr int kLeftBoardWidth = 28;
  static constexpr int kRightBoardWidth = 770;

  explicit EditorArea(std::shared_ptr<EventBoundary> boundary, QWidget* parent = nullptr);
  ~EditorArea() override;

  const std::shared_ptr<QtMainBoard>& MainBoard() const { return mMainBoard; }
  const std::shared_ptr<QtPictureBoard>& LeftBoard() const { return mLeftWidget->Board(); }
  const std::shared_ptr<QtPictureBoard>& RightBoard() const { return mRightWidget->Board(); }
  BoardWidget* LeftWidget() const { return mLeftWidget; }
  BoardWidget* RightWidget() const { return mRightWidget; }
  QScrollBar* VerticalBar() const { return mVertical; }
  QScrollBar* HorizontalBar() const { return mHorizontal; }

  // Width and height of both boards together, in pixels.
  QSize BoardsSize() const;
  // Called when the boards took a new size, with the size of both together.
  void SetResizeHandler(std::function<void(int width, int height)> handler) { mOnResized = std::move(handler); }

  QSize sizeHint() const override;

protected:
  void wheelEvent(QWheelEvent* event) override;
  bool focusNextPrevChild(bool next) override;

private:
  std::shared_ptr<EventBoundary> mBoundary;
  BoardWidget* mLeftWidget = nullptr;
  BoardWidget* mRightWidget = nullptr;
  QScrollBar* mVertical = nullptr;
  QScrollBar* mHorizontal = nullptr;
  std::shared_ptr<QtMainBoard> mMainBoard;
  std::function<void(int, int)> mOnResized;
};

} // namespace ldr::studio
