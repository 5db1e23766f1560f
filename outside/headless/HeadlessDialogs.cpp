#include "outside/headless/HeadlessDialogs.h"

#include "outside/headless/LogFormat.h"

namespace ldr {

HeadlessDialogs::HeadlessDialogs(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log)
    : mAnswers(std::move(answers)), mLog(std::move(log)) {}

std::optional<std::string> HeadlessDialogs::TakeAndLog(const std::string& question, const std::string& kind,
                                                       const std::string& proposed, bool secret) {
  std::optional<std::string> answer = mAnswers->TakeDialog(question);
  const std::string shown = !answer ? "cancel" : secret ? "***" : LogFormat::Word(*answer);
  if (mLog) mLog->WriteLine("dialog " + kind + " " + LogFormat::Quote(proposed) + " -> " + shown);
  return answer;
}

std::optional<OperandEntry> HeadlessDialogs::AskOperand(const OperandRequest& request) {
  std::string question = "the operand dialog " + LogFormat::Quote(request.Prompt);
  if (!request.Problem.empty()) question += " after " + LogFormat::Quote(request.Problem);
  return mAnswers->TakeOperand(question);
}

std::optional<std::string> HeadlessDialogs::AskFileName(FileDialog kind, const std::string& extension,
                                                        const std::string& proposed) {
  const std::string name = kind == FileDialog::Save ? "save" : "open";
  return TakeAndLog("the " + name + " dialog for *." + extension, name, proposed);
}

std::optional<std::string> HeadlessDialogs::AskPassword(const std::string& prompt) {
  return TakeAndLog("the password dialog " + LogFormat::Quote(prompt), "password", "", true);
}

std::optional<std::string> HeadlessDialogs::AskLabelName(const std::string& current) {
  return TakeAndLog("the label name dialog of " + LogFormat::Quote(current), "label", current);
}

std::optional<std::string> HeadlessDialogs::AskConfiguration(long elementType, const std::string& current) {
  return TakeAndLog("the configuration of element type " + std::to_string(elementType), "config", current);
}

} // namespace ldr
