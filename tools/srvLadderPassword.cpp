#include "tools/srvLadderPassword.h"

#include "core/LdrError.h"
#include "outside/utilities/HostMessage.h"
#include "platform/database/Transaction.h"
#include "tools/PasswordHash.h"
#include "tools/frmLadderPassword.h"

namespace ldr {

namespace {

constexpr const char* kClass = "srvLadderPassword";

std::string Num(long value) { return std::to_string(value); }

} // namespace

srvLadderPassword::srvLadderPassword(const HostServices& host) : mHost(host) {
  if (!mHost.Connections || !mHost.Settings || !mHost.Messages || !mHost.Dialogs || !mHost.Actions || !mHost.Globals)
    throw LdrError(0, "NoHost", "the host lacks a service the ladder password needs", kClass, "Create");
}

std::shared_ptr<db::Connection> srvLadderPassword::Connection() {
  auto connection = mHost.Connections->Connection();
  if (!connection) throw LdrError(0, "NoConnection", "the host has no open project", kClass, "Connection");
  return connection;
}

std::string srvLadderPassword::StoredKey() { return mHost.Settings->ProjectSetting(kPasswordKey, ""); }

bool srvLadderPassword::IsLadderProtected() { return !StoredKey().empty(); }

void srvLadderPassword::SetLadderPassword() {
  std::string password;
  bool canceled = true;
  frmLadderPassword(*mHost.Dialogs, *mHost.Messages).GetDBPassword(password, canceled);
  if (canceled) return;
  const std::string key = PasswordHash::Hash(password);
  PasswordHash::Wipe(password);
  mHost.Settings->SetProjectSetting(kPasswordKey, key);
  mHost.Settings->Save();
  // The user has just typed it: no question until it changes again.
  mHost.Globals->SetAuthorizedLadderKey(key);
}

void srvLadderPassword::UnsetLadderPassword() {
  if (mHost.Messages->ShowMessage(eHM_UnsetPassword) == eMA_Cancel) return;
  mHost.Actions->ReportAction(kUnsetAction);
  auto connection = Connection();
  db::Transaction transaction(*connection);
  mHost.Settings->SetProjectSetting(kPasswordKey, "");
  connection->Execute("UPDATE LdrFunctions SET Protected=0");
  transaction.Commit();
  mHost.Settings->Save();
}

bool srvLadderPassword::IsUserAuthorized(bool openGui) {
  const std::string key = StoredKey();
  // No password asks nothing, whatever an earlier session proved.
  if (key.empty() || mHost.Globals->AuthorizedLadderKey() == key) return true;
  if (!openGui) return false;
  std::string typed;
  bool canceled = true;
  frmLadderPassword(*mHost.Dialogs, *mHost.Messages).GetRamPassword(typed, canceled);
  if (canceled) return false;
  const bool right = PasswordHash::Matches(key, typed);
  PasswordHash::Wipe(typed);
  // A wrong entry leaves nothing proved, so the next check asks again.
  mHost.Globals->SetAuthorizedLadderKey(right ? key : std::string());
  if (!right) mHost.Messages->ShowMessage(eHM_WrongPassword);
  return right;
}

void srvLadderPassword::ToggleFunctionProtected(long funcID) {
  auto connection = Connection();
  db::Transaction transaction(*connection);
  const auto current = connection->QueryValue("SELECT Protected FROM LdrFunctions WHERE FuncID=" + Num(funcID));
  if (current.IsNull())
    throw LdrError(233, "Function ID not exist", "The subroutine " + Num(funcID) + " is not in the project", kClass,
                   "ToggleFunctionProtected");
  connection->Execute("UPDATE LdrFunctions SET Protected=" + Num(current.AsBool() ? 0 : 1) +
                      " WHERE FuncID=" + Num(funcID));
  transaction.Commit();
}

void srvLadderPassword::SetModuleProtected(long moduleID, bool isProtected) {
  auto connection = Connection();
  db::Transaction transaction(*connection);
  connection->Execute("UPDATE LdrFunctions SET Protected=" + Num(isProtected ? 1 : 0) +
                      " WHERE MdlID=" + Num(moduleID) + " AND FuncID<>" + Num(kFallbackFunctionID));
  transaction.Commit();
}

bool srvLadderPassword::IsFuncProtected(long funcID) {
  return Connection()->QueryValue("SELECT Protected FROM LdrFunctions WHERE FuncID=" + Num(funcID)).AsBool();
}

} // namespace ldr
