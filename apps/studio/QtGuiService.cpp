#include "apps/studio/QtGuiService.h"

#include "apps/studio/ToolCatalogue.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>

#include <algorithm>

namespace ldr::studio {

QtGuiService::QtGuiService(QWidget* window, std::shared_ptr<QtMainBoard> board, LogWriter log, bool interactive)
    : mWindow(window), mBoard(std::move(board)), mLog(std::move(log)), mInteractive(interactive) {}

QtGuiService::~QtGuiService() { ReleaseBusyPointer(); }

void QtGuiService::SetMousePointer(int code) {
  mPointer = code;
  if (code == eMPtr_Busy) {
    if (!mBusyShown) QApplication::setOverrideCursor(Qt::WaitCursor);
    mBusyShown = true;
  } else {
    ReleaseBusyPointer();
  }
}

void QtGuiService::ReleaseBusyPointer() {
  if (!mBusyShown) return;
  QApplication::restoreOverrideCursor();
  mBusyShown = false;
}

void QtGuiService::RefreshPointer() {
  // The editor's own pointer lives on the main board; all the service holds
  // is the busy pointer, which a refresh ends.
  if (mPointer != eMPtr_Busy) ReleaseBusyPointer();
}

std::string QtGuiService::ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools, bool,
                                          const std::string& text) {
  const auto entries = ToolCatalogue::ContextMenu(menuID);
  if (mLog) mLog("menu " + std::to_string(menuID));
  if (entries.empty() || !mInteractive) return {};
  QMenu menu(mWindow);
  menu.setObjectName(QString("contextMenu%1").arg(menuID));
  if (!text.empty()) menu.addSection(QString::fromStdString(text));
  for (const auto& entry : entries) {
    if (entry.ID.empty()) {
      menu.addSeparator();
      continue;
    }
    if (!ToolCatalogue::ShowsEntry(entry.ID, disabledTools)) continue;
    QAction* action = menu.addAction(QString::fromStdString(entry.Text));
    action->setObjectName(QString::fromStdString(entry.ID));
    action->setData(QString::fromStdString(entry.ID));
    const bool disabled = std::find(disabledTools.begin(), disabledTools.end(), entry.ID) != disabledTools.end();
    action->setEnabled(!disabled);
  }
  QAction* chosen = menu.exec(QCursor::pos());
  if (!chosen) return {};
  const std::string tool = chosen->data().toString().toStdString();
  if (mLog) mLog("  chosen " + tool);
  emit toolChosen(QString::fromStdString(tool));
  return tool;
}

void QtGuiService::SetTitle(const std::string& title) {
  mTitle = title;
  emit titleChanged(QString::fromStdString(title));
}

void QtGuiService::NotifyModified(bool modified, int code) { emit modifiedChanged(modified, code); }

void QtGuiService::NotifyNeedToCompile(bool needed) { emit needToCompileChanged(needed); }

void QtGuiService::SetWorkModeButton(int workMode) {
  mWorkMode = workMode;
  emit workModeChanged(workMode);
}

void QtGuiService::SetCommandEnabled(const std::string& commandID, bool enabled) {
  emit commandEnabledChanged(QString::fromStdString(commandID), enabled);
}

void QtGuiService::RefreshMainWindow() { emit mainWindowRefreshRequested(); }

void QtGuiService::RefreshBlockLibrary() {
  if (mLog) mLog("the function-block library changed");
  emit blockLibraryChanged();
}

void QtGuiService::ShowOperandOnline(long networkID, long operandType, long address, long elementType) {
  if (mLog)
    mLog("on line: operand type " + std::to_string(operandType) + " address " + std::to_string(address) + " network " +
         std::to_string(networkID) + " of element type " + std::to_string(elementType));
  emit operandPressedOnline(networkID, operandType, address, elementType);
}

void QtGuiService::ShowText(int, const std::string& text) {
  if (mLog) mLog("message: " + text);
  if (!mInteractive) return;
  QMessageBox box(QMessageBox::Information, "Ladder editor", QString::fromStdString(text), QMessageBox::Ok, mWindow);
  box.setObjectName("hostText");
  box.exec();
}

void QtGuiService::ReportAction(const std::string& name) { emit actionReported(QString::fromStdString(name)); }

} // namespace ldr::studio
