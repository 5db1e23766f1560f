#include "apps/studio/QtErrorReporter.h"

#include "core/LdrError.h"

#include <QMessageBox>

namespace ldr::studio {

QtErrorReporter::QtErrorReporter(QWidget* parent, LogWriter log, bool interactive)
    : mParent(parent), mLog(std::move(log)), mInteractive(interactive) {}

std::string QtErrorReporter::LogLine(const ErrorReport& report) {
  std::string line = "error " + std::to_string(report.Code()) + " " + report.Title + ": " + report.Description;
  if (!report.ClassName.empty() || !report.Procedure.empty())
    line += " (" + report.ClassName + "." + report.Procedure + ")";
  return line;
}

void QtErrorReporter::Report(const ErrorReport& report) {
  mReports.push_back(report);
  if (mLog) mLog(LogLine(report));
  Show(QString::fromStdString(report.Title.empty() ? "Error" : report.Title),
       QString("%1\n\nError %2 in %3.%4")
           .arg(QString::fromStdString(report.Description))
           .arg(report.Code())
           .arg(QString::fromStdString(report.ClassName), QString::fromStdString(report.Procedure)));
}

void QtErrorReporter::ReportFailure(const std::string& action, const LdrError* error, const std::string& text) {
  if (error) {
    ErrorReport report;
    report.Number = error->Number();
    report.Title = error->Title();
    report.Description = error->Message();
    report.Source = kComponentSource;
    report.ClassName = error->ClassName();
    report.Procedure = error->Procedure();
    Report(report);
    return;
  }
  if (mLog) mLog("failure in " + action + ": " + text);
  Show(QString::fromStdString(action), QString::fromStdString(text));
}

void QtErrorReporter::Show(const QString& title, const QString& text) {
  // One box at a time: an error raised while a box is open only goes to the
  // log.
  if (!mInteractive || mShowing) return;
  mShowing = true;
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, mParent);
  box.setObjectName("errorMessage");
  box.exec();
  mShowing = false;
}

} // namespace ldr::studio
