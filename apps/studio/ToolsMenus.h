#pragma once
// The studio's menu items for the editor's tools: print preview and PDF
// export (File), comment hiding and label navigation (View), and the Tools
// menu with the cross-reference panel, operand replacement and the ladder
// password. Each item is enabled with an open project and runs its call
// through the window's event boundary.

#include "editor/clsLdrMain.h"
#include "outside/HostServices.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QDockWidget;
class QLineEdit;
class QMainWindow;
class QMenu;
class QTreeWidget;

namespace ldr::studio {

struct ToolsHooks {
  std::function<clsLdrMain*()> Main;
  std::function<std::shared_ptr<HostServices>()> Services;
  // Runs a call, shows and logs its failure; false when it failed.
  std::function<bool(const std::string&, const std::function<void()>&)> Guard;
  // An action enabled only while a project is open.
  std::function<void(const std::string&, QAction*)> Register;
};

class ToolsMenus : public QObject {
public:
  ToolsMenus(QMainWindow* window, ToolsHooks hooks);

  void AddFileItems(QMenu* file);
  void AddViewItems(QMenu* view);
  void AddToolsMenu();
  // Ticks the items that show a project setting (Hide Comments) as the open
  // project has it; call it when a project opens or closes.
  void ShowProjectSettings();
  QDockWidget* CrossReferenceDock() const { return mDock; }
  // Fills the cross-reference panel with the uses of the operand written in
  // its search box (for the tests too).
  void SearchOperand(const QString& text);
  QTreeWidget* CrossReferenceList() const { return mResults; }

private:
  QAction* AddItem(QMenu* menu, const std::string& id, const QString& text, const std::function<void()>& run);
  void BuildDock();
  void OpenResult(int row);
  void ShowPrintPreview();
  void ExportPdf();
  void ReplaceOperand();
  void ReloadView();

  QMainWindow* mWindow;
  ToolsHooks mHooks;
  QDockWidget* mDock = nullptr;
  QAction* mHideComments = nullptr;
  QLineEdit* mSearch = nullptr;
  QTreeWidget* mResults = nullptr;
};

} // namespace ldr::studio
