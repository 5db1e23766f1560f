// What a new user meets first in the studio with the editor of this build:
// the horizontal scroll range, the ladder area following the window, the
// coil conversion from the element menu, the edit entries while there is no
// clipboard, the menus' keys, and a refused open that keeps the project.

#include "StudioTestSupport.h"

#include "apps/studio/OperandDialog.h"
#include "apps/studio/StudioWindow.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"

#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest/QTest>

#include <set>

namespace ldr::studio::test {

class ViewAndMenuTests : public QObject {
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
    QVERIFY(mWindow->LoadSubroutine(StudioWindow::kStartSubroutine));
  }

  void PlaceCoil(QPoint at, long address) {
    QWidget* board = mWindow->Editor()->RightWidget();
    mWindow->ActionFor("ID_LDirectCoil")->trigger();
    AnswerNextDialog("operandDialog", [address](QDialog& dialog) {
      auto& operand = static_cast<OperandDialog&>(dialog);
      operand.SelectType(eOT_O);
      operand.SetAddress(address);
      operand.accept();
    });
    QTest::mouseMove(board, at);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
  }

  // Pixels of `area` drawn in black.
  static int Dark(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (QColor(image.pixel(x, y)).value() < 128) ++dark; // black, not the blue grid dots
    return dark;
  }

  long Count(const std::string& sql) const { return mWindow->Main()->Context().Connection->QueryValue(sql).AsLong(); }

private slots:
  void cleanup() {
    mWindow.reset();
    mProject.reset();
  }

  void horizontalScrollRangeIsTheLadderTheViewCannotShow() {
    OpenStudio();
    QScrollBar* bar = mWindow->Editor()->HorizontalBar();
    QWidget* board = mWindow->Editor()->RightWidget();
    // The ladder is 55 columns (770 pixels) wide on the right board.
    mWindow->resize(mWindow->width() - 600, mWindow->height());
    QTRY_VERIFY(board->width() < 700);
    const int shown = board->width() / 14;
    QTRY_COMPARE(bar->maximum(), 55 - shown);
    QCOMPARE(bar->pageStep(), shown);
    // Paging twice from the left shows the right end of the ladder, no more.
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar->value(), 55 - shown);
    QCOMPARE(mWindow->Main()->HorizontalScroll(), 55L - shown);
    // A window that shows the whole ladder leaves nothing to scroll, and the
    // view goes back to the left edge.
    mWindow->resize(mWindow->width() + 800, mWindow->height());
    QTRY_VERIFY(board->width() >= 770);
    QTRY_COMPARE(bar->maximum(), 0);
    QCOMPARE(mWindow->Main()->HorizontalScroll(), 0L);
  }

  void ladderAreaFollowsTheWindowBothWays() {
    OpenStudio();
    QWidget* board = mWindow->Editor()->RightWidget();
    const int before = board->width();
    mWindow->resize(mWindow->width() + 400, mWindow->height());
    QTRY_VERIFY(board->width() >= before + 300);
    QCOMPARE(mWindow->Editor()->RightBoard()->Width(), board->width());
    // What the wider board shows right of the ladder is background, drawn.
    const QImage wide = board->grab().toImage();
    QCOMPARE(QColor(wide.pixel(board->width() - 5, 20)), QColor(Qt::white));
    mWindow->resize(mWindow->width() - 700, mWindow->height());
    QTRY_VERIFY(board->width() < before);
    QCOMPARE(mWindow->Editor()->RightBoard()->Width(), board->width());
  }

  void elementMenuConvertsTheClickedCoilOnce() {
    OpenStudio();
    QWidget* board = mWindow->Editor()->RightWidget();
    mWindow->ActionFor("ID_LDirectCoil")->trigger();
    AnswerNextDialog("operandDialog", [](QDialog& dialog) {
      auto& operand = static_cast<OperandDialog&>(dialog);
      operand.SelectType(eOT_O);
      operand.SetAddress(4);
      operand.accept();
    });
    const QPoint at(30 * 14, 3 * 14);
    QTest::mouseMove(board, at);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204"), 1L);

    auto seen = ChooseInNextMenu("ID_SETCoil");
    const QPoint body(31 * 14, 3 * 14);
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, body);
    QTest::mouseRelease(board, Qt::RightButton, Qt::NoModifier, body);
    QVERIFY(seen->Seen);
    QCOMPARE(seen->ObjectName, QString("contextMenu101"));
    QTRY_COMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=206"), 1L);
    QTest::qWait(20);
    // The coil itself changed; no second coil is on its way.
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType IN (204, 206)"), 1L);
    QCOMPARE(mWindow->Main()->Context().State->MouseProcess(), static_cast<long>(eMP_QueryForProcess));
  }

  void utilityPalettesAreEnabled() {
    OpenStudio();
    for (const char* id : {"ID_StepInRange", "ID_FlipFlopRS", "ID_StrReplace", "ID_Linear", "ID_PID", "ID_VectLinear"})
      QVERIFY2(mWindow->ActionFor(id) && mWindow->ActionFor(id)->isEnabled(), id);
  }

  void communicationAndSecondSetPalettesAreEnabled() {
    OpenStudio();
    for (const char* id :
         {"ID_ComInit", "ID_DB_Read_Line", "ID_RefreshHMI", "ID_AddF", "ID_CANopenMiniConfig", "ID_StartTrendToSD"})
      QVERIFY2(mWindow->ActionFor(id) && mWindow->ActionFor(id)->isEnabled(), id);
  }

  void boxMenuSwitchesTheClickedCompareBox() {
    OpenStudio();
    QWidget* board = mWindow->Editor()->RightWidget();
    QVERIFY(mWindow->ActionFor("ID_LLessThen")->isEnabled());
    mWindow->ActionFor("ID_LLessThen")->trigger();
    const auto operandAnswer = [](long address) {
      return [address](QDialog& dialog) {
        auto& operand = static_cast<OperandDialog&>(dialog);
        operand.SelectType(eOT_MI);
        operand.SetAddress(address);
        operand.accept();
      };
    };
    std::shared_ptr<ModalSeen> second;
    AnswerNextDialog("operandDialog", [&](QDialog& dialog) {
      operandAnswer(4)(dialog);
      second = AnswerNextDialog("operandDialog", operandAnswer(5));
    });
    const QPoint at(20 * 14, 3 * 14);
    QTest::mouseMove(board, at);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
    QTRY_VERIFY(second && second->Seen);
    QTRY_COMPARE(Count("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Adrs IN (4, 5)"), 2L);
    const long x = Count("SELECT Xs FROM LdrElements WHERE ElmntType=305");
    const long y = Count("SELECT Ys FROM LdrElements WHERE ElmntType=305");

    auto seen = ChooseInNextMenu("ID_GreaterEqual");
    const QPoint body(static_cast<int>((x + 2 + 9) * 14), static_cast<int>((y + 3) * 14));
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, body);
    QTest::mouseRelease(board, Qt::RightButton, Qt::NoModifier, body);
    QVERIFY(seen->Seen);
    QCOMPARE(seen->ObjectName, QString("contextMenu101"));
    // The box's own switch tools only: no coil conversions, no other family's.
    QVERIFY(seen->Text.contains("ID_Equal"));
    QVERIFY(!seen->Text.contains("ID_SETCoil"));
    QVERIFY(!seen->Text.contains("ID_Add "));
    QTRY_COMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=301"), 1L);
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Adrs IN (4, 5)"), 2L);
  }

  // Ctrl+Z takes a placed coil back and Ctrl+Y brings it again; the entries
  // name the step and are disabled while there is none.
  void undoAndRedoFollowTheEdits() {
    OpenStudio();
    auto* undo = mWindow->findChild<QAction*>("undo");
    auto* redo = mWindow->findChild<QAction*>("redo");
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled());
    PlaceCoil(QPoint(30 * 14, 5 * 14), 3);
    QTRY_VERIFY(undo->isEnabled());
    QVERIFY(undo->text().startsWith("&Undo "));
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType<>602"), 1L);
    mWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
    QVERIFY(mWindow->Editor()->MainBoard()->SetFocus());
    QTest::keyClick(mWindow->Editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType<>602"), 0L);
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    QTest::keyClick(mWindow->Editor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType<>602"), 1L);
    QVERIFY(!redo->isEnabled());
  }

  // Shift+F5 on a coil's selected operand: the new coil is shown on the
  // coil's row while its operand is asked for.
  void shiftF5ShowsTheNewCoilOnTheSelectedCoilsRow() {
    OpenStudio();
    QWidget* board = mWindow->Editor()->RightWidget();
    PlaceCoil(QPoint(30 * 14, 5 * 14), 3);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(50 * 14, 11 * 14));
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(30 * 14 + 21, 60));
    QImage during;
    auto seen = AnswerNextDialog("operandDialog", [&](QDialog& dialog) {
      during = mWindow->Editor()->RightWidget()->grab().toImage();
      auto& operand = static_cast<OperandDialog&>(dialog);
      operand.SelectType(eOT_O);
      operand.SetAddress(4);
      operand.accept();
    });
    QVERIFY(mWindow->Editor()->MainBoard()->SetFocus());
    QTest::keyClick(mWindow->Editor(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(seen->Seen);
    // The new coil's rung on row 5 right of the old coil; nothing of it one
    // row up, over the old coil's operand.
    QVERIFY(Dark(during, QRect(36 * 14 + 4, 5 * 14 - 1, 4 * 14, 3)) > 20);
    QCOMPARE(Dark(during, QRect(36 * 14 + 1, 4 * 14 - 1, 22, 3)), 0);
    QCOMPARE(Count("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=204 AND Xs=34 AND Ys=5"), 1L);
  }

  void clipboardEntriesAreDisabledUntilThereIsAClipboard() {
    OpenStudio();
    for (const char* id : {"ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete"})
      QVERIFY2(!mWindow->ActionFor(id)->isEnabled(), id);
    QVERIFY(mWindow->ActionFor("ID_NewNet")->isEnabled());
    // Nor does the Delete key fail on the ladder.
    QVERIFY(mWindow->Editor()->MainBoard()->SetFocus());
    QTest::keyClick(mWindow->Editor(), Qt::Key_Delete);
    QVERIFY(!mWindow->LogPanel()->toPlainText().contains("error"));
  }

  void toolsWaitForAProjectAndMenusNameTheirKeys() {
    mProject = std::make_unique<TempProject>();
    StudioOptions options;
    options.HostSettingsPath = mProject->SettingsPath();
    mWindow = std::make_unique<StudioWindow>(options);
    for (const char* id : {"ID_LDirectContact", "ID_NewNet", "ID_LDrawLine", "ID_SelectAll"})
      QVERIFY2(!mWindow->ActionFor(id)->isEnabled(), id);
    QVERIFY(mWindow->OpenProject(mProject->ProjectPath()));
    QVERIFY(mWindow->ActionFor("ID_LDirectContact")->isEnabled());
    mWindow->CloseProject();
    QVERIFY(!mWindow->ActionFor("ID_LDirectContact")->isEnabled());

    // Every menu of the bar has its own Alt key.
    std::set<QChar> keys;
    for (QAction* menu : mWindow->menuBar()->actions()) {
      const QString text = menu->text();
      const auto amp = text.indexOf('&');
      QVERIFY2(amp >= 0, qPrintable(text));
      QVERIFY2(keys.insert(text.at(amp + 1).toLower()).second, qPrintable(text));
    }
    // The function keys that place contacts and coils are named.
    QVERIFY(mWindow->ActionFor("ID_LDirectContact")->text().endsWith("\tF5"));
    QVERIFY(mWindow->ActionFor("ID_LRESETCoil")->text().endsWith("\tShift+F8"));
    QVERIFY(mWindow->ActionFor("ID_LSETCoil")->toolTip().contains("Shift+F7"));
    QVERIFY(mWindow->ActionFor("ID_Delete")->toolTip().contains("Del"));
  }

  void openingAFileThatIsNoProjectKeepsTheOpenOne() {
    OpenStudio();
    const QString path = mProject->FilePath("notes.ldrp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a project\n");
    file.close();
    auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    QVERIFY(!mWindow->OpenProject(path));
    QVERIFY(seen->Seen);
    QVERIFY(mWindow->HasProject());
    QCOMPARE(mWindow->ProjectPath(), QFileInfo(mProject->ProjectPath()).absoluteFilePath());
    QCOMPARE(mWindow->Main()->FunctionID(), static_cast<long>(StudioWindow::kStartSubroutine));
    QVERIFY(mWindow->ActionFor("ID_NewNet")->isEnabled());
  }
};

int RunViewAndMenuTests(int argc, char** argv) {
  ViewAndMenuTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "ViewAndMenuTests.moc"
