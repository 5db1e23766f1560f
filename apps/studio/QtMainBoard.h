#pragma once
// The main board of the desktop host: the editor surface widget that takes
// the keyboard, with its named controls, the scroll bars "vscrl" and "hscrl"
// and the text boxes "txtComment" and "txtLblComment". The board keeps its
// own record of which control has the focus (as the component sees it) and
// moves Qt's focus along; a text box is validated before the focus leaves it,
// whether the component or the user moves it. The board's listeners see every
// key before its controls do.

#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtScrollBar.h"
#include "apps/studio/QtTextBox.h"
#include "platform/boards/ListenerList.h"
#include "platform/boards/MainBoard.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

class QKeyEvent;

namespace ldr::studio {

class QtMainBoard : public QObject, public MainBoard {
public:
  struct Widgets {
    QWidget* Surface = nullptr; // takes the keyboard; the pointer shows over it
    QScrollBar* Vertical = nullptr;
    QScrollBar* Horizontal = nullptr;
    QPlainTextEdit* Comment = nullptr;
    QLineEdit* LabelComment = nullptr;
  };

  QtMainBoard(Widgets widgets, std::shared_ptr<EventBoundary> boundary);
  ~QtMainBoard() override;

  bool HasControl(const std::string& name) const override;
  BoardScrollBar& ScrollBar(const std::string& name) override { return Bar(name); }
  BoardTextBox& TextBox(const std::string& name) override { return Box(name); }
  std::string ActiveControl() const override { return mFocus; }

  int MousePointer() const override { return mMousePointer; }
  void SetMousePointer(int code) override;
  const gdi::Picture& MouseIcon() const override { return mMouseIcon; }
  void SetMouseIcon(const gdi::Picture& icon) override;

  bool HasFocus() const override { return mFocus.empty(); }
  bool SetFocus() override { return MoveFocus(std::string()); }
  bool Visible() const override;
  void SetVisible(bool visible) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;

  bool ValidateControls() override;

  void AddListener(MainBoardEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(MainBoardEvents* listener) override { mListeners.Remove(listener); }

  QtScrollBar& Bar(const std::string& name);
  QtTextBox& Box(const std::string& name);

  // For pointer code 99 without a mouse icon: the picture the editor wants
  // now (the component names it through its editor state).
  void SetCustomPointerSource(std::function<gdi::Picture()> source) { mCustomPointer = std::move(source); }
  // The cursor shown over the surface, as a pointer code and picture name.
  QString PointerPictureName() const { return mPointerPicture; }

  // Keys typed while the surface has Qt's focus, as virtual-key codes.
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  // The keys the component takes as edit commands on key-up (Delete, Insert
  // with Shift or Ctrl, Ctrl+C/X/V): while the editor has the keyboard they
  // must reach it instead of triggering the menu's shortcuts.
  static bool IsEditKey(const QKeyEvent& event);
  // The edit command an edit key runs ("ID_Delete", "ID_Cut", "ID_Copy",
  // "ID_Paste"); empty for any other key.
  static std::string EditCommandOfKey(const QKeyEvent& event);
  // Asked before an edit key reaches the editor: a key whose command is
  // disabled goes nowhere, as its menu entry does.
  void SetEditCommandEnabledQuery(std::function<bool(const std::string&)> query) {
    mEditCommandEnabled = std::move(query);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool MoveFocus(const std::string& target);
  void ApplyQtFocus();
  void OnUserFocus(const std::string& target);
  QWidget* WidgetOf(const std::string& name) const;
  std::string NameOf(QObject* widget) const;
  bool EditKeyDisabled(const QKeyEvent& event) const;
  bool IsTextBox(const std::string& name) const { return name == "txtComment" || name == "txtLblComment"; }
  void ApplyPointer();

  Widgets mWidgets;
  std::shared_ptr<EventBoundary> mBoundary;
  std::unique_ptr<QtScrollBar> mVertical;
  std::unique_ptr<QtScrollBar> mHorizontal;
  std::unique_ptr<QtTextBox> mComment;
  std::unique_ptr<QtTextBox> mLabelComment;
  std::string mFocus;
  bool mApplyingFocus = false;
  int mMousePointer = 0;
  gdi::Picture mMouseIcon;
  std::function<gdi::Picture()> mCustomPointer;
  std::function<bool(const std::string&)> mEditCommandEnabled;
  QString mPointerPicture;
  ListenerList<MainBoardEvents> mListeners;
};

} // namespace ldr::studio
