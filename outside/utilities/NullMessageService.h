#pragma once
// The messages of a host that shows none: nothing is shown, and a question
// takes the answer that goes no further (Cancel, or No without Cancel).

#include "outside/utilities/MessageService.h"

namespace ldr {

class NullMessageService : public MessageService {
public:
  int ShowMessage(int number, const std::vector<std::string>& args = {}) override;
  int ShowMessageBox(const std::string& text, MsgButtons buttons = MsgButtons::OK) override;

  // The answer that goes no further; every host that cannot ask takes it.
  static int CautiousAnswer(MsgButtons buttons);
};

} // namespace ldr
