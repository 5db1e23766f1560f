// `ldr`: the command line of the ladder editor component.
#include "apps/ldr/Commands.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
  CLI::App app{"ldr - ladder editor command line"};
  app.require_subcommand(1);
  ldr::cli::AddNewCommand(app);
  ldr::cli::AddInfoCommand(app);
  ldr::cli::AddSqlCommand(app);
  ldr::cli::AddScriptCommand(app);
  ldr::cli::AddRenderCommand(app);
  ldr::cli::AddCatalogueCommand(app);
  ldr::cli::AddRenderElementCommand(app);
  ldr::cli::AddExportPlcopenCommand(app);
  ldr::cli::AddDumpCommand(app);
  ldr::cli::AddSimulateCommand(app);
  ldr::cli::AddUndoCommand(app);
  ldr::cli::AddToolCommands(app);
  ldr::cli::AddCompileInfoCommand(app);
  ldr::cli::AddTreeCommand(app);
  ldr::cli::AddExchangeCommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const std::exception& e) {
    std::cerr << "ldr: error: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
