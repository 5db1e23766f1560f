// `ldr info PATH`: the modules and subroutines of a project with their strip,
// net and element counts.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "core/ProjectSchema.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

namespace {

const char* FunctionTypeName(long type) {
  switch (type) {
  case 1:
    return "start";
  case 2:
    return "main";
  default:
    return "regular";
  }
}

void PrintInfo(db::Connection& db, std::ostream& out) {
  out << "project " << db.Path() << " (database version " << ProjectSchema::kDatabaseVersion << ")\n";
  auto modules = db.Query("SELECT MdlID, MdlName FROM LdrModules ORDER BY MdlID");
  for (; !modules.IsEOF(); modules.MoveNext()) {
    out << "module " << modules.Field("MdlID").AsLong() << " \"" << modules.Field("MdlName").AsText() << "\"\n";
    auto functions =
        db.Query("SELECT f.FuncID, f.FuncName, f.FunctionType, "
                 "(SELECT COUNT(*) FROM LdrStrips s WHERE s.FuncID=f.FuncID) AS Strips, "
                 "(SELECT COUNT(*) FROM LdrStrips s WHERE s.FuncID=f.FuncID AND s.StrpType=1) AS Nets, "
                 "(SELECT COUNT(*) FROM LdrElements e JOIN LdrStrips s ON s.StripID=e.StripID WHERE s.FuncID=f.FuncID) "
                 "AS Elements FROM LdrFunctions f WHERE f.MdlID=? ORDER BY f.FuncID",
                 {modules.Field("MdlID")});
    for (; !functions.IsEOF(); functions.MoveNext()) {
      out << "  subroutine " << functions.Field("FuncID").AsLong() << " \"" << functions.Field("FuncName").AsText()
          << "\" " << FunctionTypeName(functions.Field("FunctionType").AsLong(3)) << ": "
          << functions.Field("Strips").AsLong() << " strips, " << functions.Field("Nets").AsLong() << " nets, "
          << functions.Field("Elements").AsLong() << " elements\n";
    }
  }
}

} // namespace

void AddInfoCommand(CLI::App& app) {
  auto* command = app.add_subcommand("info", "Print the modules and subroutines of a project");
  auto path = std::make_shared<std::string>();
  command->add_option("PATH", *path, "project file")->required();
  command->callback([path] { PrintInfo(*ProjectDatabase::OpenReadOnly(*path), std::cout); });
}

} // namespace ldr::cli
