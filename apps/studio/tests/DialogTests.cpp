// The answering services of the studio: numbered messages as message boxes,
// the operand dialog and its limits, the settings dialog, the error reporter
// and the list of recent projects.

#include "StudioTestSupport.h"

#include "apps/studio/OperandDialog.h"
#include "apps/studio/ParamsKindDialog.h"
#include "apps/studio/QtDialogService.h"
#include "apps/studio/QtErrorReporter.h"
#include "apps/studio/QtMessageAnswers.h"
#include "apps/studio/RecentProjects.h"
#include "apps/studio/SettingsDialog.h"
#include "core/LdrError.h"
#include "core/ProjectDatabase.h"
#include "interfaces/enElementType.h"
#include "outside/utilities/FileSettingsStore.h"
#include "outside/utilities/ProjectGlobalValues.h"
#include "outside/utilities/TableMessageService.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest/QTest>

namespace ldr::studio::test {

class DialogTests : public QObject {
  Q_OBJECT

private:
  std::shared_ptr<db::Connection> OpenProject(const TempProject& project) {
    return ProjectDatabase::Open(project.ProjectPath().toStdString());
  }

private slots:
  void numberedMessageShowsItsTextAndButtons() {
    std::vector<std::string> log;
    TableMessageService messages(std::make_shared<QtMessageAnswers>(
        nullptr, [&](const std::string& line) { log.push_back(line); }, true));
    auto seen = AnswerNextMessageBox(QMessageBox::No);
    QCOMPARE(messages.ShowMessage(eHM_DeleteSubroutine, {"Pump control"}), static_cast<int>(eMA_No));
    QVERIFY(seen->Seen);
    QCOMPARE(seen->ObjectName, QString("hostMessage79"));
    QVERIFY(seen->Text.contains("Pump control"));
    QCOMPARE(log.back(), std::string("  answered No"));

    seen = AnswerNextMessageBox(QMessageBox::Yes);
    QCOMPARE(messages.ShowMessage(eHM_DeleteSubroutine, {"x"}), static_cast<int>(eMA_Yes));
    // Closing an OK/Cancel box without a button is Cancel, never OK.
    seen = AnswerNextMessageBox(QMessageBox::NoButton);
    QCOMPARE(messages.ShowMessage(eHM_UnsetPassword), static_cast<int>(eMA_Cancel));
    QVERIFY(seen->Seen);
  }

  void withoutAUserTheSafeAnswerIsTaken() {
    std::vector<std::string> log;
    TableMessageService messages(std::make_shared<QtMessageAnswers>(
        nullptr, [&](const std::string& line) { log.push_back(line); }, false));
    QCOMPARE(messages.ShowMessage(eHM_DeleteStrips), static_cast<int>(eMA_No));
    QCOMPARE(messages.ShowMessage(eHM_UnsetPassword), static_cast<int>(eMA_Cancel));
    QCOMPARE(messages.ShowMessageBox("Orphand Subroutine"), static_cast<int>(eMA_OK));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(log.size(), size_t(6)); // each message and its answer
  }

  void operandDialogKeepsTheAddressWithinTheTypesLimits() {
    TempProject project;
    auto connection = OpenProject(project);
    auto operands = std::make_shared<OperandLibrary>(connection, nullptr);
    OperandRequest request;
    request.Prompt = "Contact operand";
    request.Accepted = {{eOG_Data, eOT_MB}, {eOG_Data, eOT_I}, {eOG_Data, eOT_XB}};
    OperandDialog dialog(request, operands);
    // The extended bit is not offered while the project does not allow it.
    QCOMPARE(dialog.OfferedTypes(), (std::vector<long>{eOT_MB, eOT_I}));
    dialog.SelectType(eOT_I);
    QCOMPARE(dialog.AddressMaximum(), static_cast<int>(operands->Types().HighestAddress(eOT_I)));
    dialog.SetAddress(100000);
    QCOMPARE(dialog.Entry().Address, operands->Types().HighestAddress(eOT_I));
    dialog.SelectType(eOT_MB);
    dialog.SetAddress(17);
    QCOMPARE(dialog.Entry(), (OperandEntry{eOT_MB, 17, 0, 0.0}));
  }

  void operandDialogStartsFromTheSlotAndShowsTheDescription() {
    TempProject project;
    auto connection = OpenProject(project);
    auto operands = std::make_shared<OperandLibrary>(connection, nullptr);
    operands->List().Register({eOT_MI, 12, 0}, "Tank level");
    OperandRequest request;
    request.Accepted = {{eOG_Data, eOT_MI}, {eOG_Constant, eOT_ConstInt}};
    request.Current = {eOT_MI, 12, 0, 0.0};
    request.Problem = "Address 9999 is out of range";
    OperandDialog dialog(request, operands);
    QCOMPARE(dialog.Entry(), request.Current);
    QCOMPARE(dialog.Description(), std::string("Tank level"));
    QVERIFY(!dialog.DescriptionEdited());
    auto* problem = dialog.findChild<QLabel*>("operandProblem");
    QVERIFY(problem && problem->text().contains("9999"));

    // A constant: the value within the type's range, no address.
    dialog.SelectType(eOT_ConstInt);
    dialog.SetValue(99999);
    QCOMPARE(dialog.Entry().Value, 32767.0);
    QCOMPARE(dialog.Entry().Address, 0L);
  }

  // A jump's dialog stores the label it shows, before and after the user
  // picks one; the label's row key is never shown as an address.
  void jumpDialogStoresTheLabelTheUserSees() {
    TempProject project;
    auto connection = OpenProject(project);
    connection->Execute("INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, LblName) VALUES (2, 90, 3, 'PUMP_ON')");
    const long pump = connection->QueryValue("SELECT StripID FROM LdrStrips WHERE LblName='PUMP_ON'").AsLong();
    connection->Execute("INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, LblName) VALUES (2, 91, 3, 'ALARM')");
    const long alarm = connection->QueryValue("SELECT StripID FROM LdrStrips WHERE LblName='ALARM'").AsLong();
    auto operands = std::make_shared<OperandLibrary>(connection, nullptr);
    OperandRequest request;
    request.Accepted = {{eOG_Label, eOT_Label}};
    request.Current = {eOT_Label, 0, 0, 0.0};
    OperandDialog dialog(request, operands);
    auto* target = dialog.findChild<QComboBox*>("operandTarget");
    QVERIFY(target && target->isVisibleTo(&dialog));
    QVERIFY(!dialog.findChild<QSpinBox*>("operandAddress")->isVisibleTo(&dialog));
    QCOMPARE(target->currentText(), QString("ALARM"));
    QCOMPARE(dialog.Entry().Address, alarm);
    const int picked = target->findText("PUMP_ON");
    target->setCurrentIndex(picked);
    emit target->activated(picked);
    QCOMPARE(dialog.Entry().Address, pump);
    QCOMPARE(dialog.Description(), std::string("PUMP_ON"));
  }

  void operandDialogRefusesATypedAddressBeyondTheType() {
    TempProject project;
    auto operands = std::make_shared<OperandLibrary>(OpenProject(project), nullptr);
    OperandRequest request;
    request.Accepted = {{eOG_Data, eOT_MB}};
    OperandDialog dialog(request, operands);
    const long highest = operands->Types().HighestAddress(eOT_MB);
    auto* address = dialog.findChild<QSpinBox*>("operandAddress");
    address->selectAll();
    QTest::keyClicks(address, QString::number(highest * 10 + 9));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
    auto* refusal = dialog.findChild<QLabel*>("operandRefusal");
    QVERIFY(refusal && !refusal->isHidden());
    QVERIFY(refusal->text().contains(QString::number(highest * 10 + 9)));
    QVERIFY(refusal->text().contains(QString::number(highest)));
    address->selectAll();
    QTest::keyClicks(address, QString::number(highest));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(dialog.Entry().Address, highest);
  }

  void operandDialogAnswersThroughTheDialogService() {
    TempProject project;
    auto connection = OpenProject(project);
    auto operands = std::make_shared<OperandLibrary>(connection, nullptr);
    QtDialogService dialogs(nullptr, operands, {}, true);
    OperandRequest request;
    request.Accepted = {{eOG_Data, eOT_O}};
    AnswerNextDialog("operandDialog", [](QDialog& dialog) {
      dialog.findChild<QSpinBox*>("operandAddress")->setValue(5);
      dialog.findChild<QLineEdit*>("operandDescription")->setText("Pump on");
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const auto entry = dialogs.AskOperand(request);
    QVERIFY(entry.has_value());
    // The description the user typed travels with the entry; the operand
    // library, not the host, writes the operand list on confirmation.
    QCOMPARE(*entry, (OperandEntry{eOT_O, 5, 0, 0.0, std::string("Pump on")}));
    QVERIFY(!operands->List().Exists({eOT_O, 5, 0}));

    AnswerNextDialog("operandDialog", [](QDialog& dialog) { dialog.reject(); });
    QVERIFY(!dialogs.AskOperand(request).has_value());
    // Without a user every dialog is cancelled at once.
    QtDialogService unattended(nullptr, operands, {}, false);
    QVERIFY(!unattended.AskOperand(request).has_value());
    QVERIFY(!unattended.AskLabelName("LBL1").has_value());
  }

  void labelNameDialogReturnsTheTypedName() {
    TempProject project;
    QtDialogService dialogs(nullptr, std::make_shared<OperandLibrary>(OpenProject(project), nullptr), {}, true);
    auto seen = AnswerNextDialog("labelNameDialog", [](QDialog& dialog) {
      auto& input = static_cast<QInputDialog&>(dialog);
      QCOMPARE(input.textValue(), QString("LOOP"));
      input.setTextValue("LOOP_2");
      input.accept();
    });
    QCOMPARE(dialogs.AskLabelName("LOOP"), std::optional<std::string>("LOOP_2"));
    QCOMPARE(seen->ObjectName, QString("labelNameDialog"));
  }

  void controlBoxDialogTakesEveryOperandAtOnce() {
    TempProject project;
    QtDialogService dialogs(nullptr, std::make_shared<OperandLibrary>(OpenProject(project), nullptr), {}, true);
    auto seen = AnswerNextDialog("controlBoxDialog", [](QDialog& dialog) {
      auto& input = static_cast<QInputDialog&>(dialog);
      QVERIFY(input.labelText().contains("X, X1, X2, Y1, Y2 -> Y"));
      input.setTextValue("MI 1, MI 2, MI 3, MI 4, MI 5, MI 6");
      input.accept();
    });
    QCOMPARE(dialogs.AskConfiguration(eET_UtExLinear, ""),
             std::optional<std::string>("MI 1, MI 2, MI 3, MI 4, MI 5, MI 6"));
    QVERIFY(seen->Seen);
  }

  void settingsDialogStoresTheHostSettings() {
    TempProject project;
    FileSettingsStore settings(OpenProject(project), project.SettingsPath());
    {
      SettingsDialog dialog(settings);
      QCOMPARE(dialog.SnapLimitX(), 2L);
      QCOMPARE(dialog.PowerFlowColor(), 255u);
      QCOMPARE(dialog.FunctionKeyType(0), 0L);
      dialog.SetSnapLimits(3, 5);
      dialog.SetPowerFlowColor(0x00FF00);
      dialog.SetOpenSpace(true);
      dialog.SetFunctionKeyType(0, 300);
      dialog.SetFunctionKeyType(3, 1500);
      dialog.Store();
    }
    QCOMPARE(settings.HostSetting(6000, 6006, ""), std::string("3"));
    QCOMPARE(settings.HostSetting(6000, 6007, ""), std::string("5"));
    QCOMPARE(settings.HostSetting(6000, 6013, ""), std::to_string(0x00FF00));
    QCOMPARE(settings.HostSetting(6000, 6003, ""), std::string("1"));
    QCOMPARE(settings.HostSetting(7000, 7001, ""), std::string("300"));
    QCOMPARE(settings.HostSetting(7000, 7002, ""), std::string("0"));
    QCOMPARE(settings.HostSetting(7000, 7004, ""), std::string("1500"));
    // A second store reads the file anew: the values were written.
    FileSettingsStore again(OpenProject(project), project.SettingsPath());
    SettingsDialog reopened(again);
    QCOMPARE(reopened.SnapLimitY(), 5L);
    QVERIFY(reopened.OpenSpace());
    QCOMPARE(reopened.FunctionKeyType(0), 300L);
  }

  void errorReporterLogsAndShowsEveryReport() {
    std::vector<std::string> log;
    QtErrorReporter reporter(
        nullptr, [&](const std::string& line) { log.push_back(line); }, true);
    auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    reporter.ReportError(209, "Bad Operand", "The operand is not valid", "clsSimpleElement", "Store");
    QVERIFY(seen->Seen);
    QVERIFY(seen->Text.contains("The operand is not valid"));
    QCOMPARE(log.back(), std::string("error 209 Bad Operand: The operand is not valid (clsSimpleElement.Store)"));
    QCOMPARE(reporter.Reports().back().Number, ErrorReporter::kErrorBase + 209);

    seen = AnswerNextMessageBox(QMessageBox::Ok);
    const LdrError error(217, "Not supported", "LoadFunction is not available in this build", "clsLdrMain",
                         "LoadFunction");
    reporter.ReportFailure("Open subroutine", &error, error.Message());
    QVERIFY(seen->Text.contains("not available"));
    QCOMPARE(reporter.Reports().back().Code(), 217);
  }

  void recentProjectsKeepTheNewestFirst() {
    TempProject project;
    RecentProjects recent(project.SettingsPath());
    QVERIFY(recent.List().empty());
    for (int i = 1; i <= 10; ++i) recent.Add("/projects/p" + std::to_string(i) + ".ldrp");
    auto list = recent.List();
    QCOMPARE(list.size(), size_t(RecentProjects::kMaxEntries));
    QCOMPARE(list.front(), std::string("/projects/p10.ldrp"));
    QCOMPARE(list.back(), std::string("/projects/p3.ldrp"));
    recent.Add("/projects/p5.ldrp");
    list = RecentProjects(project.SettingsPath()).List();
    QCOMPARE(list.front(), std::string("/projects/p5.ldrp"));
    QCOMPARE(std::count(list.begin(), list.end(), std::string("/projects/p5.ldrp")), 1L);
    recent.Remove("/projects/p10.ldrp");
    QCOMPARE(recent.List().size(), size_t(RecentProjects::kMaxEntries - 1));
    recent.Add("/bad\nname"); // a line break cannot go into the file
    QCOMPARE(recent.List().size(), size_t(RecentProjects::kMaxEntries - 1));
  }

  void kindDialogEditsTheSettingsOfAUtilityBox() {
    TempProject project;
    QtDialogService dialogs(nullptr, std::make_shared<OperandLibrary>(OpenProject(project), nullptr), {}, true);
    AnswerNextDialog("paramsDialog", [](QDialog& dialog) {
      auto& kind = static_cast<ParamsKindDialog&>(dialog);
      auto* port = qobject_cast<QSpinBox*>(kind.FieldEditor("port"));
      QVERIFY(port);
      QCOMPARE(port->value(), 2);
      QCOMPARE(port->maximum(), 4);
      qobject_cast<QSpinBox*>(kind.FieldEditor("baud"))->setValue(19200);
      dialog.accept();
    });
    QCOMPARE(dialogs.AskConfiguration(1400, "port=2"),
             std::optional<std::string>("port=2;baud=19200;dataBits=8;parity=0;stopBits=1"));
    AnswerNextDialog("paramsDialog", [](QDialog& dialog) {
      qobject_cast<QLineEdit*>(static_cast<ParamsKindDialog&>(dialog).FieldEditor("phone"))->setText("0;1");
      dialog.accept();
    });
    QCOMPARE(dialogs.AskConfiguration(1409, ""), std::optional<std::string>("port=0;phone=0\\;1"));
    AnswerNextDialog("paramsDialog", [](QDialog& dialog) { dialog.reject(); });
    QVERIFY(!dialogs.AskConfiguration(1613, "").has_value());
  }
};

int RunDialogTests(int argc, char** argv) {
  DialogTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "DialogTests.moc"
