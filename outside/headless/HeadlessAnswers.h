#pragma once
// The answers a script queues for the headless host, one queue per kind of
// question: numbered messages (`answer N …`), operand dialogs (`operand TYPE
// ADDR [NET]`, `operand cancel`), other dialogs (`dialog VALUE`, `dialog
// cancel`) and context menus (`menu TOOL`, `menu none`). Each question takes
// the oldest answer of its kind; a question without one throws
// HeadlessAnswerMissing (context menus excepted: without a queued choice a
// menu is dismissed).

#include "outside/utilities/OperandValues.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ldr {

class OperandTypeCatalogue;

class HeadlessAnswers {
public:
  void QueueAnswer(int answer);
  void QueueOperand(const OperandEntry& entry) { mOperands.push_back(entry); }
  void QueueOperandCancel() { mOperands.push_back(std::nullopt); }
  void QueueDialog(const std::string& value) { mDialogs.push_back(value); }
  void QueueDialogCancel() { mDialogs.push_back(std::nullopt); }
  void QueueMenu(const std::string& toolID) { mMenus.push_back(toolID); }

  // The arguments of the script commands, split into words. Each checks all
  // its words first and queues nothing on a mistake (std::invalid_argument
  // with the reason).
  void QueueAnswerWords(const std::vector<std::string>& words);
  void QueueOperandWords(const std::vector<std::string>& words, const OperandTypeCatalogue& types);
  void QueueDialogWords(const std::vector<std::string>& words);
  void QueueMenuWords(const std::vector<std::string>& words);

  // `question` names what is asked, for the failure text.
  int TakeAnswer(const std::string& question);
  std::optional<OperandEntry> TakeOperand(const std::string& question);
  std::optional<std::string> TakeDialog(const std::string& question);
  // Empty when no choice is queued (the menu is dismissed).
  std::string TakeMenu();

  std::size_t PendingAnswers() const { return mAnswers.size(); }
  std::size_t PendingOperands() const { return mOperands.size(); }
  std::size_t PendingDialogs() const { return mDialogs.size(); }
  std::size_t PendingMenus() const { return mMenus.size(); }
  bool HasPending() const;

  static bool IsValidAnswer(int answer);

private:
  std::deque<int> mAnswers;
  std::deque<std::optional<OperandEntry>> mOperands;
  std::deque<std::optional<std::string>> mDialogs;
  std::deque<std::string> mMenus;
};

} // namespace ldr
