// `ldr script FILE|-`: runs a script against the headless editor.
#include "apps/ldr/Commands.h"
#include "apps/ldr/script/ScriptRunner.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

namespace ldr::cli {

void AddScriptCommand(CLI::App& app) {
  auto* command = app.add_subcommand("script", "Run an editor script (FILE, or - for standard input)");
  auto path = std::make_shared<std::string>();
  command->add_option("FILE", *path, "script file or -")->required();
  command->callback([path] {
    script::ScriptRunner runner(std::cout, std::cerr);
    int status = 0;
    if (*path == "-") {
      status = runner.Run(std::cin);
    } else {
      std::ifstream file(*path);
      if (!file) throw std::runtime_error("cannot read script " + *path);
      status = runner.Run(file);
    }
    std::cout.flush();
    // Leaves through the command line's own exit, so the runner (and the
    // project it holds open) is closed on the failing path too.
    if (status != 0) throw CLI::RuntimeError(status);
  });
}

} // namespace ldr::cli
