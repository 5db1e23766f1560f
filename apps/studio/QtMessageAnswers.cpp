#include "apps/studio/QtMessageAnswers.h"

#include "outside/utilities/MessageTable.h"
#include "outside/utilities/NullMessageService.h"

#include <QMessageBox>

namespace ldr::studio {

namespace {

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::OKCancel:
    return QMessageBox::Ok | QMessageBox::Cancel;
  case MsgButtons::YesNo:
    return QMessageBox::Yes | QMessageBox::No;
  case MsgButtons::YesNoCancel:
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  case MsgButtons::OK:
    break;
  }
  return QMessageBox::Ok;
}

int AnswerOf(int pressed, MsgButtons buttons) {
  switch (pressed) {
  case QMessageBox::Ok:
    return eMA_OK;
  case QMessageBox::Yes:
    return eMA_Yes;
  case QMessageBox::No:
    return eMA_No;
  case QMessageBox::Cancel:
    return eMA_Cancel;
  default:
    // Closed with the window's close button or Escape.
    return QtMessageAnswers::SafeAnswer(buttons);
  }
}

std::string AnswerName(int answer) {
  switch (answer) {
  case eMA_OK:
    return "OK";
  case eMA_Cancel:
    return "Cancel";
  case eMA_Yes:
    return "Yes";
  case eMA_No:
    return "No";
  default:
    return std::to_string(answer);
  }
}

} // namespace

QtMessageAnswers::QtMessageAnswers(QWidget* parent, LogWriter log, bool interactive)
    : mParent(parent), mLog(std::move(log)), mInteractive(interactive) {}

int QtMessageAnswers::SafeAnswer(MsgButtons buttons) { return NullMessageService::CautiousAnswer(buttons); }

int QtMessageAnswers::AnswerMessage(const MessageBoxRequest& message) {
  if (mLog) mLog("message " + std::to_string(message.Number) + ": " + message.Text);
  return Ask(QString("hostMessage%1").arg(message.Number), message.Text, message.Buttons);
}

int QtMessageAnswers::AnswerMessageBox(const std::string& text, MsgButtons buttons) {
  if (mLog) mLog("message: " + text);
  return Ask("hostMessageBox", text, buttons);
}

int QtMessageAnswers::Ask(const QString& objectName, const std::string& text, MsgButtons buttons) {
  int answer = SafeAnswer(buttons);
  if (mInteractive) {
    const bool question = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, kTitle, QString::fromStdString(text),
                    ButtonsOf(buttons), mParent);
    box.setObjectName(objectName);
    answer = AnswerOf(box.exec(), buttons);
  }
  if (mLog) mLog("  answered " + AnswerName(answer) + (mInteractive ? "" : " (nobody to ask)"));
  return answer;
}

} // namespace ldr::studio
