#pragma once
// Answers messages from the script's queue and writes each to the log:
//   message N "ARG" … -> ANSWER
//   msgbox "TEXT"                (a plain box with only OK)
//   msgbox "TEXT" -> ANSWER      (a box that asks)
// A message whose only button is OK is answered 1 without taking a queued
// answer; any other takes the next `answer`, which must be one of its
// buttons.

#include "outside/headless/HeadlessAnswers.h"
#include "outside/headless/LogSink.h"
#include "outside/utilities/MessageAnswerSource.h"

#include <memory>

namespace ldr {

class HeadlessMessageAnswers : public MessageAnswerSource {
public:
  HeadlessMessageAnswers(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log);

  int AnswerMessage(const MessageBoxRequest& message) override;
  int AnswerMessageBox(const std::string& text, MsgButtons buttons) override;

private:
  int Answer(MsgButtons buttons, const std::string& question);

  std::shared_ptr<HeadlessAnswers> mAnswers;
  std::shared_ptr<LogSink> mLog;
};

} // namespace ldr
