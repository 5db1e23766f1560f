#include "exchange/ProjectTree.h"

#include "core/EditCommit.h"
#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "outside/HostServices.h"
#include "outside/utilities/HostMessage.h"
#include "outside/utilities/TextLimits.h"

namespace ldr {

namespace {

constexpr int kAnswerYes = 6;
constexpr std::size_t kMaxTreeNameCharacters = 64;

std::string Num(long value) { return std::to_string(value); }

} // namespace

std::string ProjectTree::NameProblem(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "A name cannot be empty.";
  if (CountCharacters(name) > kMaxTreeNameCharacters)
    return "A name has at most " + std::to_string(kMaxTreeNameCharacters) + " characters.";
  for (char c : name) {
    if (c == '\'' || c == '"' || c == '%') return "A name cannot hold quotes or percent signs.";
    if (static_cast<unsigned char>(c) < 0x20) return "A name cannot hold line breaks or tabs.";
  }
  return {};
}

bool ProjectTree::CheckName(const std::string& name) {
  const std::string problem = NameProblem(name);
  if (problem.empty()) return true;
  mCtx.Host->Messages->ShowMessageBox(problem);
  return false;
}

void ProjectTree::NotifyChanged() {
  mCtx.Host->Gui->NotifyModified(true, eMC_Changed);
  mCtx.Host->Gui->NotifyNeedToCompile(true);
}

void ProjectTree::NotifyDeleted() { mCtx.Host->Gui->NotifyModified(true, eMC_Deleted); }

void ProjectTree::RequireModule(long mdlID, const char* procedure) {
  if (mCtx.Db().QueryValue("SELECT COUNT(*) FROM LdrModules WHERE MdlID=?", {mdlID}).AsLong() > 0) return;
  throw LdrError(0, "Module ID not exist", "The module " + Num(mdlID) + " is not in the project", kClassName,
                 procedure);
}

void ProjectTree::RequireFunction(long funcID, const char* procedure) {
  if (FunctionExists(mCtx.Db(), funcID)) return;
  throw LdrError(233, "Function ID not exist", "The subroutine " + Num(funcID) + " is not in the project", kClassName,
                 procedure);
}

// --- new --------------------------------------------------------------------------------

long ProjectTree::AddNewFunction(long mdlID, std::string& funcName) {
  RequireModule(mdlID, "AddNewFunction");
  auto& db = mCtx.Db();
  funcName = "Subroutine " + Num(NextSubroutineNumber(*mCtx.Host->Settings));
  db::DbValue guid, dataGuid;
  if (mCtx.Host->DownloadUnits->IsOn()) {
    guid = mCtx.Host->Identifiers->NewIdentifier();
    dataGuid = mCtx.Host->Identifiers->NewIdentifier();
  }
  const long funcID = AddFunctionRow(db, mdlID, funcName, eFTD_Regular, guid, dataGuid);
  AddDefaultStrips(db, funcID);
  NotifyChanged();
  return funcID;
}

long ProjectTree::AddNewModule(std::string& moduleName, long& funcID, std::string& funcName) {
  moduleName = "Module " + Num(NextModuleNumber(*mCtx.Host->Settings));
  const long mdlID = AddModuleRow(mCtx.Db(), moduleName);
  funcID = AddNewFunction(mdlID, funcName);
  return mdlID;
}

// --- names and places ------------------------------------------------------------------------

bool ProjectTree::RenameFunction(long funcID, const std::string& newName) {
  RequireFunction(funcID, "RenameFunction");
  auto& db = mCtx.Db();
  if (!IsFunctionNameFree(db, funcID, newName)) {
    mCtx.Host->Messages->ShowMessage(eHM_SubroutineNameUsed, {GetFunctionName(db, funcID)});
    return false;
  }
  if (!CheckName(newName)) return false;
  // The calls show the subroutine by its operand's description.
  db.Execute("UPDATE LdrOperands SET OprndDescription=? WHERE OprndType=? AND OprndAddress=? AND NetworkID=0",
             {newName, kCallOperand, funcID});
  NotifyChanged();
  db.Execute("UPDATE LdrFunctions SET FuncName=? WHERE FuncID=?", {newName, funcID});
  return true;
}

bool ProjectTree::RenameModule(long mdlID, const std::string& newName) {
  RequireModule(mdlID, "RenameModule");
  auto& db = mCtx.Db();
  if (!IsModuleNameFree(db, mdlID, newName)) {
    mCtx.Host->Messages->ShowMessage(eHM_ModuleNameUsed, {GetModuleName(db, mdlID)});
    return false;
  }
  if (!CheckName(newName)) return false;
  db.Execute("UPDATE LdrModules SET MdlName=? WHERE MdlID=?", {newName, mdlID});
  NotifyChanged();
  return true;
}

// A move to a module that does not exist would leave the subroutine without
// one (the row would break its foreign key): it is refused unchanged.
bool ProjectTree::MoveFunctionToModule(long funcID, long mdlID) {
  RequireModule(mdlID, "MoveFunctionToModule");
  mCtx.Db().Execute("UPDATE LdrFunctions SET MdlID=" + Num(mdlID) + " WHERE FuncID=" + Num(funcID));
  return true;
}

// --- clearing and deleting -----------------------------------------------------------------------

bool ProjectTree::ClearFunction(long funcID) {
  RequireFunction(funcID, "ClearFunction");
  auto& db = mCtx.Db();
  mCtx.ActionName = "Clear Subroutine - " + GetFullFunctionName(db, funcID);
  if (mCtx.Host->Messages->ShowMessage(eHM_ClearSubroutine, {GetFunctionName(db, funcID)}) != kAnswerYes) return false;
  return ClearStrips(funcID);
}

bool ProjectTree::ClearStrips(long funcID) {
  auto& db = mCtx.Db();
  db.Execute("DELETE FROM LdrStrips WHERE FuncID=" + Num(funcID));
  AddDefaultStrips(db, funcID);
  db.Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE FuncID=" + Num(funcID));
  NotifyChanged();
  return true;
}

bool ProjectTree::IsFunctionReferenced(long funcID) {
  auto& db = mCtx.Db();
  const bool listed = db.QueryValue("SELECT COUNT(*) AS CntRef FROM LdrOperands WHERE OprndType=" + Num(kCallOperand) +
                                    " AND OprndAddress=" + Num(funcID))
                          .AsLong() != 0;
  if (!listed) return false;
  const bool used = db.QueryValue("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=" + Num(kCallOperand) +
                                  " AND Elmnt_Oprnd_Adrs=" + Num(funcID))
                        .AsLong() != 0;
  if (!used)
    mCtx.Host->Errors->ReportError(0, "ReferenceConflicts",
                                   "Operand has no reference in the project\nBUT appears in LdrOperands table",
                                   kClassName, "prvDoesFunctionHasReference");
  return true;
}

bool ProjectTree::DeleteFunction(long funcID, bool ask) {
  RequireFunction(funcID, ask ? "DeleteFunction" : "DeleteFunctionEx");
  auto& db = mCtx.Db();
  const std::string name = GetFunctionName(db, funcID);
  mCtx.ActionName = "Delete Subroutine -  " + GetFullFunctionName(db, funcID);
  const long mdlID = GetModuleIDOfFunction(db, funcID);
  const bool lastOfModule =
      db.QueryValue("SELECT COUNT(*) AS FuncCnt FROM LdrFunctions WHERE MdlID=" + Num(mdlID)).AsLong() == 1;
  if (IsFunctionReferenced(funcID)) {
    if (ask) {
      mCtx.Host->Messages->ShowMessage(eHM_SubroutineIsCalled, {name});
    } else {
      mCtx.Host->Errors->Report({ErrorReporter::kErrorBase, "Ilogical Error",
                                 "Attempt to delete a function that is referenced from the ladder while such "
                                 "reference is NOT expected to exist",
                                 ErrorReporter::kComponentSource, "clsLaddermain", "prvDeleteFunction",
                                 ErrorReporter::kExclamationStyle});
    }
    return false;
  }
  if (ask && mCtx.Host->Messages->ShowMessage(eHM_DeleteSubroutine, {name}) != kAnswerYes) return false;
  if (mCtx.Host->DownloadUnits->IsOn()) {
    auto ids = db.Query("SELECT Guid, DataGuid FROM LdrFunctions WHERE FuncID=" + Num(funcID));
    for (const char* column : {"Guid", "DataGuid"})
      if (!ids.Field(column).IsNull()) mCtx.Host->Identifiers->ReleaseIdentifier(ids.Field(column).AsLong());
  }
  db.Execute("DELETE FROM LdrFunctions WHERE FuncID=" + Num(funcID));
  if (lastOfModule) db.Execute("DELETE FROM LdrModules WHERE MdlID=" + Num(mdlID));
  NotifyChanged();
  NotifyDeleted();
  return true;
}

bool ProjectTree::DeleteModule(long mdlID) {
  RequireModule(mdlID, "DeleteModule");
  auto& db = mCtx.Db();
  const std::string name = GetModuleName(db, mdlID);
  mCtx.ActionName = "Delete Module - " + name;
  if (db.QueryValue("SELECT COUNT(*) AS CntRef FROM LdrOperands WHERE OprndType=" + Num(kCallOperand) +
                    " AND OprndAddress IN (SELECT FuncID FROM LdrFunctions WHERE MdlID=" + Num(mdlID) + ")")
          .AsLong() != 0) {
    mCtx.Host->Messages->ShowMessage(eHM_ModuleHasCalledSubroutine, {name});
    return false;
  }
  db.Execute("DELETE FROM LdrModules WHERE MdlID=" + Num(mdlID));
  NotifyChanged();
  NotifyDeleted();
  return true;
}

} // namespace ldr
