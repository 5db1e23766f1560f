#pragma once
// The dialogs of the desktop host: the operand dialog, file dialogs, the
// password, label-name and element-configuration questions. Cancel answers
// nothing. Without a user (a script taking a screenshot) every dialog is
// cancelled.

#include "apps/studio/EventBoundary.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/DialogService.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace ldr::studio {

class OperandDialog;

class QtDialogService : public DialogService {
public:
  QtDialogService(QWidget* parent, std::shared_ptr<OperandLibrary> operands, LogWriter log, bool interactive);

  std::optional<OperandEntry> AskOperand(const OperandRequest& request) override;
  std::optional<std::string> AskFileName(FileDialog kind, const std::string& extension,
                                         const std::string& proposed) override;
  std::optional<std::string> AskPassword(const std::string& prompt) override;
  std::optional<std::string> AskLabelName(const std::string& current) override;
  std::optional<std::string> AskConfiguration(long elementType, const std::string& current) override;
  // The question of a direct clock's range dialog; empty for other types.
  static QString ClockPrompt(long elementType);

private:
  // A function-block method's configuration (BlockDialog).
  std::optional<std::string> AskBlock(long elementType, const std::string& current);
  std::optional<std::string> AskText(const QString& objectName, const QString& title, const QString& label,
                                     const std::string& current, bool secret);
  // The settings of a communication or second-set utility box (ParamsKindDialog).
  std::optional<std::string> AskKindSettings(long elementType, const std::string& current);

  QPointer<QWidget> mParent;
  std::shared_ptr<OperandLibrary> mOperands;
  LogWriter mLog;
  bool mInteractive;
};

} // namespace ldr::studio
