// `ldr new PATH`: creates a project database with the default content.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

void AddNewCommand(CLI::App& app) {
  auto* command = app.add_subcommand("new", "Create a new project database (fails if PATH exists)");
  auto path = std::make_shared<std::string>();
  command->add_option("PATH", *path, "project file to create")->required();
  command->callback([path] {
    ProjectDatabase::Create(*path);
    std::cout << "created " << *path << '\n';
  });
}

} // namespace ldr::cli
