#include "outside/headless/clsHeadlessMessageAnswers.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/headless/clsLogFormat.h"
#include "outside/utilities/clsMessageTable.h"

#include <algorithm>

namespace ldr {

clsHeadlessMessageAnswers::clsHeadlessMessageAnswers(std::shared_ptr<clsHeadlessAnswers> answers,
                                                     std::shared_ptr<itfLogSink> log)
    : mAnswers(std::move(answers)), mLog(std::move(log)) {}

int clsHeadlessMessageAnswers::Answer(enMsgButtons buttons, const std::string& question) {
  if (buttons == enMsgButtons::OK) return eMA_OK;
  const std::string described = question + " (" + clsMessageTable::ButtonsName(buttons) + ")";
  const int answer = mAnswers->TakeAnswer(described);
  const auto allowed = clsMessageTable::Answers(buttons);
  if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end())
    throw HeadlessAnswerError("answer " + std::to_string(answer) + " is not a button of " + described);
  return answer;
}

int clsHeadlessMessageAnswers::AnswerMessage(const tyHostMessage& message) {
  const int answer =
      Answer(message.Buttons, "message " + std::to_string(message.Number) + " " + clsLogFormat::Quote(message.Text));
  std::string line = "message " + std::to_string(message.Number);
  for (const auto& arg : message.Args) line += " " + clsLogFormat::Quote(arg);
  mLog->WriteLine(line + " -> " + std::to_string(answer));
  return answer;
}

int clsHeadlessMessageAnswers::AnswerMessageBox(const std::string& text, enMsgButtons buttons) {
  const int answer = Answer(buttons, "message box " + clsLogFormat::Quote(text));
  std::string line = "msgbox " + clsLogFormat::Quote(text);
  if (buttons != enMsgButtons::OK) line += " -> " + std::to_string(answer);
  mLog->WriteLine(line);
  return answer;
}

} // namespace ldr
