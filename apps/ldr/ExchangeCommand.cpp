// `ldr export PROJECT FILE --func ID…` and `ldr import PROJECT FILE
// [--module ID]`: subroutines through export files, made by the editor as a
// host makes them (the file given instead of asked). The editor's log lines
// (messages, notices, the action) go to standard output.
//
// Exit status: 0 done, 1 bad arguments or an unexpected error, 2 refused
// (a numbered message says why), 3 the file is not an export file this
// version can read.
#include "apps/ldr/Commands.h"
#include "apps/ldr/script/HeadlessEditor.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/LogSink.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

namespace {

class StandardOutputLog : public LogSink {
public:
  void WriteLine(const std::string& line) override { std::cout << line << '\n'; }
};

struct ExchangeArgs {
  std::string Project, File;
  std::vector<long> Functions;
  long Module = 0;
};

void Finish(clsExportImport::Outcome outcome) {
  std::cout.flush();
  switch (outcome) {
  case clsExportImport::Outcome::Done:
    return;
  case clsExportImport::Outcome::BadFile:
    throw CLI::RuntimeError(3);
  case clsExportImport::Outcome::Refused:
    throw CLI::RuntimeError(2);
  default:
    std::cerr << "ldr: nothing was done\n";
    throw CLI::RuntimeError(2);
  }
}

} // namespace

void AddExchangeCommands(CLI::App& app) {
  auto args = std::make_shared<ExchangeArgs>();
  auto* exportCommand = app.add_subcommand("export", "Write subroutines, with what they use, to an export file");
  exportCommand->add_option("PROJECT", args->Project, "project file")->required()->check(CLI::ExistingFile);
  exportCommand->add_option("FILE", args->File, "the export file to write (replaced when it exists)")->required();
  exportCommand->add_option("--func", args->Functions, "subroutine IDs")->required();
  exportCommand->callback([args] {
    script::HeadlessEditor editor(ProjectDatabase::Open(args->Project), std::make_shared<StandardOutputLog>());
    editor.Init(798, 700);
    Finish(editor.Main().ExportToFile(args->Functions, args->File));
  });
  auto* importCommand = app.add_subcommand("import", "Read the subroutines of an export file into a module");
  importCommand->add_option("PROJECT", args->Project, "project file")->required()->check(CLI::ExistingFile);
  importCommand->add_option("FILE", args->File, "the export file")->required()->check(CLI::ExistingFile);
  importCommand->add_option("--module", args->Module, "the receiving module (default: the first)");
  importCommand->callback([args] {
    auto connection = ProjectDatabase::Open(args->Project);
    const long module =
        args->Module != 0 ? args->Module : connection->QueryValue("SELECT MIN(MdlID) FROM LdrModules").AsLong(0);
    script::HeadlessEditor editor(connection, std::make_shared<StandardOutputLog>());
    editor.Init(798, 700);
    Finish(editor.Main().ImportFromFile(module, args->File));
    std::cout << "imported";
    for (const auto& pair : editor.Main().LastImportPairs())
      std::cout << ' ' << pair.OldFuncId << "->" << pair.NewFuncId;
    std::cout << '\n';
  });
}

} // namespace ldr::cli
