#include "apps/studio/QtTextBox.h"

#include <stdexcept>

namespace ldr::studio {

QtTextBox::QtTextBox(std::string name, QLineEdit* lineEdit, QPlainTextEdit* plainEdit,
                     std::shared_ptr<EventBoundary> boundary, FocusHooks hooks)
    : mName(std::move(name)), mLineEdit(lineEdit), mPlainEdit(plainEdit), mBoundary(std::move(boundary)),
      mHooks(std::move(hooks)) {
  if ((lineEdit == nullptr) == (plainEdit == nullptr))
    throw std::invalid_argument("a text box needs exactly one editor widget");
  mWidget = lineEdit ? static_cast<QWidget*>(lineEdit) : static_cast<QWidget*>(plainEdit);
  mWidget->hide();
  mWidget->setFocusPolicy(Qt::StrongFocus);
  if (mLineEdit) connect(mLineEdit, &QLineEdit::textChanged, this, [this] { OnTyped(); });
  if (mPlainEdit) connect(mPlainEdit, &QPlainTextEdit::textChanged, this, [this] { OnTyped(); });
}

QString QtTextBox::WidgetText() const {
  if (mLineEdit) return mLineEdit->text();
  if (mPlainEdit) return mPlainEdit->toPlainText();
  return {};
}

void QtTextBox::RaiseChange() {
  auto notify = [&] { mListeners.Notify([&](TextBoxEvents& l) { l.OnChange(*this); }); };
  if (mBoundary)
    mBoundary->Run("Typing", notify);
  else
    notify();
}

void QtTextBox::OnTyped() {
  if (mSettingText) return;
  const std::string typed = WidgetText().toStdString();
  if (typed == mText) return;
  mText = typed;
  RaiseChange();
}

void QtTextBox::SetText(const std::string& text) {
  if (text == mText) return;
  mText = text;
  mSettingText = true;
  const QString shown = QString::fromStdString(text);
  if (mLineEdit) mLineEdit->setText(shown);
  if (mPlainEdit) mPlainEdit->setPlainText(shown);
  mSettingText = false;
  RaiseChange();
}

void QtTextBox::SetVisible(bool visible) {
  if (!visible && HasFocus() && mHooks.Lost) mHooks.Lost(mName);
  mVisible = visible;
  if (mWidget) {
    mWidget->setVisible(visible);
    if (visible) mWidget->raise();
  }
}

bool QtTextBox::Enabled() const { return mWidget && mWidget->isEnabled(); }

void QtTextBox::SetEnabled(bool enabled) {
  if (mWidget) mWidget->setEnabled(enabled);
}

int QtTextBox::Left() const { return mWidget ? mWidget->x() : 0; }
int QtTextBox::Top() const { return mWidget ? mWidget->y() : 0; }
int QtTextBox::Width() const { return mWidget ? mWidget->width() : 0; }
int QtTextBox::Height() const { return mWidget ? mWidget->height() : 0; }

void QtTextBox::Move(int left, int top, int width, int height) {
  if (mWidget) mWidget->setGeometry(left, top, width, height);
}

bool QtTextBox::HasFocus() const { return mHooks.Query && mHooks.Query(mName); }

bool QtTextBox::SetFocus() {
  if (!mVisible || !Enabled()) return false;
  return mHooks.Request && mHooks.Request(mName);
}

bool QtTextBox::Validate() {
  bool cancel = false;
  mListeners.Notify([&](TextBoxEvents& l) { l.OnValidate(*this, cancel); });
  return !cancel;
}

void QtTextBox::KeyDown(int keyCode, int shift) {
  mListeners.Notify([&](TextBoxEvents& l) { l.OnKeyDown(*this, keyCode, shift); });
}

} // namespace ldr::studio
