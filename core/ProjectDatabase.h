#pragma once
// Opening and creating project database files, as a host does before it
// hands the connection to the component.

#include "platform/database/Connection.h"

#include <memory>
#include <string>

namespace ldr {

class ProjectDatabase {
public:
  // Module and subroutines of a new project.
  static constexpr long kFirstModuleID = 1;
  static constexpr long kStartFunctionID = 1;
  static constexpr long kMainFunctionID = 2;

  // Opens an existing project file. A missing, unreadable or foreign file, or
  // one of another database version, fails with a DbError and is not changed.
  static std::shared_ptr<db::Connection> Open(const std::string& path);
  // Opens an existing project file for reading only: the same checks as
  // Open, and nothing is ever written to the file.
  static std::shared_ptr<db::Connection> OpenReadOnly(const std::string& path);
  // A private in-memory copy of a project file, for showing it with the
  // editor (which keeps view state in the database) without changing it.
  static std::shared_ptr<db::Connection> OpenCopy(const std::string& path);
  // Creates a new project file with the default content: module 1 with the
  // start subroutine and subroutine 2, the main one. Fails if the file exists;
  // a failure leaves no file behind.
  static std::shared_ptr<db::Connection> Create(const std::string& path);
  // Writes the default content into an empty project database.
  static void WriteDefaultContent(db::Connection& connection);
};

} // namespace ldr
