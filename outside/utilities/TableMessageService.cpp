#include "outside/utilities/TableMessageService.h"

#include "outside/utilities/MessageTable.h"

#include <stdexcept>

namespace ldr {

TableMessageService::TableMessageService(std::shared_ptr<MessageAnswerSource> answers) : mAnswers(std::move(answers)) {
  if (!mAnswers) throw std::invalid_argument("message service: no answer source");
}

MessageBoxRequest TableMessageService::Compose(int number, const std::vector<std::string>& args) {
  const MessageEntry entry = MessageTable::Entry(number);
  return {number, args, MessageTable::Format(entry.Text, args), entry.Buttons};
}

int TableMessageService::ShowMessage(int number, const std::vector<std::string>& args) {
  return mAnswers->AnswerMessage(Compose(number, args));
}

int TableMessageService::ShowMessageBox(const std::string& text, MsgButtons buttons) {
  return mAnswers->AnswerMessageBox(text, buttons);
}

} // namespace ldr
