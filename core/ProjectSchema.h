#pragma once
// The tables of a project database, and the check that a file is one.
//
// A project file is a SQLite database whose header carries our application
// id and the database version; opening anything else fails before a byte of
// the file is changed.

#include "platform/database/Connection.h"

#include <string>
#include <vector>

namespace ldr {

class ProjectSchema {
public:
  // The version of the project database layout; the export files carry it too.
  static constexpr int kDatabaseVersion = 23;
  // "LDR1": marks a SQLite file as a project database.
  static constexpr int kApplicationId = 0x4C445231;

  // Creates every table of an empty database and stamps id and version.
  static void Create(db::Connection& connection);
  // Throws a DbError with a clear message unless the database is a project
  // database of our version. Reads only.
  static void Verify(db::Connection& connection);
  // The tables every project database holds.
  static const std::vector<std::string>& TableNames();
};

} // namespace ldr
