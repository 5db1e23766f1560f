#include "apps/studio/QtMessageAnswers.h"

#include "outside/utilities/MessageTable.h"
#include "outside/utilities/NullMessageService.h"

#include <QMessageBox>

namespace ldr::studio {

namespace {

QMessageBox::StandardButtons ButtonsOf(enMsgButtons buttons) {
  switch (buttons) {
  case enMsgButtons::OKCancel:
    return QMessageBox::Ok | QMessageBox::Cancel;
  case enMsgButtons::YesNo:
    return QMessageBox::Yes | QMessageBox::No;
  case enMsgButtons::YesNoCancel:
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  case enMsgButtons::OK:
    break;
  }
  return QMessageBox::Ok;
}

int AnswerOf(int pressed, enMsgButtons buttons) {
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

int QtMessageAnswers::SafeAnswer(enMsgButtons buttons) { return NullMessageService::CautiousAnswer(buttons); }

int QtMessageAnswers::AnswerMessage(const tyHostMessage& message) {
  if (mLog) mLog("message " + std::to_string(message.Number) + ": " + message.Text);
  return Ask(QString("hostMessage%1").arg(message.Number), message.Text, message.Buttons);
}

int QtMessageAnswers::AnswerMessageBox(const std::string& text, enMsgButtons buttons) {
  if (mLog) mLog("message: " + text);
  return Ask("hostMessageBox", text, buttons);
}

int QtMessageAnswers::Ask(const QString& objectName, const std::string& text, enMsgButtons buttons) {
  int answer = SafeAnswer(buttons);
  if (mInteractive) {
    const bool question = buttons == enMsgButtons::YesNo || buttons == enMsgButtons::YesNoCancel;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, kTitle, QString::fromStdString(text),
                    ButtonsOf(buttons), mParent);
    box.setObjectName(objectName);
    answer = AnswerOf(box.exec(), buttons);
  }
  if (mLog) mLog("  answered " + AnswerName(answer) + (mInteractive ? "" : " (nobody to ask)"));
  return answer;
}

} // namespace ldr::studio
