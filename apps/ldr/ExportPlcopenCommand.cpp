// `ldr export-plcopen PROJECT -o FILE.xml [--func ID…]`: the ladder as
// PLCopen TC6 XML 2.01. Warnings (left-out or vendor-mapped elements,
// unconnected wires) go to standard error; the file is written whole or not
// at all.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "exchange/plcopen/PlcopenFile.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

void AddExportPlcopenCommand(CLI::App& app) {
  auto* command = app.add_subcommand("export-plcopen", "Export the ladder as PLCopen TC6 XML 2.01");
  auto path = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  auto functions = std::make_shared<std::vector<long>>();
  command->add_option("PROJECT", *path, "project file")->required();
  command->add_option("-o,--output", *output, "XML file to write")->required();
  command->add_option("--func", *functions, "subroutine IDs to export (default: all)");
  command->callback([path, output, functions] {
    auto db = ProjectDatabase::OpenReadOnly(*path);
    for (const auto& warning : plcopen::PlcopenFile::Write(*db, *functions, *output))
      std::cerr << "warning: " << warning << '\n';
  });
}

} // namespace ldr::cli
