// `ldr new PATH [--demo-blocks]`: creates a project database with the default
// content (and, when asked, the demo function-block library).
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "outside/operands/FunctionBlockLibrary.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

void AddNewCommand(CLI::App& app) {
  auto* command = app.add_subcommand("new", "Create a new project database (fails if PATH exists)");
  auto path = std::make_shared<std::string>();
  auto demoBlocks = std::make_shared<bool>(false);
  command->add_option("PATH", *path, "project file to create")->required();
  command->add_flag("--demo-blocks", *demoBlocks, "add the demo function-block library (block 100200)");
  command->callback([path, demoBlocks] {
    auto project = ProjectDatabase::Create(*path);
    if (*demoBlocks) FunctionBlockLibrary::InstallDemoLibrary(*project);
    std::cout << "created " << *path << '\n';
  });
}

} // namespace ldr::cli
