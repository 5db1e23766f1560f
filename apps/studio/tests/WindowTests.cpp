// The studio's main window with a generated project: the project tree, the
// tools and their states, and every route from a user action to the editor
// (tools, scroll bars, keys, mouse, context menus), errors shown and never
// fatal, and the smoke screenshot of the window.

#include "RecordingView.h"
#include "StudioTestSupport.h"

#include "apps/studio/OperandDialog.h"
#include "apps/studio/RecentProjects.h"
#include "apps/studio/SettingsDialog.h"
#include "apps/studio/StudioWindow.h"
#include "apps/studio/ToolCatalogue.h"
#include "core/ProjectDatabase.h"
#include "editor/StandardParts.h"
#include "editor/ToolTable.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"
#include "interfaces/itfLdrElement.h"

#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#ifndef LDR_BINARY_DIR
#define LDR_BINARY_DIR "."
#endif

namespace ldr::studio::test {

namespace {

long Count(db::Connection& db, const std::string& sql) { return db.QueryValue(sql).AsLong(); }

} // namespace

class WindowTests : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<TempProject> mProject;
  std::unique_ptr<StudioWindow> mWindow;
  RecordingView* mView = nullptr; // the editor's newest view

  // A window with the project open, its editor made with a recording view.
  void OpenWithRecordingView() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    options.MakeParts = [this] {
      LdrMainParts parts;
      parts.CreateView = [this](LdrContext& context) {
        auto view = std::make_unique<RecordingView>(context);
        mView = view.get();
        return std::unique_ptr<itfFunction>(std::move(view));
      };
      return parts;
    };
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
    QVERIFY(mWindow->LoadSubroutine(StudioWindow::kStartSubroutine));
    QVERIFY(mView != nullptr);
    mView->Calls.clear();
  }

  QString LogText() const { return mWindow->LogPanel()->toPlainText(); }

  // A window with the project open in the editor of this build.
  void OpenWithStandardEditor() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
    QVERIFY(mWindow->LoadSubroutine(StudioWindow::kStartSubroutine));
  }

  // Pixels of the widget in `area` darker than mid-grey.
  static int DarkPixels(QWidget& widget, const QRect& area) {
    const QImage image = widget.grab().toImage();
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.valid(x, y) && qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
  }

  // A press at `from`, moves with the button held in steps, and the release
  // at `to`; the modifier keys go down once the drag has begun (a Ctrl-click
  // itself would only toggle the selection).
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers, const std::function<void()>& midway = {}) {
    QWidget* board = mWindow->Editor()->RightWidget();
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
    if (modifiers & Qt::ControlModifier) QTest::keyPress(mWindow->Editor(), Qt::Key_Control, modifiers);
    const QPoint step((to.x() - from.x()) / 10, (to.y() - from.y()) / 10);
    for (int i = 1; i <= 10; ++i) {
      const QPointF at = from + step * i;
      QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, modifiers);
      QApplication::sendEvent(board, &move);
    }
    if (midway) midway();
    QTest::mouseRelease(board, Qt::LeftButton, modifiers, to);
    if (modifiers & Qt::ControlModifier) QTest::keyRelease(mWindow->Editor(), Qt::Key_Control, Qt::NoModifier);
  }

  static long FirstNet(db::Connection& db) {
    return db.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum LIMIT 1")
        .AsLong();
  }

  // The tool clicked, the pointer moved to `at` and pressed there, and the
  // operand dialog answered with the operand.
  void PlaceElement(const char* tool, QPoint at, long operandType, long address) {
    QWidget* board = mWindow->Editor()->RightWidget();
    mWindow->ActionFor(tool)->trigger();
    auto seen = AnswerNextDialog("operandDialog", [operandType, address](QDialog& dialog) {
      auto& operand = static_cast<OperandDialog&>(dialog);
      operand.SelectType(operandType);
      operand.SetAddress(address);
      operand.accept();
    });
    QTest::mouseMove(board, at);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY2(seen->Seen, tool);
    QCOMPARE(seen->ObjectName, QString("operandDialog"));
  }

private slots:
  void cleanup() {
    mWindow.reset();
    mView = nullptr;
    mProject.reset();
  }

  void projectTreeShowsModulesAndSubroutines() {
    OpenWithRecordingView();
    QTreeWidget* tree = mWindow->ProjectTree();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* module = tree->topLevelItem(0);
    QCOMPARE(module->childCount(), 2);
    QCOMPARE(module->child(1)->text(0), QString("Main"));
    QVERIFY(mWindow->windowTitle().contains("Main"));
    // Activating a subroutine in the tree loads it in the editor.
    emit tree->itemActivated(module->child(0), 0);
    QCOMPARE(mWindow->Main()->FunctionID(), 1L);
    QVERIFY(mView->Saw("Load 1"));
    QCOMPARE(Count(*mWindow->Main()->Context().Connection, "SELECT ActiveFuncID FROM LdrModules WHERE MdlID=1"), 1L);
  }

  void everyElementToolIsOfferedAndOnlyBuiltFamiliesAreEnabled() {
    OpenWithRecordingView();
    int offered = 0;
    for (const auto& tool : ToolTable::ElementTools()) {
      QAction* action = mWindow->ActionFor(std::string(tool.ToolID));
      QVERIFY2(action, tool.ToolID.data());
      const bool built = IsFamilyBuilt(GetFamilyType(static_cast<std::int32_t>(tool.ElementType)));
      QCOMPARE(action->isEnabled(), built);
      ++offered;
    }
    QCOMPARE(offered, 305);
    QVERIFY(mWindow->ActionFor("ID_LDirectContact")->isEnabled());
    QVERIFY(mWindow->ActionFor("ID_LDrawLine")->isCheckable());
    for (const char* id : {"ID_NewNet", "ID_InsertComment", "ID_LSetLabel", "ID_AppendLdrNet", "ID_SelectAll",
                           "ID_CollapseNets", "ID_ExpandNets", "ID_ExpandAllNets", "ID_DisableNets", "ID_EnableNets",
                           "ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete"})
      QVERIFY2(mWindow->ActionFor(id), id);
    // The Elements menu holds every family group.
    QMenu* elements = nullptr;
    for (QAction* menu : mWindow->menuBar()->actions())
      if (menu->text() == "E&lements") elements = menu->menu();
    QVERIFY(elements);
    QCOMPARE(elements->actions().size(), static_cast<qsizetype>(ToolCatalogue::ElementGroups().size()));
  }

  void toolsAndEditCommandsReachTheEditor() {
    OpenWithRecordingView();
    mWindow->ActionFor("ID_LDirectContact")->trigger();
    QCOMPARE(mView->Last(), std::string("CreateNewElement 200"));
    mWindow->ActionFor("ID_InsertComment")->trigger();
    QCOMPARE(mView->Last(), std::string("CreateNewStrip 2"));
    mWindow->ActionFor("ID_AppendLdrNet")->trigger();
    QCOMPARE(mView->Last(), std::string("AppendNewStrip 1 3"));
    mWindow->ActionFor("ID_CollapseNets")->trigger();
    QCOMPARE(mView->Last(), std::string("ToolRequest ID_CollapseNets"));
    mWindow->ActionFor("ID_Copy")->trigger();
    QCOMPARE(mView->Last(), std::string("EditCommand 2"));

    // The line tool shows the work mode the editor reports.
    QAction* line = mWindow->ActionFor("ID_LDrawLine");
    line->trigger();
    QVERIFY(mView->Saw("ToggleWorkMode"));
    QVERIFY(line->isChecked());
    line->trigger();
    QVERIFY(!line->isChecked());
    // What the component says about a command's state reaches its action.
    mWindow->Main()->Context().Host->Gui->SetCommandEnabled("ID_Paste", false);
    QVERIFY(!mWindow->ActionFor("ID_Paste")->isEnabled());
    mWindow->Main()->Context().Host->Actions->ReportAction("Delete Ladder Net");
    QVERIFY(mWindow->StatusText().contains("Delete Ladder Net"));
  }

  void scrollBarsReachTheEditor() {
    OpenWithRecordingView();
    EditorArea* editor = mWindow->Editor();
    editor->VerticalBar()->setRange(0, 60);
    editor->VerticalBar()->setValue(7);
    QCOMPARE(mView->Last(), std::string("SetVerticalScrollLocation 7"));
    editor->HorizontalBar()->setRange(0, 20);
    editor->HorizontalBar()->setValue(4);
    QCOMPARE(mView->Last(), std::string("SetHorizontalScrollLocation 4"));
    QCOMPARE(mWindow->Main()->HorizontalScroll(), 4L);

    // A thumb drag shows the tool tip, and its end snaps the view.
    mView->SnapStep = 5;
    mView->Calls.clear();
    editor->VerticalBar()->setSliderDown(true);
    editor->VerticalBar()->setSliderPosition(23);
    QCOMPARE(mView->Last(), std::string("ShowScrollToolTip 23"));
    editor->VerticalBar()->setSliderDown(false);
    QCOMPARE(editor->VerticalBar()->value(), 20);
    QCOMPARE(mView->Last(), std::string("SetVerticalScrollLocation 20"));
  }

  void keysReachTheEditor() {
    OpenWithRecordingView();
    EditorArea* editor = mWindow->Editor();
    editor->VerticalBar()->setRange(0, 60);
    editor->VerticalBar()->setSingleStep(1);
    QVERIFY(editor->MainBoard()->SetFocus());
    // Nothing selected: Down scrolls the view a row.
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(editor->VerticalBar()->value(), 1);
    QVERIFY(mView->Saw("SetVerticalScrollLocation 1"));
    QVERIFY(editor->MainBoard()->HasFocus());
    // An element selected: the key goes to the view.
    mView->ElementSelected = true;
    QTest::keyClick(editor, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(mView->Saw("KeyPress 40 1"));
    // Delete on key-up is the delete command, once, not also the menu's.
    mView->Calls.clear();
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(std::count(mView->Calls.begin(), mView->Calls.end(), std::string("EditCommand 4")), 1L);
    // F5 inserts a direct contact.
    QTest::keyClick(editor, Qt::Key_F5);
    QVERIFY(mView->Saw("CreateNewElement 200"));
  }

  void mouseReachesTheEditorWithTheScrollOffset() {
    OpenWithRecordingView();
    EditorArea* editor = mWindow->Editor();
    editor->HorizontalBar()->setRange(0, 20);
    editor->HorizontalBar()->setValue(2);
    mView->Calls.clear();
    QTest::mousePress(editor->RightWidget(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 50));
    QTest::mouseRelease(editor->RightWidget(), Qt::LeftButton, Qt::ControlModifier, QPoint(101, 50));
    QCOMPARE(mView->Calls[0], std::string("MouseDown 1 2 128 50"));
    QVERIFY(mView->Saw("MouseUp 1 2 129 50"));
    // The left board has no horizontal offset; a double click reaches the view.
    QTest::mouseClick(editor->LeftWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QTest::mouseDClick(editor->LeftWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QVERIFY(mView->Saw("MouseDown 1 0 10 20"));
    QVERIFY(mView->Saw("MouseUp 1 0 10 20"));
    QVERIFY(mView->Saw("DoubleClick"));
    // A mouse-up without a mouse-down on a board reaches nothing.
    mView->Calls.clear();
    QTest::mouseRelease(editor->RightWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QVERIFY(mView->Calls.empty());
  }

  void contextMenuEntryComesBackAsAToolRequest() {
    OpenWithRecordingView();
    EditorArea* editor = mWindow->Editor();
    auto seen = ChooseInNextMenu("ID_NewNet");
    QTest::mousePress(editor->RightWidget(), Qt::RightButton, Qt::NoModifier, QPoint(60, 30));
    QTest::mouseRelease(editor->RightWidget(), Qt::RightButton, Qt::NoModifier, QPoint(60, 30));
    QVERIFY(seen->Seen);
    QCOMPARE(seen->ObjectName, QString("contextMenu103"));
    QVERIFY(seen->Text.contains("ID_Paste"));
    // Sent once the call that showed the menu has returned.
    QTRY_VERIFY(mView->Saw("CreateNewStrip 1"));
  }

  void componentErrorsAreShownAndLoggedNotFatal() {
    OpenWithRecordingView();
    mView->FailingTool = "ID_Boom";
    auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    mWindow->RunTool("ID_Boom");
    QVERIFY(seen->Seen);
    QCOMPARE(seen->ObjectName, QString("errorMessage"));
    QVERIFY(seen->Text.contains("the tool ID_Boom failed"));
    QVERIFY(LogText().contains("error 231 Tool failed"));
    // The editor still works afterwards.
    mWindow->RunTool("ID_NewNet");
    QCOMPARE(mView->Last(), std::string("CreateNewStrip 1"));
  }

  void settingsReachTheEditorThroughTheSettingsStore() {
    OpenWithRecordingView();
    auto seen = AnswerNextDialog("settingsDialog", [](QDialog& dialog) {
      auto& settings = static_cast<SettingsDialog&>(dialog);
      settings.SetSnapLimits(4, 6);
      settings.SetPowerFlowColor(0x00FF00);
      settings.SetFunctionKeyType(0, 302);
      settings.accept();
    });
    mWindow->OpenSettings();
    QVERIFY(seen->Seen);
    LdrContext& context = mWindow->Main()->Context();
    QCOMPARE(context.SnapLimitX, 4L);
    QCOMPARE(context.SnapLimitY, 6L);
    QCOMPARE(context.PowerFlowColor, 0x00FF00u);
    // F3 now inserts the element type chosen for it.
    QVERIFY(mWindow->Editor()->MainBoard()->SetFocus());
    QTest::keyClick(mWindow->Editor(), Qt::Key_F3);
    QVERIFY(mView->Saw("CreateNewElement 302"));
    // A cancelled dialog stores nothing.
    AnswerNextDialog("settingsDialog", [](QDialog& dialog) {
      static_cast<SettingsDialog&>(dialog).SetSnapLimits(9, 9);
      dialog.reject();
    });
    mWindow->OpenSettings();
    QCOMPARE(context.Host->Settings->HostSetting(6000, 6006, ""), std::string("4"));
  }

  void numberedMessageAnsweredNoChangesNothing() {
    OpenWithRecordingView();
    auto& db = *mWindow->Main()->Context().Connection;
    const long strips = Count(db, "SELECT COUNT(*) FROM LdrStrips");
    const long functions = Count(db, "SELECT COUNT(*) FROM LdrFunctions");
    auto seen = AnswerNextMessageBox(QMessageBox::No);
    const int answer = mWindow->Main()->Context().Host->Messages->ShowMessage(eHM_DeleteSubroutine, {"Main"});
    QCOMPARE(answer, static_cast<int>(eMA_No));
    QVERIFY(seen->Text.contains("Main"));
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrStrips"), strips);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrFunctions"), functions);
    // Navigating to an element that is gone shows message 82 and stays put.
    seen = AnswerNextMessageBox(QMessageBox::Ok);
    mView->Calls.clear();
    mWindow->Main()->HighLightOperand(1, 1, 999, 999, 0, 0);
    QCOMPARE(seen->ObjectName, QString("hostMessage82"));
    QCOMPARE(mWindow->Main()->FunctionID(), 2L);
    QVERIFY(mView->Calls.empty());
  }

  // Saving and closing put every commit into the project file itself, even
  // while another connection keeps the write-ahead log open.
  void savingAndClosingPutEditsIntoTheProjectFile() {
    if (!MakeStandardParts().CreateView) QSKIP("the function view is not in this build yet");
    OpenWithStandardEditor();
    auto reader = ProjectDatabase::Open(mProject->ProjectPath().toStdString());
    auto countInCopy = [&](const QString& name) {
      const QString copy = mProject->FilePath(name);
      QFile::copy(mProject->ProjectPath(), copy);
      return Count(*ProjectDatabase::Open(copy.toStdString()), "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200");
    };
    PlaceElement("ID_LDirectContact", QPoint(6 * 14, 3 * 14), eOT_MB, 7);
    mWindow->findChild<QAction*>("saveProject")->trigger();
    QCOMPARE(countInCopy("saved.ldrp"), 1L);
    PlaceElement("ID_LDirectContact", QPoint(20 * 14, 3 * 14), eOT_MB, 8);
    mWindow->CloseProject();
    QCOMPARE(countInCopy("closed.ldrp"), 2L);
  }

  void fileExportWritesThePlacedLadderAsPlcopenXml() {
    if (!MakeStandardParts().CreateView) QSKIP("the function view is not in this build yet");
    OpenWithStandardEditor();
    QVERIFY(mWindow->findChild<QAction*>("exportPlcopen"));
    PlaceElement("ID_LDirectContact", QPoint(6 * 14, 3 * 14), eOT_MB, 7);
    const QString xml = mProject->FilePath("export.xml");
    QVERIFY(mWindow->ExportPlcopen(xml));
    QFile file(xml);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<variable>MB7</variable>"));
    QVERIFY(text.contains("pouType=\"program\""));
    QVERIFY(mWindow->LogPanel()->toPlainText().contains("exported " + xml));
  }

  // The real editor of this build: elements placed by clicks on the board
  // widget, their operands answered in the operand dialog, a line drawn
  // between them, the rows in the database.
  void placingAContactACoilAndALineWritesTheirRows() {
    if (!MakeStandardParts().CreateView) QSKIP("the function view is not in this build yet");
    OpenWithStandardEditor();
    auto& db = *mWindow->Main()->Context().Connection;
    const long net = FirstNet(db);
    QWidget* board = mWindow->Editor()->RightWidget();

    PlaceElement("ID_LDirectContact", QPoint(6 * 14, 3 * 14), eOT_MB, 7);
    PlaceElement("ID_LDirectCoil", QPoint(30 * 14, 3 * 14), eOT_O, 3);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200 AND StripID=" + std::to_string(net)), 1L);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204 AND StripID=" + std::to_string(net)), 1L);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElmsOprs o JOIN LdrElements e ON e.ElmntID=o.ElmntID "
                       "WHERE e.ElmntType=200 AND o.Elmnt_Oprnd_Type=1 AND o.Elmnt_Oprnd_Adrs=7"),
             1L);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElmsOprs o JOIN LdrElements e ON e.ElmntID=o.ElmntID "
                       "WHERE e.ElmntType=204 AND o.Elmnt_Oprnd_Type=10 AND o.Elmnt_Oprnd_Adrs=3"),
             1L);

    // A line from the contact's outlet to the coil's inlet, drawn in line
    // mode by a press, a drag and a release.
    auto probe = ldr::CreateNewElement(mWindow->Main()->Context(), 200);
    probe->SetClassType(static_cast<enElementType>(200));
    const Rect contact = probe->GetBoundingRect();
    const int outlet = 4 + (contact.Right - contact.Left);
    mWindow->ActionFor("ID_LDrawLine")->trigger();
    QVERIFY(mWindow->ActionFor("ID_LDrawLine")->isChecked());
    const QPoint from((outlet + 2) * 14, 3 * 14), to((28 + 2) * 14, 3 * 14);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
    for (int x = from.x(); x <= to.x(); x += 14) {
      QMouseEvent drag(QEvent::MouseMove, QPointF(x, from.y()), board->mapToGlobal(QPointF(x, from.y())), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(board, &drag);
    }
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
    // One horizontal line, exactly from the contact's outlet to the coil.
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType IN (100, 101, 102) AND StripID=" +
                           std::to_string(net)),
             1L);
    auto line = db.Query("SELECT Xs, Ys, Dx, Dy FROM LdrElements WHERE ElmntType IN (100, 101, 102)");
    QCOMPARE(line.Field("Xs").AsLong(), static_cast<long>(outlet));
    QCOMPARE(line.Field("Ys").AsLong(), 3L);
    QCOMPARE(line.Field("Xs").AsLong() + line.Field("Dx").AsLong(), 28L);
    QCOMPARE(line.Field("Dy").AsLong(), 0L);
    mWindow->ActionFor("ID_LDrawLine")->trigger();
    QVERIFY(!mWindow->ActionFor("ID_LDrawLine")->isChecked());

    // What was placed is on the screen: dark pixels where the contact is.
    QTRY_VERIFY(DarkPixels(*board, QRect((4 + 2) * 14, 2 * 14, 6 * 14, 2 * 14)) > 10);
    QTRY_VERIFY(DarkPixels(*board, QRect(outlet * 14 + 2 * 14 + 7, 3 * 14 - 1, 14 * 10, 3)) > 100);

    // Scrolling instantiates the strips that come into view and lets the
    // others go.
    QScrollBar* bar = mWindow->Editor()->VerticalBar();
    QVERIFY(bar->maximum() > 0);
    const std::string loaded = "SELECT IsLoaded FROM LdrStrips WHERE StripID=";
    const long returnStrip =
        db.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum DESC LIMIT 1").AsLong();
    QCOMPARE(Count(db, loaded + std::to_string(net)), -1L);
    QCOMPARE(Count(db, loaded + std::to_string(returnStrip)), 0L);
    bar->setValue(bar->maximum());
    QCOMPARE(Count(db, loaded + std::to_string(net)), 0L);
    QCOMPARE(Count(db, loaded + std::to_string(returnStrip)), -1L);
    bar->setValue(0);
    QCOMPARE(Count(db, loaded + std::to_string(net)), -1L);

    // The screenshot after these steps is an artefact of the test run.
    QTest::qWait(50);
    const QString shot = QString(LDR_BINARY_DIR) + "/studio-smoke.png";
    QVERIFY(mWindow->SaveScreenshot(shot));
    QCOMPARE(QImage(shot).size(), mWindow->size());
  }

  // An element dragged with the mouse lands where the button is released;
  // with Ctrl held the drag copies it.
  void draggingMovesAndCopiesAnElement() {
    if (!MakeStandardParts().CreateView) QSKIP("the function view is not in this build yet");
    OpenWithStandardEditor();
    auto& db = *mWindow->Main()->Context().Connection;
    PlaceElement("ID_LDirectContact", QPoint(6 * 14, 3 * 14), eOT_MB, 1);
    QCOMPARE(Count(db, "SELECT Xs FROM LdrElements WHERE ElmntType=200"), 4L);
    // Clicking an empty place first ends the selection the placing left.
    QTest::mouseClick(mWindow->Editor()->RightWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(40 * 14, 10 * 14));

    auto pointer = [this] { return mWindow->Editor()->MainBoard()->PointerPictureName(); };
    QString during;
    Drag(QPoint(7 * 14, 3 * 14), QPoint(17 * 14, 3 * 14), Qt::NoModifier, [&] { during = pointer(); });
    QCOMPARE(during, QString("ELMNT_MOVE"));
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 1L);
    QCOMPARE(Count(db, "SELECT Xs FROM LdrElements WHERE ElmntType=200"), 14L);

    Drag(QPoint(17 * 14, 3 * 14), QPoint(17 * 14, 8 * 14), Qt::ControlModifier, [&] { during = pointer(); });
    QCOMPARE(during, QString("ELMNT_COPY"));
    QCOMPARE(mWindow->Editor()->MainBoard()->MousePointer(), 0);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200"), 2L);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrElements WHERE ElmntType=200 AND Xs=14 AND Ys=8"), 1L);
  }

  // Strips inserted with the strip tools and a click on the strip they go
  // in front of; the new strips are rows of the subroutine at once.
  void stripToolsInsertInFrontOfTheStripClicked() {
    if (!MakeStandardParts().CreateView) QSKIP("the function view is not in this build yet");
    OpenWithStandardEditor();
    auto& db = *mWindow->Main()->Context().Connection;
    QWidget* board = mWindow->Editor()->RightWidget();
    const std::string secondNet =
        "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum LIMIT 1 OFFSET 1";
    const long second = db.QueryValue(secondNet).AsLong();
    const long strips = Count(db, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2");

    mWindow->ActionFor("ID_InsertComment")->trigger();
    const QPoint onSecondNet(100, 14 * 14 + 30);
    QTest::mouseMove(board, onSecondNet);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, onSecondNet);
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"), strips + 1);
    // The comment lies right in front of the net clicked.
    QCOMPARE(Count(db, "SELECT StrpType FROM LdrStrips WHERE FuncID=2 AND SeqNum=(SELECT SeqNum FROM LdrStrips "
                       "WHERE StripID=" +
                           std::to_string(second) + ")-1"),
             2L);

    const long nets = Count(db, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND StrpType=1");
    mWindow->ActionFor("ID_AppendLdrNet")->trigger();
    QCOMPARE(Count(db, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND StrpType=1"), nets + 3);
    QCOMPARE(Count(db, "SELECT IsReturnStrip FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum DESC LIMIT 1"), -1L);
  }

  // The real editor of this build on a new project.
  void standardEditorOpensANewProject() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
    const QString path = mProject->FilePath("new.ldrp");
    QVERIFY(mWindow->NewProject(path));
    QCOMPARE(mWindow->ProjectPath(), path);
    const bool viewBuilt = static_cast<bool>(MakeStandardParts().CreateView);
    std::shared_ptr<ModalSeen> seen;
    if (!viewBuilt) seen = AnswerNextMessageBox(QMessageBox::Ok);
    const bool loaded = mWindow->LoadSubroutine(StudioWindow::kStartSubroutine);
    QCOMPARE(loaded, viewBuilt);
    if (!viewBuilt) {
      // Until the view is built, loading says so, and nothing breaks.
      QVERIFY(seen->Seen);
      QVERIFY(seen->Text.contains("not available in this build"));
      QVERIFY(LogText().contains("error 217"));
    }
    // The recent list remembers the project; closing validates and closes.
    QCOMPARE(RecentProjects(mProject->SettingsPath()).List().front(), path.toStdString());
    mWindow->close();
    QVERIFY(!mWindow->HasProject());
    QVERIFY(mWindow->ProjectTree()->topLevelItemCount() == 0);
  }
};

int RunWindowTests(int argc, char** argv) {
  WindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "WindowTests.moc"
