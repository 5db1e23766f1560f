#pragma once
// Modules and subroutines as the host's project tree changes them: new
// ones with their default names and content, renaming (names unique without
// regard to case), moving, clearing and deleting. A subroutine that the
// ladder calls cannot be deleted, nor can a module holding one.
//
// The operations work on the database and talk to the user through the
// host's messages; which subroutine the editor shows afterwards is the main
// object's business. Each runs inside the caller's edit, so a failure leaves
// the project as it was.

#include "core/LdrContext.h"

#include <string>

namespace ldr {

class ProjectTree {
public:
  static constexpr const char* kClassName = "clsLdrMain";
  static constexpr long kCallOperand = 31;

  explicit ProjectTree(LdrContext& ctx) : mCtx(ctx) {}

  // A subroutine with 16 nets and the return strip; its ID and name.
  long AddNewFunction(long mdlID, std::string& funcName);
  // A module with its first subroutine.
  long AddNewModule(std::string& moduleName, long& funcID, std::string& funcName);
  bool RenameFunction(long funcID, const std::string& newName);
  bool RenameModule(long mdlID, const std::string& newName);
  bool MoveFunctionToModule(long funcID, long mdlID);
  // Asks first (message 78); false when the user says no.
  bool ClearFunction(long funcID);
  // Removes every strip and puts the default content back; no question.
  bool ClearStrips(long funcID);
  // `ask`: message 79 first. A called subroutine stays (message 80, or the
  // error report when the caller said it could not be called).
  bool DeleteFunction(long funcID, bool ask);
  bool DeleteModule(long mdlID);

  // Why a name cannot be given to a subroutine or module; empty when it can.
  static std::string NameProblem(const std::string& name);
  bool IsFunctionReferenced(long funcID);

private:
  bool CheckName(const std::string& name);
  void NotifyChanged();
  void NotifyDeleted();
  void RequireModule(long mdlID, const char* procedure);
  void RequireFunction(long funcID, const char* procedure);

  LdrContext& mCtx;
};

} // namespace ldr
