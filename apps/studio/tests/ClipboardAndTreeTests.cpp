// The project tree's context menu and the clipboard between two studio
// windows on different projects.

#include "StudioTestSupport.h"

#include "apps/studio/ProjectTreeMenu.h"
#include "apps/studio/StudioWindow.h"

#include <QTreeWidget>
#include <QtTest/QTest>

#include <algorithm>

namespace ldr::studio::test {

class ClipboardAndTreeTests : public QObject {
  Q_OBJECT

private:
  struct Studio {
    std::unique_ptr<TempProject> Project = std::make_unique<TempProject>();
    std::unique_ptr<StudioWindow> Window;
  };

  // A window on a new project; `settings` names the user's settings file.
  static std::unique_ptr<Studio> Open(const std::string& settings = {}) {
    auto studio = std::make_unique<Studio>();
    StudioOptions options;
    options.HostSettingsPath = settings.empty() ? studio->Project->SettingsPath() : settings;
    studio->Window = std::make_unique<StudioWindow>(options);
    studio->Window->show();
    if (!QTest::qWaitForWindowExposed(studio->Window.get())) return nullptr;
    if (!studio->Window->OpenProject(studio->Project->ProjectPath())) return nullptr;
    if (!studio->Window->LoadSubroutine(StudioWindow::kStartSubroutine)) return nullptr;
    return studio;
  }
  static long Count(Studio& studio, const std::string& sql) {
    return studio.Window->Main()->Context().Connection->QueryValue(sql).AsLong();
  }
  static ProjectTreeMenu* MenuOf(QTreeWidget& tree) {
    for (QObject* child : tree.children())
      if (auto* menu = dynamic_cast<ProjectTreeMenu*>(child)) return menu;
    return nullptr;
  }

private slots:
  void theTreeMenuAddsAndRenamesSubroutines() {
    auto studio = Open();
    QVERIFY(studio);
    QTreeWidget& tree = *studio->Window->ProjectTree();
    ProjectTreeMenu* menu = MenuOf(tree);
    QVERIFY(menu);
    QTreeWidgetItem* module = tree.topLevelItem(0);
    QVERIFY(menu->EntriesFor(module).contains("New Subroutine"));
    QVERIFY(menu->Run(module, "New Subroutine"));
    QCOMPARE(Count(*studio, "SELECT COUNT(*) FROM LdrFunctions"), 3L);
    QCOMPARE(tree.topLevelItem(0)->childCount(), 3);
    QVERIFY(menu->Run(nullptr, "New Module"));
    QCOMPARE(tree.topLevelItemCount(), 2);
    // Renamed in place: the editor takes the name the user typed.
    QTreeWidgetItem* sub = tree.topLevelItem(0)->child(2);
    QVERIFY(menu->Run(sub, "Rename"));
    tree.topLevelItem(0)->child(2)->setText(0, "Pumps");
    QCOMPARE(Count(*studio, "SELECT COUNT(*) FROM LdrFunctions WHERE FuncName='Pumps'"), 1L);
    // A subroutine moves to the other module.
    sub = tree.topLevelItem(0)->child(2);
    const QStringList entries = menu->EntriesFor(sub);
    const auto move =
        std::find_if(entries.begin(), entries.end(), [](const QString& e) { return e.startsWith("Move to "); });
    QVERIFY(move != entries.end());
    QVERIFY(menu->Run(sub, *move));
    QCOMPARE(Count(*studio, "SELECT MdlID FROM LdrFunctions WHERE FuncName='Pumps'"),
             Count(*studio, "SELECT MAX(MdlID) FROM LdrModules"));
  }

  void aCopyInOneWindowPastesInAnotherProjectsWindow() {
    auto first = Open();
    QVERIFY(first);
    auto second = Open(first->Project->SettingsPath());
    QVERIFY(second);
    const long before = Count(*second, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2");
    first->Window->ActionFor("ID_SelectAll")->trigger();
    QVERIFY(first->Window->ActionFor("ID_Copy")->isEnabled());
    first->Window->ActionFor("ID_Copy")->trigger();
    // The second window learns of the shared copy at its next click.
    QWidget* board = second->Window->Editor()->RightWidget();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QVERIFY(second->Window->ActionFor("ID_Paste")->isEnabled());
    second->Window->ActionFor("ID_Paste")->trigger();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QCOMPARE(Count(*second, "SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2"), before + 16);
    QCOMPARE(Count(*second, "SELECT MAX(SeqNum) FROM LdrStrips WHERE FuncID=2"), before + 16);
  }
};

int RunClipboardAndTreeTests(int argc, char** argv) {
  ClipboardAndTreeTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "ClipboardAndTreeTests.moc"
