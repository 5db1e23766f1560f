#include "apps/studio/EventBoundary.h"

#include "core/LdrError.h"
#include "platform/database/DbError.h"

#include <QtCore/QDebug>

namespace ldr::studio {

bool EventBoundary::Run(const std::string& action, const std::function<void()>& call) const {
  try {
    call();
    return true;
  } catch (const LdrError& error) {
    Report(action, &error, error.Message());
  } catch (const db::DbError& error) {
    Report(action, nullptr, "Database error " + std::to_string(error.Code()) + ": " + error.Message());
  } catch (const std::exception& error) {
    Report(action, nullptr, error.what());
  } catch (...) {
    Report(action, nullptr, "an unknown failure");
  }
  return false;
}

void EventBoundary::Report(const std::string& action, const LdrError* error, const std::string& text) const {
  ++mFailures;
  if (!mReporter) {
    qWarning("%s failed: %s", action.c_str(), text.c_str());
    return;
  }
  // A reporter that fails itself must not take the studio down either.
  try {
    mReporter(action, error, text);
  } catch (...) {
    qWarning("%s failed: %s (and reporting it failed too)", action.c_str(), text.c_str());
  }
}

} // namespace ldr::studio
