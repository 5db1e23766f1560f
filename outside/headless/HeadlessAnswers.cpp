#include "outside/headless/HeadlessAnswers.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "outside/utilities/HostMessage.h"
#include "outside/utilities/SettingsStore.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace ldr {

namespace {

bool ParseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0' && std::isfinite(value);
}

long WholeWord(const std::string& word, const std::string& what) {
  long value = 0;
  if (!ParseWholeNumber(word, value))
    throw std::invalid_argument(what + " must be a whole number, not \"" + word + "\"");
  return value;
}

} // namespace

bool HeadlessAnswers::IsValidAnswer(int answer) {
  return answer == eMA_OK || answer == eMA_Cancel || answer == eMA_Yes || answer == eMA_No;
}

void HeadlessAnswers::QueueAnswer(int answer) {
  if (!IsValidAnswer(answer))
    throw std::invalid_argument("answer " + std::to_string(answer) + " is none of 6 Yes, 7 No, 2 Cancel, 1 OK");
  mAnswers.push_back(answer);
}

void HeadlessAnswers::QueueAnswerWords(const std::vector<std::string>& words) {
  if (words.empty()) throw std::invalid_argument("answer needs at least one of 6 Yes, 7 No, 2 Cancel, 1 OK");
  std::vector<int> answers;
  for (const auto& word : words) {
    const long answer = WholeWord(word, "an answer");
    if (!IsValidAnswer(static_cast<int>(answer)))
      throw std::invalid_argument("answer " + word + " is none of 6 Yes, 7 No, 2 Cancel, 1 OK");
    answers.push_back(static_cast<int>(answer));
  }
  mAnswers.insert(mAnswers.end(), answers.begin(), answers.end());
}

void HeadlessAnswers::QueueOperandWords(const std::vector<std::string>& words, const OperandTypeCatalogue& types) {
  if (words.size() == 1 && words[0] == "cancel") {
    QueueOperandCancel();
    return;
  }
  if (words.size() < 2 || words.size() > 3) throw std::invalid_argument("operand needs TYPE ADDR [NET] or cancel");
  const auto type = types.ParseType(words[0]);
  if (!type) throw std::invalid_argument("unknown operand type \"" + words[0] + "\"");
  OperandEntry entry;
  entry.Type = *type;
  if (OperandTypeCatalogue::IsConstant(*type)) {
    if (!ParseNumber(words[1], entry.Value))
      throw std::invalid_argument("the value of a constant must be a number, not \"" + words[1] + "\"");
  } else {
    entry.Address = WholeWord(words[1], "an operand address");
  }
  if (words.size() == 3) entry.NetworkID = WholeWord(words[2], "a network ID");
  QueueOperand(entry);
}

void HeadlessAnswers::QueueDialogWords(const std::vector<std::string>& words) {
  if (words.size() != 1) throw std::invalid_argument("dialog needs one VALUE (quote it when it has blanks) or cancel");
  if (words[0] == "cancel")
    QueueDialogCancel();
  else
    QueueDialog(words[0]);
}

void HeadlessAnswers::QueueMenuWords(const std::vector<std::string>& words) {
  if (words.size() != 1) throw std::invalid_argument("menu needs one TOOL identifier or none");
  QueueMenu(words[0] == "none" ? std::string() : words[0]);
}

int HeadlessAnswers::TakeAnswer(const std::string& question) {
  if (mAnswers.empty()) throw HeadlessAnswerMissing("no answer queued for " + question + " (use answer N)");
  const int answer = mAnswers.front();
  mAnswers.pop_front();
  return answer;
}

std::optional<OperandEntry> HeadlessAnswers::TakeOperand(const std::string& question) {
  if (mOperands.empty())
    throw HeadlessAnswerMissing("no operand queued for " + question +
                                " (use operand TYPE ADDR [NET] or operand cancel)");
  auto entry = mOperands.front();
  mOperands.pop_front();
  return entry;
}

std::optional<std::string> HeadlessAnswers::TakeDialog(const std::string& question) {
  if (mDialogs.empty())
    throw HeadlessAnswerMissing("no dialog answer queued for " + question + " (use dialog VALUE or dialog cancel)");
  auto value = mDialogs.front();
  mDialogs.pop_front();
  return value;
}

std::string HeadlessAnswers::TakeMenu() {
  if (mMenus.empty()) return {};
  std::string tool = mMenus.front();
  mMenus.pop_front();
  return tool;
}

bool HeadlessAnswers::HasPending() const {
  return !mAnswers.empty() || !mOperands.empty() || !mDialogs.empty() || !mMenus.empty();
}

} // namespace ldr
