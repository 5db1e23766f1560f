#pragma once
// The ladder password dialog: asks for the password (one box) or for a new
// password and its repetition (two boxes), through the host's dialog service.
// A new password is refused with message 291 when the repetition differs and
// with message 292 when it breaks the rule; the dialog then asks again.

#include <string>

namespace ldr {

class DialogService;
class MessageService;

class frmLadderPassword {
public:
  static constexpr const char* kPasswordPrompt = "Ladder password";
  static constexpr const char* kNewPasswordPrompt = "New ladder password";
  static constexpr const char* kRepetitionPrompt = "Repeat the new ladder password";

  frmLadderPassword(DialogService& dialogs, MessageService& messages);

  // The typed text, unless the user cancels.
  void GetRamPassword(std::string& ramPassword, bool& canceled);
  // A new password that the user typed twice alike and that keeps the rule.
  void GetDBPassword(std::string& dbPassword, bool& canceled);
  // 6 to 16 characters, any characters.
  static bool CheckPassword(const std::string& password);

private:
  DialogService& mDialogs;
  MessageService& mMessages;
};

} // namespace ldr
