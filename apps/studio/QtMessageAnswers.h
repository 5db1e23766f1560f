#pragma once
// The user answers the host messages: each numbered message or plain text is
// a message box with the buttons the message table gives it, and the button
// pressed is the answer. Every message and its answer go to the log. Without
// a user (a script taking a screenshot) the safe answer is taken: OK, No or
// Cancel.

#include "apps/studio/EventBoundary.h"
#include "outside/utilities/MessageAnswerSource.h"

#include <QPointer>
#include <QWidget>

namespace ldr::studio {

class QtMessageAnswers : public MessageAnswerSource {
public:
  QtMessageAnswers(QWidget* parent, LogWriter log, bool interactive);

  int AnswerMessage(const MessageBoxRequest& message) override;
  int AnswerMessageBox(const std::string& text, MsgButtons buttons) override;

  // The answer taken when nobody can be asked.
  static int SafeAnswer(MsgButtons buttons);
  static constexpr const char* kTitle = "Ladder editor";

private:
  int Ask(const QString& objectName, const std::string& text, MsgButtons buttons);

  QPointer<QWidget> mParent;
  LogWriter mLog;
  bool mInteractive;
};

} // namespace ldr::studio
