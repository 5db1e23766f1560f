#include "apps/studio/StudioWindow.h"

#include "apps/studio/ExchangeMenus.h"
#include "apps/studio/ProjectTreeMenu.h"
#include "apps/studio/RecentProjects.h"
#include "apps/studio/SettingsDialog.h"
#include "apps/studio/SimulationPanel.h"
#include "apps/studio/ToolCatalogue.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "editor/StandardParts.h"
#include "exchange/clsClipboard.h"
#include "exchange/plcopen/PlcopenFile.h"
#include "platform/boards/ScrollBarEvents.h"
#include "platform/drawing/ResourceLibrary.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <vector>

namespace ldr::studio {

namespace {

constexpr int kItemKind = Qt::UserRole;
constexpr int kItemID = Qt::UserRole + 1;
constexpr int kModuleItem = 1, kSubroutineItem = 2;
constexpr const char* kProjectFilter = "Ladder projects (*.ldrp);;All files (*)";

// Short texts for the contact and coil buttons, drawn as the rung shows them.
QString ButtonText(long elementType, const QString& title) {
  const std::string text = ToolCatalogue::ButtonText(elementType);
  return text.empty() ? title : QString::fromStdString(text);
}

// The function keys the editor takes itself: they place the element two
// columns right of the selected one. Shown in the menus and tool tips only, as
// a shortcut would take the key away from the editor.
QString FunctionKeyOf(const std::string& toolID) {
  static const std::pair<const char*, const char*> kKeys[] = {
      {"ID_LDirectContact", "F5"},      {"ID_LDirectCoil", "Shift+F5"}, {"ID_LInvertedContact", "F6"},
      {"ID_LInvertedCoil", "Shift+F6"}, {"ID_LPositiveContact", "F7"},  {"ID_LSETCoil", "Shift+F7"},
      {"ID_LNagativeContact", "F8"},    {"ID_LRESETCoil", "Shift+F8"},
  };
  for (const auto& [tool, key] : kKeys)
    if (toolID == tool) return key;
  return {};
}

} // namespace

struct StudioWindow::Session {
  QString Path;
  std::shared_ptr<db::Connection> Connection;
  StudioHost Host;
  std::unique_ptr<clsLdrMain> Main;
  std::unique_ptr<ScrollForwarder> Scrolls;
};

// Hands the scroll bars' changes and thumb drags to the editor.
class StudioWindow::ScrollForwarder : public ScrollBarEvents {
public:
  ScrollForwarder(clsLdrMain& main, QtMainBoard& board) : mMain(main), mBoard(board) {
    mBoard.Bar("vscrl").AddListener(this);
    mBoard.Bar("hscrl").AddListener(this);
  }
  ~ScrollForwarder() override {
    mBoard.Bar("vscrl").RemoveListener(this);
    mBoard.Bar("hscrl").RemoveListener(this);
  }
  void OnChange(BoardScrollBar& bar, int value) override {
    if (bar.Name() == "vscrl")
      mMain.VerticalScrollBarChange(value);
    else
      mMain.HorizontalScrollBarChange(value);
  }
  void OnScroll(BoardScrollBar& bar, int value) override {
    if (bar.Name() == "vscrl")
      mMain.VerticalScrollBarScroll(value);
    else
      mMain.HorizontalScrollBarScroll(value);
  }

private:
  clsLdrMain& mMain;
  QtMainBoard& mBoard;
};

// --- construction -----------------------------------------------------------------------

StudioWindow::StudioWindow(StudioOptions options, QWidget* parent)
    : QMainWindow(parent), mOptions(std::move(options)), mBoundary(std::make_shared<EventBoundary>()) {
  setObjectName("studioWindow");
  mErrors = std::make_shared<QtErrorReporter>(
      this, [this](const std::string& line) { Log(line); }, mOptions.Interactive);
  mBoundary->SetReporter([this](const std::string& action, const LdrError* error, const std::string& text) {
    ReportFailure(action, error, text);
  });
  mEditor = new EditorArea(mBoundary, this);
  setCentralWidget(mEditor);
  mEditor->SetResizeHandler([this](int width, int height) {
    if (Main()) Main()->Resize(width, height);
  });
  BuildDocks();
  BuildActions();
  BuildMenus();
  BuildToolBars();
  BuildStatusBar();
  RefreshRecentMenu();
  RefreshTitle();
  mEditor->MainBoard()->SetEditCommandEnabledQuery([this](const std::string& id) {
    const QAction* action = ActionFor(id);
    return action && action->isEnabled();
  });
  resize(1180, 820);
  // The nets get the room; the log keeps a few lines (once the window is
  // laid out).
  QTimer::singleShot(0, this, [this] {
    resizeDocks({findChild<QDockWidget*>("logDock")}, {110}, Qt::Vertical);
    resizeDocks({findChild<QDockWidget*>("projectDock")}, {200}, Qt::Horizontal);
  });
}

StudioWindow::~StudioWindow() {
  // The editor goes before the widgets it draws on.
  CloseProject();
}

QAction* StudioWindow::AddToolAction(const std::string& id, const QString& text, const QString& tip, bool enabled) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromStdString(id));
  action->setToolTip(tip);
  action->setStatusTip(tip);
  // Whether the build has the tool at all; an open project enables it.
  action->setProperty("available", enabled);
  action->setEnabled(false);
  connect(action, &QAction::triggered, this, [this, id] { RunTool(id); });
  mActions[id] = action;
  return action;
}

void StudioWindow::BuildActions() {
  for (const auto& group : ToolCatalogue::ElementGroups()) {
    for (const auto& tool : group.Tools) {
      const QString title = QString::fromStdString(tool.Text);
      QString tip = title + " (" + QString::fromStdString(tool.ToolID) + ")";
      if (!tool.Available) tip += " - not available in this build";
      const QString key = FunctionKeyOf(tool.ToolID);
      if (!key.isEmpty()) tip += " - " + key + " places it right of the selected element";
      QAction* action = AddToolAction(tool.ToolID, key.isEmpty() ? title : title + "\t" + key, tip, tool.Available);
      action->setIconText(ButtonText(tool.ElementType, title));
      action->setProperty("elementType", QVariant::fromValue<qlonglong>(tool.ElementType));
      action->setProperty("toolGroup", QString::fromStdString(group.Title));
    }
  }
  QAction* line = AddToolAction(ToolCatalogue::kLineTool, "Draw Lines", "Draw connecting lines (ID_LDrawLine)");
  line->setCheckable(true);
  line->setShortcut(QKeySequence("Ctrl+L"));
  line->setToolTip(line->toolTip() + " - Ctrl+L");
  AddToolAction(ToolCatalogue::kPowerFlowTool, "Power Flow", "Show the power flow of the net (ID_LPowerFlow)");
  for (const auto& entry : ToolCatalogue::StripTools())
    AddToolAction(entry.ID, QString::fromStdString(entry.Text),
                  QString::fromStdString(entry.Text + " (" + entry.ID + ")"));
  for (const auto& entry : ToolCatalogue::StripCommands())
    AddToolAction(entry.ID, QString::fromStdString(entry.Text),
                  QString::fromStdString(entry.Text + " (" + entry.ID + ")"));
  // The editor takes the edit keys itself (on key-up); the shortcuts shown
  // in the menu belong to the editor area, where they give way to the
  // editor, so that a key never runs its command twice nor acts on the
  // ladder while another panel has the keyboard.
  const std::pair<const char*, QKeySequence> editKeys[] = {{"ID_Cut", QKeySequence::Cut},
                                                           {"ID_Copy", QKeySequence::Copy},
                                                           {"ID_Paste", QKeySequence::Paste},
                                                           {"ID_Delete", QKeySequence(Qt::Key_Delete)}};
  for (const auto& [id, keys] : editKeys) {
    QAction* action = AddToolAction(id, QString::fromStdString(ToolCatalogue::TextOf(id)),
                                    QString::fromStdString(ToolCatalogue::TextOf(id)));
    action->setShortcut(keys);
    action->setToolTip(action->toolTip() + " - " + keys.toString(QKeySequence::NativeText));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mEditor->addAction(action);
  }
  if (QAction* selectAll = ActionFor("ID_SelectAll")) {
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mEditor->addAction(selectAll);
  }
}

void StudioWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&New Project...", QKeySequence::New, this, [this] { AskNewProject(); })->setObjectName("newProject");
  file->addAction("&Open Project...", QKeySequence::Open, this, [this] { AskOpenProject(); })
      ->setObjectName("openProject");
  file->addAction("&Save Project", QKeySequence::Save, this, [this] { SaveProject(); })->setObjectName("saveProject");
  mRecentMenu = file->addMenu("Recent &Projects");
  mRecentMenu->setObjectName("recentProjects");
  file->addSeparator();
  file->addAction("&Settings...", this, [this] { OpenSettings(); })->setObjectName("settings");
  file->addAction("Save Screens&hot...", this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, "Save screenshot", "studio.png", "PNG images (*.png)");
    if (!path.isEmpty()) SaveScreenshot(path);
  });
  QMenu* exportMenu = file->addMenu("&Export");
  exportMenu
      ->addAction("&PLCopen XML...", this,
                  [this] {
                    if (!HasProject()) return;
                    const QString path = QFileDialog::getSaveFileName(
                        this, "Export PLCopen XML", QFileInfo(ProjectPath()).completeBaseName() + ".xml",
                        "PLCopen XML (*.xml)");
                    if (!path.isEmpty()) ExportPlcopen(path);
                  })
      ->setObjectName("exportPlcopen");
  file->addSeparator();
  mToolsMenus = new ToolsMenus(
      this, {[this] { return Main(); }, [this] { return mSession ? mSession->Host.Services : nullptr; },
             [this](const std::string& action, const std::function<void()>& call) { return Guard(action, call); },
             [this](const std::string& id, QAction* action) {
               action->setProperty("available", true);
               mActions[id] = action;
             }});
  mToolsMenus->AddFileItems(file);
  auto* exchange = new ExchangeMenus(
      this, {[this] { return Main(); }, [this] { return mSession ? mSession->Host.Services : nullptr; },
             [this](const std::string& action, const std::function<void()>& call) { return Guard(action, call); },
             [this](const std::string& id, QAction* action) {
               action->setProperty("available", true);
               mActions[id] = action;
             }});
  exchange->AddFileItems(file);
  file->addSeparator();
  file->addAction("&Quit", QKeySequence::Quit, this, [this] { close(); })->setObjectName("quit");

  QMenu* edit = menuBar()->addMenu("&Edit");
  for (const auto& entry : ToolCatalogue::EditCommands()) edit->addAction(mActions[entry.ID]);
  mUndo->AddTo(*edit);
  edit->addSeparator();
  edit->addAction("Cancel Current Action", this, [this] {
    if (Main()) Guard("Cancel", [&] { Main()->CancelProcess(); });
  });

  QMenu* ladder = menuBar()->addMenu("La&dder");
  ladder->addAction(mActions[ToolCatalogue::kLineTool]);
  ladder->addAction(mActions[ToolCatalogue::kPowerFlowTool]);
  ladder->addSeparator();
  for (const auto& entry : ToolCatalogue::StripTools()) ladder->addAction(mActions[entry.ID]);
  ladder->addSeparator();
  for (const auto& entry : ToolCatalogue::StripCommands()) ladder->addAction(mActions[entry.ID]);

  QMenu* elements = menuBar()->addMenu("E&lements");
  for (const auto& group : ToolCatalogue::ElementGroups()) {
    QMenu* sub = elements->addMenu(QString::fromStdString(group.Title));
    for (const auto& tool : group.Tools) sub->addAction(mActions[tool.ToolID]);
  }
  mBlocks = std::make_unique<BlockPalette>(this, [this](long method) {
    if (Main()) Guard("Place function block", [&] { Main()->CreateFunctionBlock(method); });
  });
  menuBar()->addMenu(mBlocks->Menu());

  QMenu* run = menuBar()->addMenu("&Run");
  mSimulateAction = run->addAction("&Simulate", QKeySequence("Ctrl+F9"), this, [this](bool on) { SetSimulating(on); });
  mSimulateAction->setObjectName("simulate");
  mSimulateAction->setCheckable(true);
  mSimulateAction->setEnabled(false);

  QMenu* view = menuBar()->addMenu("&View");
  for (auto* dock : findChildren<QDockWidget*>()) view->addAction(dock->toggleViewAction());
  mToolsMenus->AddViewItems(view);
  mToolsMenus->AddToolsMenu();
}

void StudioWindow::BuildToolBars() {
  QToolBar* ladder = addToolBar("Ladder");
  ladder->setObjectName("ladderToolBar");
  ladder->addAction(mActions[ToolCatalogue::kLineTool]);
  for (const auto& entry : ToolCatalogue::StripTools()) ladder->addAction(mActions[entry.ID]);
  ladder->addAction(mActions[ToolCatalogue::kPowerFlowTool]);

  QToolBar* strips = addToolBar("Strips");
  strips->setObjectName("stripsToolBar");
  for (const auto& entry : ToolCatalogue::StripCommands()) strips->addAction(mActions[entry.ID]);

  addToolBarBreak();
  const auto groups = ToolCatalogue::ElementGroups();
  // The most used family directly, every family behind a drop-down button.
  QToolBar* contacts = addToolBar("Contacts and Coils");
  contacts->setObjectName("contactsToolBar");
  contacts->setToolButtonStyle(Qt::ToolButtonTextOnly);
  if (!groups.empty())
    for (const auto& tool : groups.front().Tools) contacts->addAction(mActions[tool.ToolID]);

  QToolBar* families = addToolBar("Elements");
  families->setObjectName("elementsToolBar");
  for (const auto& group : groups) {
    auto* button = new QToolButton(families);
    button->setText(QString::fromStdString(group.Title));
    button->setObjectName(QString::fromStdString("group " + group.Title));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    for (const auto& tool : group.Tools) menu->addAction(mActions[tool.ToolID]);
    button->setMenu(menu);
    families->addWidget(button);
  }
  auto* blocks = new QToolButton(families);
  blocks->setText("Function Blocks");
  blocks->setObjectName("group Function Blocks");
  blocks->setPopupMode(QToolButton::InstantPopup);
  blocks->setMenu(mBlocks->Menu());
  families->addWidget(blocks);
}

void StudioWindow::BuildDocks() {
  auto* treeDock = new QDockWidget("Project", this);
  treeDock->setObjectName("projectDock");
  mTree = new QTreeWidget(treeDock);
  mTree->setObjectName("projectTree");
  mTree->setHeaderHidden(true);
  treeDock->setWidget(mTree);
  addDockWidget(Qt::LeftDockWidgetArea, treeDock);
  connect(mTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { OnTreeActivated(item); });
  InstallProjectTreeMenu();

  auto* logDock = new QDockWidget("Log", this);
  logDock->setObjectName("logDock");
  mLogPanel = new QPlainTextEdit(logDock);
  mLogPanel->setObjectName("logPanel");
  mLogPanel->setReadOnly(true);
  mLogPanel->setMaximumBlockCount(5000);
  logDock->setWidget(mLogPanel);
  addDockWidget(Qt::BottomDockWidgetArea, logDock);

  auto* simulationDock = new QDockWidget("Simulation", this);
  simulationDock->setObjectName("simulationDock");
  mSimulation = new SimulationPanel(simulationDock);
  mSimulation->SetLog([this](const std::string& line) { Log(line); });
  mSimulation->SetStoppedHandler([this] { mSimulateAction->setChecked(false); });
  simulationDock->setWidget(mSimulation);
  mEditor->installEventFilter(this);
  mEditor->RightWidget()->installEventFilter(this);
  addDockWidget(Qt::BottomDockWidgetArea, simulationDock);
  tabifyDockWidget(logDock, simulationDock);
  logDock->raise();

  mUndo = std::make_unique<UndoActions>(
      *this, [this] { return Main(); },
      [this](const std::string& action, const std::function<void()>& call) { return Guard(action, call); });
  // Shown from the View menu: it takes no room from the ladder unasked.
  addDockWidget(Qt::RightDockWidgetArea, mUndo->HistoryDock());
  mUndo->HistoryDock()->hide();
  auto* compileDock = new QDockWidget("Compile", this);
  compileDock->setObjectName("compileDock");
  mCompilePanel = new CompilePanel(
      [this] { return Main(); },
      [this](const std::string& action, const std::function<void()>& call) { return Guard(action, call); },
      compileDock);
  compileDock->setWidget(mCompilePanel);
  addDockWidget(Qt::LeftDockWidgetArea, compileDock);
}

bool StudioWindow::eventFilter(QObject* watched, QEvent* event) {
  // While simulating, Space in the editor or a double click on a contact's
  // input flips the input (the press before made it current).
  const bool space = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
  if (watched == mEditor && space && mSimulation->Running()) return mSimulation->FlipCurrentInput();
  if (watched == mEditor->RightWidget() && event->type() == QEvent::MouseButtonDblClick && mSimulation->Running()) {
    QCoreApplication::processEvents(); // the queued press of this double click first
    mSimulation->OnDoubleClick();
  }
  return QMainWindow::eventFilter(watched, event);
}

void StudioWindow::SetSimulating(bool on) {
  if (on && HasProject() && !mSimulation->Running())
    Guard("Simulate", [&] { mSimulation->Start(*mSession->Connection, *mSession->Main); });
  else if (!on && mSimulation->Running())
    Guard("Stop simulation", [&] { mSimulation->Stop(); });
  mSimulateAction->setChecked(mSimulation->Running());
  if (mSimulation->Running()) mSimulation->parentWidget()->raise();
}

void StudioWindow::BuildStatusBar() {
  mActionLabel = new QLabel(this);
  mActionLabel->setObjectName("lastAction");
  mModifiedLabel = new QLabel(this);
  mModifiedLabel->setObjectName("modified");
  mCompileLabel = new QLabel(this);
  mCompileLabel->setObjectName("needToCompile");
  statusBar()->addWidget(mActionLabel, 1);
  statusBar()->addPermanentWidget(mModifiedLabel);
  statusBar()->addPermanentWidget(mCompileLabel);
}

// --- reporting ----------------------------------------------------------------------------

void StudioWindow::Log(const std::string& line) {
  mLogPanel->appendPlainText(QString::fromStdString(line));
  if (!mOptions.Interactive) std::fprintf(stderr, "%s\n", line.c_str());
}

void StudioWindow::ReportFailure(const std::string& action, const LdrError* error, const std::string& text) {
  // A call that failed half-way may have left the busy pointer up.
  if (mSession && mSession->Host.Gui) mSession->Host.Gui->SetMousePointer(eMPtr_Default);
  // Component errors go to the project's reporter when a project is open.
  if (mSession && mSession->Host.Errors)
    mSession->Host.Errors->ReportFailure(action, error, text);
  else
    mErrors->ReportFailure(action, error, text);
}

bool StudioWindow::Guard(const std::string& action, const std::function<void()>& call) {
  return mBoundary->Run(action, call);
}

QString StudioWindow::StatusText() const {
  return QStringList{mActionLabel->text(), mModifiedLabel->text(), mCompileLabel->text()}.join(" | ");
}

// --- projects --------------------------------------------------------------------------------

QString StudioWindow::ProjectPath() const { return mSession ? mSession->Path : QString(); }

clsLdrMain* StudioWindow::Main() const { return mSession ? mSession->Main.get() : nullptr; }

QString StudioWindow::DemoProjectPath() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty()) base = QDir::homePath() + "/.local/share";
  return base + "/ldr/demo.ldrp";
}

bool StudioWindow::NewProject(const QString& path, bool demoBlocks) {
  const bool created = Guard("New project", [&] {
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto project = ProjectDatabase::Create(path.toStdString()); // the connection closes again at once
    if (demoBlocks) FunctionBlockLibrary::InstallDemoLibrary(*project);
  });
  return created && OpenProject(path);
}

bool StudioWindow::OpenProject(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  // A file that is no project is refused while the open project stays open.
  std::shared_ptr<db::Connection> connection;
  if (!Guard("Open project", [&] { connection = ProjectDatabase::Open(absolute.toStdString()); })) return false;
  CloseProject();
  auto board = mEditor->MainBoard();
  const bool opened = Guard("Open project", [&] {
    auto session = std::make_unique<Session>();
    session->Path = absolute;
    session->Connection = std::move(connection);
    session->Host = MakeStudioHost(
        session->Connection, this, board, [this](const std::string& line) { Log(line); },
        StudioHostOptions{mOptions.HostSettingsPath, mOptions.Interactive});
    const LdrMainParts parts = mOptions.MakeParts
                                   ? mOptions.MakeParts()
                                   : MakeStandardParts(clsClipboard::BufferFileBeside(mOptions.HostSettingsPath));
    session->Main = std::make_unique<clsLdrMain>(session->Host.Services, parts);
    session->Main->Init(board, mEditor->LeftBoard(), mEditor->RightBoard());
    session->Scrolls = std::make_unique<ScrollForwarder>(*session->Main, *board);
    mSession = std::move(session);
  });
  if (!opened) return false;
  ConnectHost(*mSession);
  RefreshActionsEnabled();
  mBlocks->Refresh(mSession->Host.Services->Operands);
  board->SetCustomPointerSource([this]() -> gdi::Picture {
    if (!Main() || !Main()->Context().State) return {};
    const PointerChoice choice = Main()->Context().State->ChoosePointer();
    if (choice.Picture.empty()) return {};
    return gdi::ResourceLibrary::Load(choice.Picture,
                                      choice.IsCursor ? gdi::ResourceKind::eRK_Cursor : gdi::ResourceKind::eRK_Icon);
  });
  Guard("Open project", [&] {
    const QSize size = mEditor->BoardsSize();
    Main()->Resize(size.width(), size.height());
    Main()->ReadProperties();
    mCompileLabel->setText(Main()->NeedToCompile() != 0 ? "Needs compiling" : "");
  });
  Guard("Recent projects", [&] { RecentProjects(mOptions.HostSettingsPath).Add(absolute.toStdString()); });
  RefreshRecentMenu();
  RefreshProjectTree();
  RefreshTitle();
  Log("opened project " + absolute.toStdString());
  return true;
}

void StudioWindow::ConnectHost(Session& session) {
  QtGuiService* gui = session.Host.Gui.get();
  connect(gui, &QtGuiService::titleChanged, this, [this](const QString& title) {
    mSubroutineTitle = title.toStdString();
    RefreshTitle();
  });
  connect(gui, &QtGuiService::modifiedChanged, this,
          [this](bool modified, int) { mModifiedLabel->setText(modified ? "Modified" : ""); });
  connect(gui, &QtGuiService::needToCompileChanged, this,
          [this](bool needed) { mCompileLabel->setText(needed ? "Needs compiling" : ""); });
  connect(gui, &QtGuiService::workModeChanged, this, [this](int mode) { OnWorkMode(mode); });
  connect(gui, &QtGuiService::commandEnabledChanged, this,
          [this](const QString& id, bool enabled) { OnCommandEnabled(id, enabled); });
  connect(gui, &QtGuiService::mainWindowRefreshRequested, this, [this] { RefreshProjectTree(); });
  connect(gui, &QtGuiService::blockLibraryChanged, this, [this] {
    if (mSession) mBlocks->Refresh(mSession->Host.Services->Operands);
  });
  connect(gui, &QtGuiService::actionReported, this, [this](const QString& name) { mActionLabel->setText(name); });
  // An undo step is stored when the call that reported its name returns.
  connect(
      gui, &QtGuiService::actionReported, this, [this] { mUndo->Refresh(); }, Qt::QueuedConnection);
  connect(
      gui, &QtGuiService::modifiedChanged, this, [this] { mUndo->Refresh(); }, Qt::QueuedConnection);
  // A menu entry is a tool request of its own, sent once the call that
  // showed the menu has returned.
  connect(
      gui, &QtGuiService::toolChosen, this, [this](const QString& tool) { OnToolChosen(tool); }, Qt::QueuedConnection);
  // While simulating, a press on a contact's input operand flips the input,
  // once the editor's own call has returned.
  connect(
      gui, &QtGuiService::operandPressedOnline, this,
      [this](long, long type, long address, long elementType) {
        Guard("Toggle input", [&] { mSimulation->OnOperandPressed(type, address, elementType); });
      },
      Qt::QueuedConnection);
}

void StudioWindow::CloseProject() {
  if (!mSession) return;
  SetSimulating(false);
  mCompilePanel->Clear();
  Guard("Close project", [&] { mSession->Main->QueryUnload(); });
  auto board = mEditor->MainBoard();
  board->SetCustomPointerSource({});
  mSession->Scrolls.reset();
  Guard("Close project", [&] { mSession->Main->Terminate(); });
  mSession->Main.reset();
  Guard("Close project", [&] { mSession->Connection->Checkpoint(); });
  mSession.reset();
  for (const char* box : {"txtComment", "txtLblComment"}) board->Box(box).SetVisible(false);
  board->SetMousePointer(0);
  mSubroutineTitle.clear();
  mTree->clear();
  mModifiedLabel->clear();
  mCompileLabel->clear();
  mActionLabel->clear();
  ClearBoards();
  RefreshTitle();
  RefreshActionsEnabled();
  mBlocks->Clear();
}

void StudioWindow::RefreshActionsEnabled() {
  for (const auto& [id, action] : mActions) action->setEnabled(HasProject() && action->property("available").toBool());
  if (mSimulateAction) mSimulateAction->setEnabled(HasProject());
  if (mUndo) mUndo->Refresh();
  if (mToolsMenus) mToolsMenus->ShowProjectSettings();
}

void StudioWindow::SaveProject() {
  if (!mSession) return;
  Guard("Save project", [&] {
    mSession->Main->QueryUnload();
    mSession->Main->SaveProject();
    mSession->Connection->Checkpoint();
  });
}

bool StudioWindow::ExportPlcopen(const QString& path) {
  if (!mSession) return false;
  std::vector<std::string> warnings;
  const bool written = Guard("Export PLCopen XML", [&] {
    mSession->Main->QueryUnload();
    warnings = plcopen::PlcopenFile::Write(*mSession->Connection, {}, path.toStdString());
  });
  for (const auto& warning : warnings) Log("warning: " + warning);
  if (written) Log("exported " + path.toStdString());
  return written;
}

void StudioWindow::ClearBoards() {
  for (const auto& board : {mEditor->LeftBoard(), mEditor->RightBoard()}) {
    board->PersistentImage().Fill(board->BackColor());
    board->VisibleImage().Fill(board->BackColor());
    board->Refresh();
  }
}

void StudioWindow::AskNewProject() {
  const QString path =
      QFileDialog::getSaveFileName(this, "New project", QDir::homePath() + "/project.ldrp", kProjectFilter);
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path)) {
    QMessageBox::warning(this, "New project", "The file " + path + " exists already; choose another name.");
    return;
  }
  if (NewProject(path)) LoadSubroutine(kStartSubroutine);
}

void StudioWindow::AskOpenProject() {
  const QString path =
      QFileDialog::getOpenFileName(this, "Open project", QFileInfo(ProjectPath()).absolutePath(), kProjectFilter);
  if (path.isEmpty()) return;
  if (OpenProject(path)) LoadSubroutine(kStartSubroutine);
}

void StudioWindow::RefreshRecentMenu() {
  mRecentMenu->clear();
  std::vector<std::string> paths;
  Guard("Recent projects", [&] { paths = RecentProjects(mOptions.HostSettingsPath).List(); });
  for (const auto& path : paths) {
    const QString file = QString::fromStdString(path);
    mRecentMenu->addAction(file, this, [this, file] {
      if (!QFileInfo::exists(file)) {
        Guard("Recent projects", [&] { RecentProjects(mOptions.HostSettingsPath).Remove(file.toStdString()); });
        RefreshRecentMenu();
        mErrors->ReportFailure("Open project", nullptr, "The project " + file.toStdString() + " is gone.");
        return;
      }
      if (OpenProject(file)) LoadSubroutine(kStartSubroutine);
    });
  }
  mRecentMenu->setEnabled(!mRecentMenu->isEmpty());
}

void StudioWindow::RefreshTitle() {
  QString title = "ldr-studio";
  if (mSession) title = QFileInfo(mSession->Path).fileName() + " - " + title;
  if (!mSubroutineTitle.empty()) title = QString::fromStdString(mSubroutineTitle) + " - " + title;
  setWindowTitle(title);
}

void StudioWindow::RefreshProjectTree() {
  mTree->clear();
  if (!mSession) return;
  Guard("Project tree", [&] {
    auto& db = *mSession->Connection;
    std::map<long, QTreeWidgetItem*> modules;
    for (auto rows = db.Query("SELECT MdlID, MdlName FROM LdrModules ORDER BY TreeID, MdlID"); !rows.IsEOF();
         rows.MoveNext()) {
      auto* item = new QTreeWidgetItem(mTree, {QString::fromStdString(rows.Field("MdlName").AsText())});
      item->setData(0, kItemKind, kModuleItem);
      item->setData(0, kItemID, QVariant::fromValue<qlonglong>(rows.Field("MdlID").AsLong()));
      modules[rows.Field("MdlID").AsLong()] = item;
    }
    for (auto rows = db.Query("SELECT FuncID, MdlID, FuncName FROM LdrFunctions ORDER BY TreeID, FuncID");
         !rows.IsEOF(); rows.MoveNext()) {
      const auto module = modules.find(rows.Field("MdlID").AsLong());
      if (module == modules.end()) continue;
      auto* item = new QTreeWidgetItem(module->second, {QString::fromStdString(rows.Field("FuncName").AsText())});
      item->setData(0, kItemKind, kSubroutineItem);
      item->setData(0, kItemID, QVariant::fromValue<qlonglong>(rows.Field("FuncID").AsLong()));
      if (Main() && Main()->FunctionID() == rows.Field("FuncID").AsLong()) mTree->setCurrentItem(item);
    }
  });
  mTree->expandAll();
}

// The tree's context menu; it lives as long as the tree.
void StudioWindow::InstallProjectTreeMenu() {
  ProjectTreeHooks hooks;
  hooks.Main = [this]() -> itfLdrMain* { return Main(); };
  hooks.Guard = [this](const std::string& action, const std::function<void()>& call) { return Guard(action, call); };
  hooks.Changed = [this] {
    RefreshProjectTree();
    RefreshTitle();
  };
  hooks.ItemOf = [](QTreeWidgetItem* item) -> std::pair<int, long> {
    if (!item) return {0, 0};
    return {item->data(0, kItemKind).toInt(), static_cast<long>(item->data(0, kItemID).toLongLong())};
  };
  hooks.Modules = [this] {
    std::vector<std::pair<long, std::string>> modules;
    if (!mSession) return modules;
    Guard("Project tree", [&] {
      auto rows = mSession->Connection->Query("SELECT MdlID, MdlName FROM LdrModules ORDER BY MdlID");
      for (const auto& row : rows.Rows()) modules.emplace_back(row[0].AsLong(), row[1].AsText());
    });
    return modules;
  };
  new ProjectTreeMenu(*mTree, std::move(hooks));
}

void StudioWindow::OnTreeActivated(QTreeWidgetItem* item) {
  if (!item || item->data(0, kItemKind).toInt() != kSubroutineItem) return;
  LoadSubroutine(static_cast<long>(item->data(0, kItemID).toLongLong()));
}

// --- editing --------------------------------------------------------------------------------------

bool StudioWindow::LoadSubroutine(long funcID) {
  if (!Main()) return false;
  const bool loaded = Guard("Open subroutine", [&] { Main()->LoadFunction(funcID); });
  if (!loaded) return false;
  Guard("Open subroutine", [&] { mSubroutineTitle = GetFullFunctionName(*mSession->Connection, funcID); });
  RefreshProjectTree();
  RefreshTitle();
  Log("opened subroutine " + mSubroutineTitle);
  return true;
}

void StudioWindow::RunTool(const std::string& toolID) {
  if (Main()) {
    const long command = ToolCatalogue::EditCommandOf(toolID);
    Guard("Tool " + toolID, [&] {
      if (command != 0)
        Main()->EditCommand(command);
      else
        Main()->ToolRequest(toolID);
    });
  }
  // The line tool shows what the editor says, not what the click made of it.
  if (toolID == ToolCatalogue::kLineTool) OnWorkMode(mSession ? mSession->Host.Gui->WorkMode() : 0);
}

void StudioWindow::RunEditCommand(long editCommand) {
  if (Main()) Guard("Edit", [&] { Main()->EditCommand(editCommand); });
}

void StudioWindow::OnToolChosen(const QString& toolID) {
  const std::string tool = toolID.toStdString();
  if (!ToolCatalogue::IsConversion(tool)) return RunTool(tool);
  if (Main()) Guard("Tool " + tool, [&] { Main()->SpecialToolRequest(tool); });
}

void StudioWindow::OnWorkMode(int workMode) {
  QAction* line = mActions[ToolCatalogue::kLineTool];
  const QSignalBlocker block(line);
  line->setChecked(workMode != 0);
}

void StudioWindow::OnCommandEnabled(const QString& commandID, bool enabled) {
  if (QAction* action = ActionFor(commandID.toStdString())) action->setEnabled(enabled);
}

QAction* StudioWindow::ActionFor(const std::string& id) const {
  const auto found = mActions.find(id);
  return found == mActions.end() ? nullptr : found->second;
}

void StudioWindow::OpenSettings() {
  if (!mSession) {
    mErrors->ReportFailure("Settings", nullptr, "Open a project first: the settings are read through it.");
    return;
  }
  SettingsDialog dialog(*mSession->Host.Settings, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const bool stored = Guard("Settings", [&] {
    dialog.Store();
    Main()->ReadProperties();
  });
  if (stored) Log("settings stored");
}

bool StudioWindow::SaveScreenshot(const QString& path) {
  const bool saved = grab().save(path, "PNG");
  Log((saved ? "screenshot written to " : "could not write the screenshot ") + path.toStdString());
  return saved;
}

void StudioWindow::closeEvent(QCloseEvent* event) {
  CloseProject();
  event->accept();
}

} // namespace ldr::studio
