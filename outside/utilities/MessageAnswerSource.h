#pragma once
// Where the answers to messages come from: the user of a desktop host, or the
// script of the headless host. The message service hands it the message as
// it would be shown.

#include "outside/utilities/HostMessage.h"

#include <string>
#include <vector>

namespace ldr {

struct MessageBoxRequest {
  int Number = 0;
  std::vector<std::string> Args;
  std::string Text; // with the arguments in place
  MsgButtons Buttons = MsgButtons::OK;
};

class MessageAnswerSource {
public:
  virtual ~MessageAnswerSource() = default;
  virtual int AnswerMessage(const MessageBoxRequest& message) = 0;
  virtual int AnswerMessageBox(const std::string& text, MsgButtons buttons) = 0;
};

} // namespace ldr
