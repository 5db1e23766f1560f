#include "apps/studio/QtDialogService.h"

#include "apps/studio/BlockDialog.h"
#include "apps/studio/OperandDialog.h"
#include "apps/studio/ParamsKindDialog.h"
#include "elements/ElementTitles.h"
#include "elements/clsUtilElementEx.h"
#include "interfaces/enElementType.h"

#include <QFileDialog>
#include <QInputDialog>

namespace ldr::studio {

QtDialogService::QtDialogService(QWidget* parent, std::shared_ptr<OperandLibrary> operands, LogWriter log,
                                 bool interactive)
    : mParent(parent), mOperands(std::move(operands)), mLog(std::move(log)), mInteractive(interactive) {}

std::optional<OperandEntry> QtDialogService::AskOperand(const OperandRequest& request) {
  if (!mInteractive) return std::nullopt;
  OperandDialog dialog(request, mOperands, mParent);
  if (dialog.exec() != QDialog::Accepted) {
    if (mLog) mLog("operand dialog cancelled");
    return std::nullopt;
  }
  OperandEntry entry = dialog.Entry();
  if (mLog)
    mLog("operand " + mOperands->Types().ShortName(entry.Type) + " " + std::to_string(entry.Address) +
         (OperandTypeCatalogue::IsConstant(entry.Type) ? " value " + std::to_string(entry.Value) : std::string()));
  // The operand library stores it with the operand's list row on confirmation.
  if (dialog.DescriptionEdited()) entry.Description = dialog.Description();
  return entry;
}

std::optional<std::string> QtDialogService::AskFileName(FileDialog kind, const std::string& extension,
                                                        const std::string& proposed) {
  if (!mInteractive) return std::nullopt;
  const QString filter = QString("*.%1 files (*.%1);;All files (*)").arg(QString::fromStdString(extension));
  const QString name = kind == FileDialog::Save
                           ? QFileDialog::getSaveFileName(mParent, "Save", QString::fromStdString(proposed), filter)
                           : QFileDialog::getOpenFileName(mParent, "Open", QString::fromStdString(proposed), filter);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtDialogService::AskText(const QString& objectName, const QString& title,
                                                    const QString& label, const std::string& current, bool secret) {
  if (!mInteractive) return std::nullopt;
  QInputDialog dialog(mParent);
  dialog.setObjectName(objectName);
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setTextEchoMode(secret ? QLineEdit::Password : QLineEdit::Normal);
  dialog.setTextValue(QString::fromStdString(current));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<std::string> QtDialogService::AskKindSettings(long elementType, const std::string& current) {
  if (!mInteractive) return std::nullopt;
  KindParamsObject object(mOperands, elementType, GetElementTitle(nullptr, static_cast<std::int32_t>(elementType)));
  std::string problem;
  object.ApplyConfigurationText(current, problem);
  ParamsKindDialog dialog(object, mParent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ConfigurationText();
}

QString QtDialogService::ClockPrompt(long elementType) {
  // The direct clocks keep their range in the element.
  switch (elementType) {
  case eET_DirTime:
    return "Hours (from-to, hh:mm-hh:mm):";
  case eET_DirDayOfTheWeek:
    return "Days of the week (1 = Sunday ... 7 = Saturday, separated by commas):";
  case eET_DirDayOfTheMonth:
    return "Days of the month (1 to 31, separated by commas):";
  case eET_DirMonth:
    return "Months (1 = January ... 12 = December, separated by commas):";
  case eET_DirYear:
    return "Years (from-to, yyyy-yyyy):";
  default:
    return {};
  }
}

std::optional<std::string> QtDialogService::AskPassword(const std::string& prompt) {
  return AskText("passwordDialog", "Password", QString::fromStdString(prompt), {}, true);
}

std::optional<std::string> QtDialogService::AskLabelName(const std::string& current) {
  return AskText("labelNameDialog", "Label", "Label name:", current, false);
}

std::optional<std::string> QtDialogService::AskBlock(long elementType, const std::string& current) {
  if (!mInteractive || !mOperands) return std::nullopt;
  const auto info = mOperands->FunctionBlocks().Describe(elementType);
  FunctionBlockInstances instances(*mOperands->Connection());
  BlockDialog dialog(info, instances.InstancesOf(info.FatherID), current, mParent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Answer();
}

std::optional<std::string> QtDialogService::AskConfiguration(long elementType, const std::string& current) {
  if (FunctionBlockLibrary::IsBlockMethod(elementType)) return AskBlock(elementType, current);
  if (const QString prompt = ClockPrompt(elementType); !prompt.isEmpty())
    return AskText("clockDialog", "Clock", prompt, current, false);
  // The linearisation and PID boxes take all their operands at once.
  if (const std::string names = clsUtilElementEx::OperandNames(elementType); !names.empty())
    return AskText("controlBoxDialog", "Box operands",
                   QString("Operands %1 (TYPE ADDRESS each, separated by commas):").arg(QString::fromStdString(names)),
                   current, false);
  if (mOperands && ParamsKinds::Find(elementType)) return AskKindSettings(elementType, current);
  return AskText("configurationDialog", "Element settings",
                 QString("Settings of element type %1 (whole numbers, separated by commas):").arg(elementType), current,
                 false);
}

} // namespace ldr::studio
