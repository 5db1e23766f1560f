#include "outside/headless/HeadlessMessageAnswers.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/headless/LogFormat.h"
#include "outside/utilities/MessageTable.h"

#include <algorithm>

namespace ldr {

HeadlessMessageAnswers::HeadlessMessageAnswers(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log)
    : mAnswers(std::move(answers)), mLog(std::move(log)) {}

int HeadlessMessageAnswers::Answer(MsgButtons buttons, const std::string& question) {
  if (buttons == MsgButtons::OK) return eMA_OK;
  const std::string described = question + " (" + MessageTable::ButtonsName(buttons) + ")";
  const int answer = mAnswers->TakeAnswer(described);
  const auto allowed = MessageTable::Answers(buttons);
  if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end())
    throw HeadlessAnswerError("answer " + std::to_string(answer) + " is not a button of " + described);
  return answer;
}

int HeadlessMessageAnswers::AnswerMessage(const MessageBoxRequest& message) {
  const int answer =
      Answer(message.Buttons, "message " + std::to_string(message.Number) + " " + LogFormat::Quote(message.Text));
  std::string line = "message " + std::to_string(message.Number);
  for (const auto& arg : message.Args) line += " " + LogFormat::Quote(arg);
  mLog->WriteLine(line + " -> " + std::to_string(answer));
  return answer;
}

int HeadlessMessageAnswers::AnswerMessageBox(const std::string& text, MsgButtons buttons) {
  const int answer = Answer(buttons, "message box " + LogFormat::Quote(text));
  std::string line = "msgbox " + LogFormat::Quote(text);
  if (buttons != MsgButtons::OK) line += " -> " + std::to_string(answer);
  mLog->WriteLine(line);
  return answer;
}

} // namespace ldr
