// Run > Simulate in the studio: the scan timer runs the open project's
// ladder, a press on a contact's input operand flips the input, and the
// watch table shows and forces values.

#include "StudioTestSupport.h"

#include "apps/studio/SimulationPanel.h"
#include "apps/studio/StudioWindow.h"
#include "core/ProjectDatabase.h"
#include "outside/operands/VirtualController.h"

#include <QAction>
#include <QTableWidget>
#include <QtTest/QTest>

namespace ldr::studio::test {

class SimulationTests : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<TempProject> mProject;
  std::unique_ptr<StudioWindow> mWindow;

  // Main net 1: contact I1 at (0, 5) drives coil O1.
  void WriteProgram() {
    auto db = ProjectDatabase::Open(mProject->ProjectPath().toStdString());
    const auto net = db->QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1");
    const auto add = [&](long type, long x, long operandType, bool input) {
      const auto element =
          db->AddRow("LdrElements", {{"StripID", net}, {"ElmntType", type}, {"Xs", x}, {"Ys", 5}, {"IsMissing", 0}});
      db->AddRow("LdrElmsOprs", {{"ElmntID", static_cast<long long>(element)},
                                 {"OprndInIdx", input ? 1 : 0},
                                 {"OprndOutIdx", input ? 0 : 1},
                                 {"Elmnt_Oprnd_Type", operandType},
                                 {"Elmnt_Oprnd_Adrs", 1},
                                 {"Elmnt_Oprnd_NetworkID", 0}});
    };
    add(200, 0, 9, true);
    add(204, 6, 10, false);
  }

private slots:
  void init() {
    mProject = std::make_unique<TempProject>();
    WriteProgram();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    options.Interactive = false;
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
    QVERIFY(mWindow->LoadSubroutine(2));
  }
  void cleanup() { mWindow.reset(); }

  void simulateRunsScansAndTogglesInputs() {
    auto* simulate = mWindow->findChild<QAction*>("simulate");
    QVERIFY(simulate && simulate->isEnabled());
    simulate->trigger();
    auto* panel = mWindow->Simulation();
    QVERIFY(panel->Running());
    QVERIFY(panel->Watch("O1"));
    QVERIFY(!panel->Watch("Q9"));
    panel->OnOperandPressed(9, 1, 200);
    panel->ScanOnce();
    // One press only makes I1 the current input.
    QCOMPARE(panel->WatchTable()->item(0, 1)->text(), QString("0"));
    QVERIFY(panel->OnDoubleClick());
    panel->ScanOnce();
    QCOMPARE(panel->WatchTable()->item(0, 1)->text(), QString("1"));
    QCOMPARE(panel->Simulator()->Controller().Value({10, 1, 0}), 1);
    QTest::keyClick(mWindow->Editor(), Qt::Key_Space);
    // Space flips the current input.
    QCOMPARE(panel->Simulator()->Value({9, 1, 0}), 0);
    QTest::keyClick(mWindow->Editor(), Qt::Key_Space);
    panel->OnOperandPressed(9, 1, 204);
    QVERIFY(!panel->OnDoubleClick());
    panel->ScanOnce();
    // A coil's operand is not an input to flip.
    QCOMPARE(panel->WatchTable()->item(0, 1)->text(), QString("1"));
    // Typing a value forces it; the program's coil no longer writes it.
    panel->WatchTable()->item(0, 1)->setText("0");
    panel->ScanOnce();
    QCOMPARE(panel->Simulator()->Value({10, 1, 0}), 0);
    QVERIFY(panel->Simulator()->IsForced({10, 1, 0}));
    simulate->trigger();
    QVERIFY(!panel->Running());
    QVERIFY(!simulate->isChecked());
  }

  // The editor's on-line press on an operand reaches the panel: a double
  // click on the contact's operand flips the input.
  void doubleClickOnTheContactsOperandFlipsTheInput() {
    mWindow->SetSimulating(true);
    auto* panel = mWindow->Simulation();
    bool flipped = false;
    for (int y = 28; y < 70 && !flipped; y += 7) {
      QTest::mouseClick(mWindow->Editor()->RightWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(70, y));
      QCoreApplication::processEvents();
      QVERIFY(panel->Simulator()->Value({9, 1, 0}) == 0);
      QTest::mouseDClick(mWindow->Editor()->RightWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(70, y));
      QCoreApplication::processEvents();
      flipped = panel->Simulator()->Value({9, 1, 0}) == 1;
    }
    QVERIFY(flipped);
    panel->ScanOnce();
    QCOMPARE(panel->Simulator()->Value({10, 1, 0}), 1);
  }

  void simulationStopsAtAFault() {
    {
      auto db = ProjectDatabase::Open(mProject->ProjectPath().toStdString());
      db->Execute("DELETE FROM LdrElements WHERE ElmntType=602");
    }
    mWindow->SetSimulating(true);
    mWindow->Simulation()->ScanOnce();
    QVERIFY(!mWindow->Simulation()->Running());
    QVERIFY(!mWindow->findChild<QAction*>("simulate")->isChecked());
    QVERIFY(mWindow->LogPanel()->toPlainText().contains("ends without a return"));
  }
};

int RunSimulationTests(int argc, char** argv) {
  SimulationTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "SimulationTests.moc"
