#pragma once
// A main-board text box over a real Qt editor: "txtComment" over a
// QPlainTextEdit (comments run over several lines), "txtLblComment" over a
// QLineEdit. It lies on the right board, so its position is in that board's
// pixels. Typing raises Change; Validate asks the listeners before the box
// gives up the focus.

#include "apps/studio/EventBoundary.h"
#include "platform/boards/BoardTextBox.h"
#include "platform/boards/ListenerList.h"

#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>

#include <functional>
#include <memory>

namespace ldr::studio {

class QtTextBox : public QObject, public BoardTextBox {
public:
  struct FocusHooks {
    std::function<bool(const std::string&)> Request; // move the board's focus here
    std::function<bool(const std::string&)> Query;   // whether the box has it
    std::function<void(const std::string&)> Lost;    // hidden while it had it
  };

  // Exactly one of lineEdit and plainEdit is given.
  QtTextBox(std::string name, QLineEdit* lineEdit, QPlainTextEdit* plainEdit, std::shared_ptr<EventBoundary> boundary,
            FocusHooks hooks);

  const std::string& Name() const override { return mName; }
  const std::string& Text() const override { return mText; }
  void SetText(const std::string& text) override;
  const std::string& Tag() const override { return mTag; }
  void SetTag(const std::string& tag) override { mTag = tag; }

  bool Visible() const override { return mVisible; }
  void SetVisible(bool visible) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;

  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void Move(int left, int top, int width, int height) override;

  bool HasFocus() const override;
  bool SetFocus() override;
  bool Validate() override;

  void AddListener(TextBoxEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(TextBoxEvents* listener) override { mListeners.Remove(listener); }

  // A key pressed while the box has the focus (the main board hands it on).
  void KeyDown(int keyCode, int shift);
  QWidget* Widget() const { return mWidget; }

private:
  QString WidgetText() const;
  void OnTyped();
  void RaiseChange();

  std::string mName;
  QPointer<QLineEdit> mLineEdit;
  QPointer<QPlainTextEdit> mPlainEdit;
  QPointer<QWidget> mWidget;
  std::shared_ptr<EventBoundary> mBoundary;
  FocusHooks mHooks;
  std::string mText;
  std::string mTag;
  bool mVisible = false;
  bool mSettingText = false;
  ListenerList<TextBoxEvents> mListeners;
};

} // namespace ldr::studio
