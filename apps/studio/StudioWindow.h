#pragma once
// The main window of ldr-studio: the project tree (modules and their
// subroutines), the editor area with its boards and scroll bars, menus and
// toolbars with every tool of the editor, a status bar and a log panel. It
// hosts the editor component only through its published interface, the
// boards and the host services, as any IDE would; every call into the
// component runs through the event boundary, so that an error is shown and
// logged, never fatal.

#include "apps/studio/BlockPalette.h"
#include "apps/studio/CompilePanel.h"
#include "apps/studio/EditorArea.h"
#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtErrorReporter.h"
#include "apps/studio/StudioHost.h"
#include "apps/studio/ToolsMenus.h"
#include "apps/studio/UndoActions.h"
#include "editor/clsLdrMain.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace ldr::studio {

class SimulationPanel;

struct StudioOptions {
  std::string HostSettingsPath = FileSettingsStore::DefaultHostSettingsPath();
  // False: run without asking anybody (a script taking a screenshot).
  bool Interactive = true;
  // The parts the editor is made with; empty: the standard parts of this
  // build.
  std::function<LdrMainParts()> MakeParts;
};

class StudioWindow : public QMainWindow {
public:
  explicit StudioWindow(StudioOptions options, QWidget* parent = nullptr);
  ~StudioWindow() override;

  // Opens a project file (closing the open one); false when it failed, the
  // reason shown and logged.
  bool OpenProject(const QString& path);
  // Creates a project file with the default content and opens it.
  // `demoBlocks`: the new project gets the demo function-block library.
  bool NewProject(const QString& path, bool demoBlocks = false);
  // Validates an edit in progress and closes the project; every commit is
  // in the project file itself afterwards.
  void CloseProject();
  // Validates an edit in progress and writes every commit into the project
  // file itself, so the file alone can be copied. Edits are stored as they are
  // made; saving only checkpoints the write-ahead log.
  void SaveProject();
  bool HasProject() const { return mSession != nullptr; }
  QString ProjectPath() const;

  // Shows a subroutine through the editor's LoadFunction; false when the
  // editor refused (the error is shown).
  bool LoadSubroutine(long funcID);
  // A tool, strip command or edit command ID, as a toolbar click sends it.
  void RunTool(const std::string& toolID);
  void RunEditCommand(long editCommand);
  void OpenSettings();
  // Run > Simulate: starts or stops the scan simulator on the open project.
  void SetSimulating(bool on);
  SimulationPanel* Simulation() const { return mSimulation; }

  bool SaveScreenshot(const QString& path);
  // Writes the whole ladder as PLCopen XML (File > Export); its warnings go
  // to the log. False when it failed, the reason shown.
  bool ExportPlcopen(const QString& path);

  // For the tests and for scripts.
  clsLdrMain* Main() const;
  EditorArea* Editor() const { return mEditor; }
  QTreeWidget* ProjectTree() const { return mTree; }
  QPlainTextEdit* LogPanel() const { return mLogPanel; }
  CompilePanel* Compile() const { return mCompilePanel; }
  QAction* ActionFor(const std::string& id) const;
  const EventBoundary& Boundary() const { return *mBoundary; }
  ToolsMenus* Tools() const { return mToolsMenus; }
  QMenu* FunctionBlockMenu() const { return mBlocks->Menu(); }
  QString StatusText() const;
  void Log(const std::string& line);

  static QString DemoProjectPath();
  static constexpr long kStartSubroutine = 2;

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct Session;
  class ScrollForwarder;

  void BuildActions();
  void BuildMenus();
  void BuildToolBars();
  void BuildDocks();
  void BuildStatusBar();
  QAction* AddToolAction(const std::string& id, const QString& text, const QString& tip, bool enabled = true);
  void ConnectHost(Session& session);
  void RefreshProjectTree();
  void RefreshRecentMenu();
  void RefreshTitle();
  // Tools and commands work only on an open project.
  void RefreshActionsEnabled();
  void OnTreeActivated(QTreeWidgetItem* item);
  void InstallProjectTreeMenu();
  void OnToolChosen(const QString& toolID);
  void OnWorkMode(int workMode);
  void OnCommandEnabled(const QString& commandID, bool enabled);
  void ReportFailure(const std::string& action, const LdrError* error, const std::string& text);
  void ClearBoards();
  bool Guard(const std::string& action, const std::function<void()>& call);
  void AskNewProject();
  void AskOpenProject();

  StudioOptions mOptions;
  std::shared_ptr<EventBoundary> mBoundary;
  std::shared_ptr<QtErrorReporter> mErrors;
  EditorArea* mEditor = nullptr;
  QTreeWidget* mTree = nullptr;
  QPlainTextEdit* mLogPanel = nullptr;
  CompilePanel* mCompilePanel = nullptr;
  QMenu* mRecentMenu = nullptr;
  QLabel* mActionLabel = nullptr;
  QLabel* mModifiedLabel = nullptr;
  QLabel* mCompileLabel = nullptr;
  std::map<std::string, QAction*> mActions;
  SimulationPanel* mSimulation = nullptr;
  QAction* mSimulateAction = nullptr;
  std::unique_ptr<UndoActions> mUndo;
  std::unique_ptr<Session> mSession;
  ToolsMenus* mToolsMenus = nullptr;
  std::unique_ptr<BlockPalette> mBlocks;
  std::string mSubroutineTitle;
};

} // namespace ldr::studio
