#pragma once
// The headless dialogs: operand dialogs take the script's queued `operand`
// entries, every other dialog (file name, password, label name, element
// configuration) the queued `dialog` values. Each answered dialog is logged
// as `dialog KIND "PROPOSED" -> ANSWER` (a password as ***).

#include "outside/headless/HeadlessAnswers.h"
#include "outside/headless/LogSink.h"
#include "outside/utilities/DialogService.h"

#include <memory>

namespace ldr {

class HeadlessDialogs : public DialogService {
public:
  HeadlessDialogs(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log);

  std::optional<OperandEntry> AskOperand(const OperandRequest& request) override;
  std::optional<std::string> AskFileName(FileDialog kind, const std::string& extension,
                                         const std::string& proposed) override;
  std::optional<std::string> AskPassword(const std::string& prompt) override;
  std::optional<std::string> AskLabelName(const std::string& current) override;
  std::optional<std::string> AskConfiguration(long elementType, const std::string& current) override;

private:
  // Takes the queued answer for `question` and logs the dialog with it.
  std::optional<std::string> TakeAndLog(const std::string& question, const std::string& kind,
                                        const std::string& proposed, bool secret = false);

  std::shared_ptr<HeadlessAnswers> mAnswers;
  std::shared_ptr<LogSink> mLog;
};

} // namespace ldr
