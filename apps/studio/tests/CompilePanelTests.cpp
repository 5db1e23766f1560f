// The compile panel: the findings of the ladder with a jump to their net,
// and the on-line switch drawing the power flow of the controller's values.

#include "StudioTestSupport.h"

#include "apps/studio/CompilePanel.h"
#include "apps/studio/StudioWindow.h"
#include "core/clsLdrState.h"
#include "outside/operands/OperandType.h"

#include <QListWidget>
#include <QtTest/QTest>

namespace ldr::studio::test {

class CompilePanelTests : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<TempProject> mProject;
  std::unique_ptr<StudioWindow> mWindow;

  void OpenStudio() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    mWindow = std::make_unique<StudioWindow>(options);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
  }
  db::Connection& Db() { return *mWindow->Main()->Context().Connection; }
  // Strip `n` (1-based) of subroutine 2.
  long Strip(int n) {
    return Db().QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=" + std::to_string(n)).AsLong();
  }
  long AddElement(long stripID, long type, long address, long operandType) {
    const long id = static_cast<long>(
        Db().AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", type}, {"Xs", 0}, {"Ys", 2}}));
    Db().AddRow("LdrElmsOprs",
                {{"ElmntID", id}, {"OprndInIdx", 1}, {"Elmnt_Oprnd_Type", operandType}, {"Elmnt_Oprnd_Adrs", address}});
    return id;
  }
  static int Red(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (QColor(image.pixel(x, y)) == QColor(255, 0, 0)) ++red;
    return red;
  }

private slots:
  void cleanup() {
    mWindow.reset();
    mProject.reset();
  }

  void findingJumpsToItsNet() {
    OpenStudio();
    AddElement(Strip(3), 601, 2, 31); // subroutine 2 calls itself in net 3
    QVERIFY(mWindow->LoadSubroutine(1));
    mWindow->Compile()->Check();
    QListWidget* entries = mWindow->Compile()->Entries();
    QListWidgetItem* finding = nullptr;
    for (int i = 0; i < entries->count(); ++i)
      if (entries->item(i)->text().startsWith("the subroutine calls itself")) finding = entries->item(i);
    QVERIFY(finding != nullptr);
    QCOMPARE(finding->text(), QString("the subroutine calls itself - Main net 3"));
    emit entries->itemActivated(finding);
    QCOMPARE(mWindow->Main()->FunctionID(), 2L);
  }

  void onLineDrawsThePowerFlowOfTheControllersValues() {
    OpenStudio();
    AddElement(Strip(1), 200, 5, eOT_MB);
    QVERIFY(mWindow->LoadSubroutine(2));
    const int before = Red(mWindow->Editor()->grab().toImage());
    mWindow->Compile()->Controller().SetValue({eOT_MB, 5, 0}, 1);
    mWindow->Compile()->SetOnLine(true);
    QVERIFY(mWindow->Main()->Context().State->OnLineActive());
    QVERIFY(mWindow->Compile()->Controller().IsMonitored({eOT_MB, 5, 0}));
    QVERIFY(Red(mWindow->Editor()->grab().toImage()) > before);
    mWindow->Compile()->SetOnLine(false);
    QVERIFY(!mWindow->Main()->Context().State->OnLineActive());
  }
};

int RunCompilePanelTests(int argc, char** argv) {
  CompilePanelTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "CompilePanelTests.moc"
