#pragma once
// The texts and buttons of the numbered host messages. Texts take their
// arguments at %1 … %9.

#include "outside/utilities/HostMessage.h"

#include <string>
#include <vector>

namespace ldr {

struct MessageEntry {
  int Number = 0;
  std::string Text;
  MsgButtons Buttons = MsgButtons::OK;
};

class MessageTable {
public:
  // Every number of HostMessage.
  static const std::vector<int>& Numbers();
  // The entry of a number; an unknown number gets a plain text with OK so
  // that the caller still gets an answer.
  static MessageEntry Entry(int number);
  static bool Has(int number);
  // The text with %1 … %9 replaced by the arguments (missing ones by nothing),
  // in one pass: an argument is never scanned again, so a percent sign in it
  // stays as it is.
  static std::string Format(const std::string& text, const std::vector<std::string>& args);
  // The answers a user can give to messages with these buttons.
  static std::vector<int> Answers(MsgButtons buttons);
  static std::string ButtonsName(MsgButtons buttons);
};

} // namespace ldr
