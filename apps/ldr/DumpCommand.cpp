// `ldr dump PROJECT [--func ID…]`: the ladder as a deterministic text for
// version control (ProjectTextDump).
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "exchange/plcopen/LadderProjectReader.h"
#include "exchange/plcopen/ProjectTextDump.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

void AddDumpCommand(CLI::App& app) {
  auto* command = app.add_subcommand("dump", "Print the ladder as a text that diffs well");
  auto path = std::make_shared<std::string>();
  auto functions = std::make_shared<std::vector<long>>();
  command->add_option("PROJECT", *path, "project file")->required();
  command->add_option("--func", *functions, "subroutine IDs to print (default: all)");
  command->callback([path, functions] {
    auto db = ProjectDatabase::OpenReadOnly(*path);
    std::cout << plcopen::ProjectTextDump(plcopen::LadderProjectReader(*db).Read(*functions)).Text();
  });
}

} // namespace ldr::cli
