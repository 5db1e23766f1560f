// `ldr catalogue [PROJECT]`: the element types, "type|family|title" a line,
// and with a project also its function-block methods.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "elements/ElementCatalogueListing.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace ldr::cli {

void AddCatalogueCommand(CLI::App& app) {
  auto* command = app.add_subcommand("catalogue", "Print every element type as type|family|title");
  auto path = std::make_shared<std::string>();
  command->add_option("PROJECT", *path, "project file: adds its function-block methods and their titles");
  command->callback([path] {
    if (path->empty()) {
      WriteElementCatalogue(std::cout, nullptr);
      return;
    }
    auto project = ProjectDatabase::Open(*path);
    WriteElementCatalogue(std::cout, project.get());
  });
}

} // namespace ldr::cli
