#include "outside/headless/clsHeadlessDialogs.h"

#include "outside/headless/clsLogFormat.h"

namespace ldr {

clsHeadlessDialogs::clsHeadlessDialogs(std::shared_ptr<clsHeadlessAnswers> answers) : mAnswers(std::move(answers)) {}

std::optional<tyOperandEntry> clsHeadlessDialogs::AskOperand(const tyOperandRequest& request) {
  std::string question = "the operand dialog " + clsLogFormat::Quote(request.Prompt);
  if (!request.Problem.empty()) question += " after " + clsLogFormat::Quote(request.Problem);
  return mAnswers->TakeOperand(question);
}

std::optional<std::string> clsHeadlessDialogs::AskFileName(enFileDialog kind, const std::string& extension,
                                                           const std::string&) {
  return mAnswers->TakeDialog(std::string(kind == enFileDialog::Save ? "the save" : "the open") + " dialog for *." +
                              extension);
}

std::optional<std::string> clsHeadlessDialogs::AskPassword(const std::string& prompt) {
  return mAnswers->TakeDialog("the password dialog " + clsLogFormat::Quote(prompt));
}

std::optional<std::string> clsHeadlessDialogs::AskLabelName(const std::string& current) {
  return mAnswers->TakeDialog("the label name dialog of " + clsLogFormat::Quote(current));
}

std::optional<std::string> clsHeadlessDialogs::AskConfiguration(long elementType, const std::string&) {
  return mAnswers->TakeDialog("the configuration of element type " + std::to_string(elementType));
}

} // namespace ldr
