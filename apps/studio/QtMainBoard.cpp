#include "apps/studio/QtMainBoard.h"

#include "apps/studio/QtInputCodes.h"
#include "apps/studio/QtPointerShapes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include <stdexcept>

namespace ldr::studio {

QtMainBoard::QtMainBoard(Widgets widgets, std::shared_ptr<EventBoundary> boundary)
    : mWidgets(widgets), mBoundary(std::move(boundary)) {
  if (!widgets.Surface || !widgets.Vertical || !widgets.Horizontal || !widgets.Comment || !widgets.LabelComment)
    throw std::invalid_argument("the main board needs its surface, two scroll bars and two text editors");
  auto request = [this](const std::string& name) { return MoveFocus(name); };
  auto query = [this](const std::string& name) { return mFocus == name; };
  auto lost = [this](const std::string& name) {
    if (mFocus != name) return;
    mFocus.clear();
    ApplyQtFocus();
  };
  mVertical = std::make_unique<QtScrollBar>("vscrl", widgets.Vertical, mBoundary, request, query);
  mHorizontal = std::make_unique<QtScrollBar>("hscrl", widgets.Horizontal, mBoundary, request, query);
  mComment = std::make_unique<QtTextBox>("txtComment", nullptr, widgets.Comment, mBoundary,
                                         QtTextBox::FocusHooks{request, query, lost});
  mLabelComment = std::make_unique<QtTextBox>("txtLblComment", widgets.LabelComment, nullptr, mBoundary,
                                              QtTextBox::FocusHooks{request, query, lost});
  mWidgets.Surface->setFocusPolicy(Qt::StrongFocus);
  for (QWidget* watched :
       {mWidgets.Surface, static_cast<QWidget*>(mWidgets.Vertical), static_cast<QWidget*>(mWidgets.Horizontal),
        static_cast<QWidget*>(mWidgets.Comment), static_cast<QWidget*>(mWidgets.LabelComment)})
    watched->installEventFilter(this);
}

QtMainBoard::~QtMainBoard() = default;

bool QtMainBoard::HasControl(const std::string& name) const {
  return name == "vscrl" || name == "hscrl" || IsTextBox(name);
}

QtScrollBar& QtMainBoard::Bar(const std::string& name) {
  if (name == "vscrl") return *mVertical;
  if (name == "hscrl") return *mHorizontal;
  throw std::out_of_range("The main board has no scroll bar named \"" + name + "\"");
}

QtTextBox& QtMainBoard::Box(const std::string& name) {
  if (name == "txtComment") return *mComment;
  if (name == "txtLblComment") return *mLabelComment;
  throw std::out_of_range("The main board has no text box named \"" + name + "\"");
}

QWidget* QtMainBoard::WidgetOf(const std::string& name) const {
  if (name.empty()) return mWidgets.Surface;
  if (name == "vscrl") return mWidgets.Vertical;
  if (name == "hscrl") return mWidgets.Horizontal;
  if (name == "txtComment") return mWidgets.Comment;
  if (name == "txtLblComment") return mWidgets.LabelComment;
  return nullptr;
}

std::string QtMainBoard::NameOf(QObject* widget) const {
  if (widget == mWidgets.Vertical) return "vscrl";
  if (widget == mWidgets.Horizontal) return "hscrl";
  if (widget == mWidgets.Comment) return "txtComment";
  if (widget == mWidgets.LabelComment) return "txtLblComment";
  return {};
}

// --- pointer -------------------------------------------------------------------------

void QtMainBoard::SetMousePointer(int code) {
  mMousePointer = code;
  ApplyPointer();
}

void QtMainBoard::SetMouseIcon(const gdi::Picture& icon) {
  mMouseIcon = icon;
  ApplyPointer();
}

void QtMainBoard::ApplyPointer() {
  gdi::Picture picture;
  if (mMousePointer == 99) {
    picture = mMouseIcon;
    if (picture.IsEmpty() && mCustomPointer) {
      try {
        picture = mCustomPointer();
      } catch (const std::exception& error) {
        qWarning("no picture for the pointer: %s", error.what());
      }
    }
  }
  mPointerPicture = QString::fromStdString(picture.Name());
  mWidgets.Surface->setCursor(QtPointerShapes::CursorFor(mMousePointer, picture));
}

// --- visibility and focus ---------------------------------------------------------------

bool QtMainBoard::Visible() const { return mWidgets.Surface->isVisible(); }
void QtMainBoard::SetVisible(bool visible) { mWidgets.Surface->setVisible(visible); }
bool QtMainBoard::Enabled() const { return mWidgets.Surface->isEnabled(); }
void QtMainBoard::SetEnabled(bool enabled) { mWidgets.Surface->setEnabled(enabled); }

bool QtMainBoard::MoveFocus(const std::string& target) {
  if (!Visible() || !Enabled()) return false;
  if (target != mFocus) {
    if (IsTextBox(mFocus) && !Box(mFocus).Validate()) return false;
    mFocus = target;
  }
  ApplyQtFocus();
  return true;
}

void QtMainBoard::ApplyQtFocus() {
  QWidget* widget = WidgetOf(mFocus);
  if (!widget || !widget->isVisible() || widget->hasFocus()) return;
  mApplyingFocus = true;
  widget->setFocus(Qt::OtherFocusReason);
  mApplyingFocus = false;
}

void QtMainBoard::OnUserFocus(const std::string& target) {
  if (target == mFocus) return;
  bool moved = false;
  mBoundary->Run("Focus", [&] { moved = MoveFocus(target); });
  // A text box that refused to let go takes the focus back once Qt has
  // finished moving it.
  if (!moved) QTimer::singleShot(0, this, [this] { ApplyQtFocus(); });
}

bool QtMainBoard::ValidateControls() {
  if (IsTextBox(mFocus)) return Box(mFocus).Validate();
  return true;
}

// --- keys ----------------------------------------------------------------------------------

void QtMainBoard::KeyDown(int keyCode, int shift) {
  mListeners.Notify([&](MainBoardEvents& l) { l.OnKeyDown(*this, keyCode, shift); });
  // The listeners may have moved the focus; the key goes where it is now.
  if (mFocus == "vscrl" || mFocus == "hscrl")
    Bar(mFocus).SendKey(keyCode, shift);
  else if (IsTextBox(mFocus))
    Box(mFocus).KeyDown(keyCode, shift);
}

void QtMainBoard::KeyUp(int keyCode, int shift) {
  mListeners.Notify([&](MainBoardEvents& l) { l.OnKeyUp(*this, keyCode, shift); });
}

bool QtMainBoard::IsEditKey(const QKeyEvent& event) {
  const auto modifiers = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  switch (event.key()) {
  case Qt::Key_Delete:
    return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
  case Qt::Key_Insert:
    return modifiers == Qt::ShiftModifier || modifiers == Qt::ControlModifier;
  case Qt::Key_C:
  case Qt::Key_X:
  case Qt::Key_V:
    return modifiers == Qt::ControlModifier;
  default:
    return false;
  }
}

std::string QtMainBoard::EditCommandOfKey(const QKeyEvent& event) {
  if (!IsEditKey(event)) return {};
  const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
  switch (event.key()) {
  case Qt::Key_Delete:
    return shift ? "ID_Cut" : "ID_Delete";
  case Qt::Key_Insert:
    return shift ? "ID_Paste" : "ID_Copy";
  case Qt::Key_C:
    return "ID_Copy";
  case Qt::Key_X:
    return "ID_Cut";
  default:
    return "ID_Paste";
  }
}

bool QtMainBoard::EditKeyDisabled(const QKeyEvent& event) const {
  if (!mEditCommandEnabled) return false;
  const std::string command = EditCommandOfKey(event);
  return !command.empty() && !mEditCommandEnabled(command);
}

bool QtMainBoard::eventFilter(QObject* watched, QEvent* event) {
  const bool onSurface = watched == mWidgets.Surface;
  switch (event->type()) {
  case QEvent::ShortcutOverride: {
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsEditKey(*key)) return false;
    key->accept(); // deliver it as a key, not as the menu's shortcut
    return true;
  }
  case QEvent::KeyPress: {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = QtInputCodes::VirtualKey(key->key());
    const int shift = QtInputCodes::ShiftBits(key->modifiers());
    if (onSurface && EditKeyDisabled(*key)) return true;
    if (onSurface) {
      if (code != 0) mBoundary->Run("Key", [&] { KeyDown(code, shift); });
      return true; // the surface keeps even Tab
    }
    // A control: the board's listeners first, then the control itself.
    if (code == 0) return false;
    const std::string name = NameOf(watched);
    mBoundary->Run("Key", [&] {
      mListeners.Notify([&](MainBoardEvents& l) { l.OnKeyDown(*this, code, shift); });
      if (IsTextBox(name)) Box(name).KeyDown(code, shift);
    });
    return false;
  }
  case QEvent::KeyRelease: {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return onSurface; // one key-up per press, as the component expects
    if (onSurface && EditKeyDisabled(*key)) return true;
    const int code = QtInputCodes::VirtualKey(key->key());
    if (code != 0) mBoundary->Run("Key", [&] { KeyUp(code, QtInputCodes::ShiftBits(key->modifiers())); });
    return onSurface;
  }
  case QEvent::FocusIn: {
    auto* focus = static_cast<QFocusEvent*>(event);
    // Focus coming back with the window or after a popup is no move of the
    // user's; the board's record stands.
    if (mApplyingFocus || focus->reason() == Qt::ActiveWindowFocusReason || focus->reason() == Qt::PopupFocusReason)
      return false;
    OnUserFocus(onSurface ? std::string() : NameOf(watched));
    return false;
  }
  default:
    return false;
  }
}

} // namespace ldr::studio
