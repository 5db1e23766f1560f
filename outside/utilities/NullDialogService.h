#pragma once
// The dialogs of a host that shows none: every dialog is cancelled.

#include "outside/utilities/DialogService.h"

namespace ldr {

class NullDialogService : public DialogService {
public:
  std::optional<OperandEntry> AskOperand(const OperandRequest&) override { return std::nullopt; }
  std::optional<std::string> AskFileName(FileDialog, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskPassword(const std::string&) override { return std::nullopt; }
  std::optional<std::string> AskLabelName(const std::string&) override { return std::nullopt; }
  std::optional<std::string> AskConfiguration(long, const std::string&) override { return std::nullopt; }
};

} // namespace ldr
