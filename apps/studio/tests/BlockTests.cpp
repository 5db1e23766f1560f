// The function-block palette of an open project and the block dialog.

#include "StudioTestSupport.h"

#include "apps/studio/BlockPalette.h"
#include "apps/studio/QtDialogService.h"
#include "apps/studio/StudioWindow.h"
#include "core/ProjectDatabase.h"
#include "outside/operands/FunctionBlockInstances.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest/QTest>

namespace ldr::studio::test {

class BlockTests : public QObject {
  Q_OBJECT

private slots:
  void thePaletteListsEveryMethodOfTheProjectsBlocks() {
    TempProject project;
    FunctionBlockLibrary::InstallDemoLibrary(*ProjectDatabase::Open(project.ProjectPath().toStdString()));
    StudioOptions options;
    options.HostSettingsPath = project.SettingsPath();
    StudioWindow window(options);
    QStringList names;
    for (QAction* action : window.FunctionBlockMenu()->actions()) names << action->objectName();
    QCOMPARE(names, QStringList{""}); // only the "no blocks" line before a project is open
    QVERIFY(window.OpenProject(project.ProjectPath()));
    names.clear();
    QStringList texts;
    for (QAction* action : window.FunctionBlockMenu()->actions()) {
      names << action->objectName();
      texts << action->text();
    }
    QCOMPARE(names, (QStringList{"ID_FunctionBlock_100201", "ID_FunctionBlock_100202", "ID_FunctionBlock_100203"}));
    QCOMPARE(texts.front(), QString("Demo Counter Configure"));
  }

  void theBlockDialogAnswersTheInstanceAndTheSettings() {
    TempProject project;
    auto db = ProjectDatabase::Open(project.ProjectPath().toStdString());
    FunctionBlockLibrary::InstallDemoLibrary(*db);
    db->Execute("UPDATE FB_Methods SET MethodShape='in=1;values=2' WHERE MethodID=100202");
    FunctionBlockInstances(*db).AddInstance(100200, 1, "Counter1", {});
    FunctionBlockInstances(*db).AddInstance(100200, 4, "Tank", {});
    QtDialogService dialogs(nullptr, std::make_shared<OperandLibrary>(db, nullptr), {}, true);
    AnswerNextDialog("blockDialog", [](QDialog& dialog) {
      auto* instance = dialog.findChild<QComboBox*>("blockInstance");
      QCOMPARE(instance->currentText(), QString("4 - Tank"));
      instance->setCurrentIndex(0);
      dialog.findChild<QLineEdit*>("blockSettings")->setText("7, 8");
      dialog.accept();
    });
    QCOMPARE(dialogs.AskConfiguration(100202, "4: 0,0"), std::optional<std::string>("1: 7, 8"));
    AnswerNextDialog("blockDialog", [](QDialog& dialog) {
      QVERIFY(!dialog.findChild<QComboBox*>("blockInstance"));
      QCOMPARE(dialog.findChild<QLineEdit*>("blockSettings")->text(), QString("3"));
      dialog.accept();
    });
    QCOMPARE(dialogs.AskConfiguration(100201, "3"), std::optional<std::string>("3"));
    AnswerNextDialog("blockDialog", [](QDialog& dialog) { dialog.reject(); });
    QVERIFY(!dialogs.AskConfiguration(100201, "3").has_value());
  }
};

int RunBlockTests(int argc, char** argv) {
  BlockTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "BlockTests.moc"
