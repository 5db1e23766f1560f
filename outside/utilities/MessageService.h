#pragma once
// The host's message service: numbered messages with arguments, and plain
// message boxes with a fixed text. Both return the button pressed
// (MsgAnswer: 1 OK, 2 Cancel, 6 Yes, 7 No).

#include "outside/utilities/HostMessage.h"

#include <string>
#include <vector>

namespace ldr {

class MessageService {
public:
  virtual ~MessageService() = default;
  virtual int ShowMessage(int number, const std::vector<std::string>& args = {}) = 0;
  virtual int ShowMessageBox(const std::string& text, MsgButtons buttons = MsgButtons::OK) = 0;
};

} // namespace ldr
