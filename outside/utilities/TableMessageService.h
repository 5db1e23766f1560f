#pragma once
// The message service: looks the number up in the message table, puts the
// arguments in and asks the host's answer source.

#include "outside/utilities/MessageAnswerSource.h"
#include "outside/utilities/MessageService.h"

#include <memory>

namespace ldr {

class TableMessageService : public MessageService {
public:
  explicit TableMessageService(std::shared_ptr<MessageAnswerSource> answers);

  int ShowMessage(int number, const std::vector<std::string>& args = {}) override;
  int ShowMessageBox(const std::string& text, MsgButtons buttons = MsgButtons::OK) override;

  // The message as it would be shown, without asking anybody.
  static MessageBoxRequest Compose(int number, const std::vector<std::string>& args);

private:
  std::shared_ptr<MessageAnswerSource> mAnswers;
};

} // namespace ldr
