#pragma once
// The headless dialogs: operand dialogs take the script's queued `operand`
// entries, every other dialog (file name, password, label name, element
// configuration) the queued `dialog` values.

#include "outside/headless/HeadlessAnswers.h"
#include "outside/utilities/DialogService.h"

#include <memory>

namespace ldr {

class HeadlessDialogs : public DialogService {
public:
  explicit HeadlessDialogs(std::shared_ptr<HeadlessAnswers> answers);

  std::optional<tyOperandEntry> AskOperand(const tyOperandRequest& request) override;
  std::optional<std::string> AskFileName(enFileDialog kind, const std::string& extension,
                                         const std::string& proposed) override;
  std::optional<std::string> AskPassword(const std::string& prompt) override;
  std::optional<std::string> AskLabelName(const std::string& current) override;
  std::optional<std::string> AskConfiguration(long elementType, const std::string& current) override;

private:
  std::shared_ptr<HeadlessAnswers> mAnswers;
};

} // namespace ldr
