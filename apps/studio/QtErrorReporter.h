#pragma once
// The error reporter of the desktop host: every report of the component (and
// every failure the event boundary catches) is written to the log panel and
// shown in an exclamation message box.

#include "apps/studio/EventBoundary.h"
#include "outside/utilities/ErrorReporter.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace ldr::studio {

class QtErrorReporter : public ErrorReporter {
public:
  QtErrorReporter(QWidget* parent, LogWriter log, bool interactive);

  void Report(const ErrorReport& report) override;
  // A failure of the studio's own call into the component: a numbered error
  // goes through Report, anything else is shown with its text.
  void ReportFailure(const std::string& action, const LdrError* error, const std::string& text);

  const std::vector<ErrorReport>& Reports() const { return mReports; }
  static std::string LogLine(const ErrorReport& report);

private:
  void Show(const QString& title, const QString& text);

  QPointer<QWidget> mParent;
  LogWriter mLog;
  bool mInteractive;
  bool mShowing = false;
  std::vector<ErrorReport> mReports;
};

} // namespace ldr::studio
