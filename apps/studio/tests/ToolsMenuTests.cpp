// The studio's tool items: the cross-reference panel finds an operand and a
// double click goes to its net; hiding comments, ticked as the project
// opened has it; the ladder password items.

#include "StudioTestSupport.h"

#include "apps/studio/StudioWindow.h"
#include "apps/studio/ToolsMenus.h"
#include "core/ProjectDatabase.h"

#include <QDockWidget>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace ldr::studio::test {

class ToolsMenuTests : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<TempProject> mProject;
  std::unique_ptr<StudioWindow> mWindow;

  void OpenStudio() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    options.Interactive = false;
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
    QVERIFY(mWindow->LoadSubroutine(StudioWindow::kStartSubroutine));
  }
  db::Connection& Db() const { return *mWindow->Main()->Context().Connection; }

private slots:
  void cleanup() {
    mWindow.reset();
    mProject.reset();
  }

  void crossReferenceListsTheUsesAndGoesToTheNet() {
    OpenStudio();
    // A contact MB 7 in the second net of subroutine 1.
    const long strip = Db().QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=1 ORDER BY SeqNum").AsLong();
    Db().Execute("INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, Height, ShowNum) VALUES (1, 0, 1, 5, 1)");
    const long net = static_cast<long>(Db().LastInsertRowId());
    QVERIFY(net != strip);
    const long element = Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", 200L}, {"Xs", 4L}, {"Ys", 2L}});
    Db().AddRow("LdrElmsOprs",
                {{"ElmntID", element}, {"OprndInIdx", 1L}, {"Elmnt_Oprnd_Type", 1L}, {"Elmnt_Oprnd_Adrs", 7L}});
    auto* tools = mWindow->Tools();
    tools->SearchOperand("MB7");
    QTreeWidget* list = tools->CrossReferenceList();
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(4), QString("read"));
    emit list->itemDoubleClicked(list->topLevelItem(0), 0);
    QCOMPARE(mWindow->Main()->FunctionID(), 1L);
  }

  void toolItemsWorkOnAnOpenProject() {
    OpenStudio();
    for (const char* id : {"ID_PrintPreview", "ID_ExportPdf", "ID_HideComments", "ID_GotoLblNext",
                           "ID_SetLadderPassword", "ID_ReplaceOperand"})
      QVERIFY2(mWindow->ActionFor(id) && mWindow->ActionFor(id)->isEnabled(), id);
    mWindow->ActionFor("ID_HideComments")->trigger();
    QCOMPARE(Db().QueryValue("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=83").AsLong(), -1L);
    mWindow->CloseProject();
    QVERIFY(!mWindow->ActionFor("ID_PrintPreview")->isEnabled());
  }

  void hideCommentsShowsTheSettingOfTheProjectOpened() {
    OpenStudio();
    QAction* hide = mWindow->ActionFor("ID_HideComments");
    hide->trigger();
    QVERIFY(hide->isChecked());
    for (const long stored : {0L, -1L}) {
      mWindow->CloseProject();
      ProjectDatabase::Open(mProject->ProjectPath().toStdString())
          ->Execute("UPDATE ProjectSettings SET SettingValue=? WHERE SettingKey=83", {stored});
      QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
      QCOMPARE(hide->isChecked(), stored != 0);
    }
  }
};

int RunToolsMenuTests(int argc, char** argv) {
  ToolsMenuTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "ToolsMenuTests.moc"
