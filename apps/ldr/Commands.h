#pragma once
// The subcommands of `ldr`; each lives in its own file and registers itself
// on the application.

namespace CLI {
class App;
}

namespace ldr::cli {

void AddNewCommand(CLI::App& app);
void AddInfoCommand(CLI::App& app);
void AddSqlCommand(CLI::App& app);
void AddScriptCommand(CLI::App& app);
void AddRenderCommand(CLI::App& app);
void AddCatalogueCommand(CLI::App& app);
void AddRenderElementCommand(CLI::App& app);
void AddExportPlcopenCommand(CLI::App& app);
void AddDumpCommand(CLI::App& app);
void AddSimulateCommand(CLI::App& app);
void AddUndoCommand(CLI::App& app);
// xref, replace and print.
void AddToolCommands(CLI::App& app);
void AddCompileInfoCommand(CLI::App& app);
void AddTreeCommand(CLI::App& app);
// export and import of subroutines.
void AddExchangeCommands(CLI::App& app);

} // namespace ldr::cli
