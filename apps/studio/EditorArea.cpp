#include "apps/studio/EditorArea.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QWheelEvent>

namespace ldr::studio {

namespace {

constexpr int kInitialHeight = 480;

} // namespace

EditorArea::EditorArea(std::shared_ptr<EventBoundary> boundary, QWidget* parent)
    : QWidget(parent), mBoundary(std::move(boundary)) {
  setObjectName("editorArea");
  mLeftWidget = new BoardWidget(std::make_shared<QtPictureBoard>(kLeftBoardWidth, kInitialHeight), mBoundary, this);
  mLeftWidget->setObjectName("leftBoard");
  mLeftWidget->setFixedWidth(kLeftBoardWidth);
  mRightWidget = new BoardWidget(std::make_shared<QtPictureBoard>(kRightBoardWidth, kInitialHeight), mBoundary, this);
  mRightWidget->setObjectName("rightBoard");
  mRightWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // The board follows the window both ways; the horizontal bar scrolls over
  // what a narrow window cannot show.
  mRightWidget->setMinimumSize(14 * 8, 14 * 4);
  mVertical = new QScrollBar(Qt::Vertical, this);
  mVertical->setObjectName("vscrl");
  mHorizontal = new QScrollBar(Qt::Horizontal, this);
  mHorizontal->setObjectName("hscrl");

  // The text boxes lie on the right board: their positions are its pixels.
  auto* comment = new QPlainTextEdit(mRightWidget);
  comment->setObjectName("txtComment");
  auto* labelComment = new QLineEdit(mRightWidget);
  labelComment->setObjectName("txtLblComment");

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(mLeftWidget, 0, 0);
  grid->addWidget(mRightWidget, 0, 1);
  grid->addWidget(mVertical, 0, 2);
  grid->addWidget(mHorizontal, 1, 1);
  grid->setColumnStretch(1, 1);

  mMainBoard = std::make_shared<QtMainBoard>(QtMainBoard::Widgets{this, mVertical, mHorizontal, comment, labelComment},
                                             mBoundary);

  mRightWidget->SetResizeHandler([this](int width, int height) {
    // Both boards take the new height before the editor draws them again;
    // the left board's own resize then finds nothing left to do.
    LeftBoard()->Resize(kLeftBoardWidth, height);
    if (mOnResized) mOnResized(kLeftBoardWidth + width, height);
  });
}

EditorArea::~EditorArea() = default;

QSize EditorArea::BoardsSize() const { return {kLeftBoardWidth + mRightWidget->width(), mRightWidget->height()}; }

QSize EditorArea::sizeHint() const {
  return {kLeftBoardWidth + kRightBoardWidth + mVertical->sizeHint().width(),
          kInitialHeight + mHorizontal->sizeHint().height()};
}

void EditorArea::wheelEvent(QWheelEvent* event) {
  // The wheel over the boards scrolls the nets, as over the bar.
  QCoreApplication::sendEvent(event->modifiers() & Qt::ShiftModifier ? mHorizontal : mVertical, event);
}

bool EditorArea::focusNextPrevChild(bool next) {
  // Tab is a key of the editor while the surface has the keyboard.
  if (hasFocus()) return false;
  return QWidget::focusNextPrevChild(next);
}

} // namespace ldr::studio
