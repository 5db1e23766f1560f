#include "outside/utilities/clsMessageService.h"

#include "outside/utilities/clsMessageTable.h"

#include <stdexcept>

namespace ldr {

clsMessageService::clsMessageService(std::shared_ptr<itfMessageAnswerSource> answers) : mAnswers(std::move(answers)) {
  if (!mAnswers) throw std::invalid_argument("message service: no answer source");
}

tyHostMessage clsMessageService::Compose(int number, const std::vector<std::string>& args) {
  const tyMessageEntry entry = clsMessageTable::Entry(number);
  return {number, args, clsMessageTable::Format(entry.Text, args), entry.Buttons};
}

int clsMessageService::ShowMessage(int number, const std::vector<std::string>& args) {
  return mAnswers->AnswerMessage(Compose(number, args));
}

int clsMessageService::ShowMessageBox(const std::string& text, enMsgButtons buttons) {
  return mAnswers->AnswerMessageBox(text, buttons);
}

} // namespace ldr
