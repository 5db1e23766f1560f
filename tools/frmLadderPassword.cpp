#include "tools/frmLadderPassword.h"

#include "outside/utilities/DialogService.h"
#include "outside/utilities/HostMessage.h"
#include "outside/utilities/MessageService.h"
#include "tools/PasswordHash.h"

namespace ldr {

namespace {

constexpr size_t kShortest = 6, kLongest = 16;

// Characters, not bytes: continuation bytes of UTF-8 are not counted.
size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char byte : text)
    if ((byte & 0xC0) != 0x80) ++count;
  return count;
}

} // namespace

frmLadderPassword::frmLadderPassword(DialogService& dialogs, MessageService& messages)
    : mDialogs(dialogs), mMessages(messages) {}

bool frmLadderPassword::CheckPassword(const std::string& password) {
  const size_t length = CharacterCount(password);
  return length >= kShortest && length <= kLongest;
}

void frmLadderPassword::GetRamPassword(std::string& ramPassword, bool& canceled) {
  auto typed = mDialogs.AskPassword(kPasswordPrompt);
  canceled = !typed;
  if (!typed) return;
  ramPassword.assign(*typed);
  PasswordHash::Wipe(*typed);
}

void frmLadderPassword::GetDBPassword(std::string& dbPassword, bool& canceled) {
  for (;;) {
    auto first = mDialogs.AskPassword(kNewPasswordPrompt);
    if (!first) break;
    auto second = mDialogs.AskPassword(kRepetitionPrompt);
    if (!second) {
      PasswordHash::Wipe(*first);
      break;
    }
    const bool same = *first == *second;
    PasswordHash::Wipe(*second);
    if (!same) {
      PasswordHash::Wipe(*first);
      mMessages.ShowMessage(eHM_PasswordsDiffer);
      continue;
    }
    if (!CheckPassword(*first)) {
      PasswordHash::Wipe(*first);
      mMessages.ShowMessage(eHM_PasswordRule);
      continue;
    }
    canceled = false;
    dbPassword.assign(*first);
    PasswordHash::Wipe(*first);
    return;
  }
  canceled = true;
}

} // namespace ldr
