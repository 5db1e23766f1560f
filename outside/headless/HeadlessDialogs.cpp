#include "outside/headless/HeadlessDialogs.h"

#include "outside/headless/LogFormat.h"

namespace ldr {

HeadlessDialogs::HeadlessDialogs(std::shared_ptr<HeadlessAnswers> answers) : mAnswers(std::move(answers)) {}

std::optional<tyOperandEntry> HeadlessDialogs::AskOperand(const tyOperandRequest& request) {
  std::string question = "the operand dialog " + LogFormat::Quote(request.Prompt);
  if (!request.Problem.empty()) question += " after " + LogFormat::Quote(request.Problem);
  return mAnswers->TakeOperand(question);
}

std::optional<std::string> HeadlessDialogs::AskFileName(enFileDialog kind, const std::string& extension,
                                                        const std::string&) {
  return mAnswers->TakeDialog(std::string(kind == enFileDialog::Save ? "the save" : "the open") + " dialog for *." +
                              extension);
}

std::optional<std::string> HeadlessDialogs::AskPassword(const std::string& prompt) {
  return mAnswers->TakeDialog("the password dialog " + LogFormat::Quote(prompt));
}

std::optional<std::string> HeadlessDialogs::AskLabelName(const std::string& current) {
  return mAnswers->TakeDialog("the label name dialog of " + LogFormat::Quote(current));
}

std::optional<std::string> HeadlessDialogs::AskConfiguration(long elementType, const std::string&) {
  return mAnswers->TakeDialog("the configuration of element type " + std::to_string(elementType));
}

} // namespace ldr
